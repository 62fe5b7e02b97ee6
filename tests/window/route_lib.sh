# What the routes that drive the real game (window, Wayland, package) share:
# failure bookkeeping, a private X server and the closing summary. Sourced
# after the caller has set $tag and $work.

failures=0
failed=""
# Each failure is told where it happens and again in the closing summary, so
# that a log cut to its last lines still names it.
fail() { echo "$tag: FAIL: $*" >&2; failures=$((failures + 1)); failed+="  $*"$'\n'; }
note() { echo "$tag: $*"; }

# A private X server with a WIDTHxHEIGHT screen: it picks a free display
# number itself and tells us, so runs beside each other (and beside other
# test stages) never collide. Sets $xvfb and exports DISPLAY; ends the
# route when the server does not start.
start_xvfb() {
  Xvfb -displayfd 5 -screen 0 "$1x24" -nolisten tcp 5>"$work/display" 2>"$work/xvfb.log" &
  xvfb=$!
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
  [ -s "$work/display" ] || { echo "$tag: FAIL: Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
  export DISPLAY=":$(head -1 "$work/display")"
}

# A key held about 100 ms, as a hand presses it, then a pause (0.4 s).
press() { xdotool keydown "$1"; sleep 0.1; xdotool keyup "$1"; sleep "${2:-0.4}"; }
# Whether the game ($pid) still runs.
alive() { kill -0 "$pid" 2>/dev/null; }
# Waits up to 30 s for a file to appear.
wait_for_file() {
  for _ in $(seq 300); do [ -e "$1" ] && return 0; sleep 0.1; done
  return 1
}

# From MAIN MENU: NEW GAME, ONE PLAYER, Accept on SQUAD; the options file
# appears, the first game shows its controls card, and a key closes it.
start_first_game() {
  press Return 1
  press Return 1
  press Return 1
  wait_for_file opt.dat || fail "no opt.dat after starting a game"
  wait_for_file intro.dat || fail "no intro.dat: the first game showed no controls card"
  sleep 1
  press space 1
}

# Ends the route: passed, or the game's output and every failure again.
finish_route() {
  if [ "$failures" -ne 0 ]; then
    echo "$tag: game output:" >&2
    cat "$work/stdout.txt" >&2 2>/dev/null
    printf '%s: %d failure(s):\n%s' "$tag" "$failures" "$failed" >&2
    exit 1
  fi
  echo "$tag: passed"
}
