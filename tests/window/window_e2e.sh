#!/usr/bin/env bash
# The real game in a real X window: starts its own Xvfb, drives rx907 with
# synthetic X input as a player would, and checks the files it writes, the
# window sizes, a HUD pixel in the window and in full screen, and the pacing.
#
#   window_e2e.sh BUILD_DIR RENDERER [WIDTHxHEIGHT]
#
# RENDERER is default, opengl or software. Prints the game frames per wall
# second of 20 s of play; fails when play runs faster than 62 (the pacing
# fault). Slower figures are printed but not judged: a loaded machine is slow.
set -uo pipefail

if ! command -v Xvfb >/dev/null; then
  echo "window-e2e: FAIL: Xvfb is not installed (scripts/install-deps installs it)" >&2
  exit 1
fi
for tool in xdotool xwd xwininfo python3; do
  command -v "$tool" >/dev/null || { echo "window-e2e: FAIL: $tool is not installed" >&2; exit 1; }
done
build=$(cd "$1" && pwd)
renderer=$2
size=${3:-1280x1024}
here=$(cd "$(dirname "$0")" && pwd)
deskw=${size%x*}
deskh=${size#*x}
game=${RX_E2E_GAME:-$build/rx907}
tag="window-e2e [$renderer ${size}]"

failures=0
fail() { echo "$tag: FAIL: $*" >&2; failures=$((failures + 1)); }
note() { echo "$tag: $*"; }

work=$(mktemp -d)
pid=""
xvfb=""
trap 'kill $pid $xvfb 2>/dev/null; rm -rf "$work"' EXIT
cd "$work"

# A private X server: it picks a free display number itself and tells us,
# so runs beside each other (and beside other test stages) never collide.
Xvfb -displayfd 5 -screen 0 "${size}x24" -nolisten tcp 5>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "$tag: FAIL: Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -1 "$work/display")"

# A key held about 100 ms, as a hand presses it.
press() { xdotool keydown "$1"; sleep 0.1; xdotool keyup "$1"; sleep "${2:-0.4}"; }
# Left button held about 100 ms.
hold_click() { xdotool mousedown 1; sleep 0.1; xdotool mouseup 1; }
alt_enter() { xdotool keydown alt keydown Return; sleep 0.1; xdotool keyup Return keyup alt; sleep 1.2; }
alive() { kill -0 "$pid" 2>/dev/null; }
geometry() {  # prints "W H" of a window
  xwininfo -id "$1" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w, h}'
}
# The window's pixel at logical (x, y) of the 1024 x 768 picture, letterboxed
# into a window of ww x wh.
pixel_at_logical() {
  local wid=$1 ww=$2 wh=$3 lx=$4 ly=$5
  read -r wx wy < <(python3 -c "
s = min($ww / 1024, $wh / 768)
ox, oy = ($ww - 1024 * s) / 2, ($wh - 768 * s) / 2
print(int(ox + ($lx + 0.5) * s), int(oy + ($ly + 0.5) * s))")
  xwd -id "$wid" -silent | python3 "$here/xwd_pixel.py" "$wx,$wy"
}
# Two flat spots of the console (top bar, lower right corner) are checked
# against the same pixels of the picture the game itself saves (Print Screen).
hudpoints="246,3 1010,700"
check_hud_pixel() {
  local label=$1 wid=$2 ww=$3 wh=$4 point got want
  local -a expected=("${hudrgb[@]}")
  for point in $hudpoints; do
    got=$(pixel_at_logical "$wid" "$ww" "$wh" "${point%,*}" "${point#*,}")
    want=${expected[0]}
    expected=("${expected[@]:1}")
    if python3 - "$got" "$want" <<'PY'
import sys
a = [int(v) for v in sys.argv[1].split()]
b = [int(v) for v in sys.argv[2].split()]
sys.exit(0 if len(a) == 3 and all(abs(x - y) <= 24 for x, y in zip(a, b)) else 1)
PY
    then
      note "$label: HUD pixel at logical $point is ($got) in a ${ww}x${wh} window"
    else
      fail "$label: HUD pixel at logical $point is ($got), expected about ($want)"
    fi
  done
}
# Waits until at least a third of the window's picture is lit: the loading
# screen is nearly all black, every menu and the console are not.
wait_for_picture() {
  local wid=$1
  for _ in $(seq 120); do
    if xwd -id "$wid" -silent 2>/dev/null | python3 "$here/xwd_pixel.py" --lit-fraction |
      python3 -c "import sys; sys.exit(0 if float(sys.stdin.read()) > 0.33 else 1)"; then
      return 0
    fi
    sleep 0.5
  done
  return 1
}
# Waits up to 30 s for a file to appear.
wait_for_file() {
  for _ in $(seq 300); do [ -e "$1" ] && return 0; sleep 0.1; done
  return 1
}
clock() { "$build/savepeek" saves quick; }
quicksave_clock() {  # F5, then the mission clock the quicksave holds
  local before
  before=$(stat -c %Y.%N saves/quick.907 2>/dev/null || echo none)
  press F5 0.1
  for _ in $(seq 300); do
    [ "$(stat -c %Y.%N saves/quick.907 2>/dev/null || echo none)" != "$before" ] && break
    sleep 0.1
  done
  sleep 0.2
  clock
}

"$game" --renderer="$renderer" ${RX_E2E_ARGS:-} >"$work/stdout.txt" 2>&1 &
pid=$!

startup=$(timeout 30 xdotool search --sync --name '^RX-907 - Startup Menu$' | head -1)
[ -n "$startup" ] || { fail "no start-up window"; exit 1; }
sleep 1
read -r sw sh < <(geometry "$startup")
[ "$sw $sh" = "480 360" ] || fail "start-up window is ${sw}x${sh}, expected 480x360"

# RUN GAME with a click that has no time between press and release.
xdotool mousemove --window "$startup" 240 137
sleep 0.5
if [ -n "${RX_E2E_HELD_CLICKS:-}" ]; then hold_click; else xdotool click 1; fi

timeout 30 xdotool search --sync --onlyvisible --name '^RX-907$' >/dev/null ||
  { fail "the game window never opened"; exit 1; }
sleep 2
# The renderer may replace the first window with one of its own kind.
gamewin=$(xdotool search --onlyvisible --name '^RX-907$' | tail -1)
# Frame-rate probe, loading screen, then the main menu.
wait_for_picture "$gamewin" || fail "the main menu never showed"
sleep 1
alive || { fail "rx907 ended during start-up"; cat "$work/stdout.txt"; exit 1; }
read -r gw gh < <(geometry "$gamewin")
[ "$gw $gh" = "$deskw $deskh" ] || fail "full screen window is ${gw}x${gh}, expected ${deskw}x${deskh}"

# NEW GAME, ONE PLAYER, Accept on SQUAD.
press Return 1
press Return 1
press Return 1
wait_for_file opt.dat || fail "no opt.dat after starting a game"
# The first game here shows the controls card; any key closes it.
wait_for_file intro.dat || fail "no intro.dat: the first game showed no controls card"
sleep 1
press space 1

# The game's own picture of this frame gives the HUD pixel's logical colour.
press Print 0.2
wait_for_file screenshots || true
sleep 1
shot=$(ls screenshots/rx907-*.png 2>/dev/null | head -1)
hudrgb=()
if [ -z "$shot" ]; then
  fail "Print Screen wrote no screenshots/rx907-*.png"
  hudrgb=("0 0 0" "0 0 0")
else
  # shellcheck disable=SC2086
  mapfile -t hudrgb < <(python3 "$here/png_pixel.py" "$shot" $hudpoints)
fi
check_hud_pixel "full screen" "$gamewin" "$gw" "$gh"

# 20 s of play with shots, between two quicksaves.
xdotool mousemove --window "$gamewin" $((gw / 2)) $((gh / 2))
c1=$(quicksave_clock); t1=$(date +%s.%N)
end=$(( $(date +%s) + 20 ))
while [ "$(date +%s)" -lt "$end" ]; do
  hold_click; sleep 0.9
  xdotool click 1; sleep 0.9
done
c2=$(quicksave_clock); t2=$(date +%s.%N)
fps=$(python3 -c "print('%.1f' % (($c2 - $c1) / ($t2 - $t1)))")
echo "$tag: play ran at $fps game frames per wall second (mission clock $c1 -> $c2 over $(python3 -c "print('%.1f' % ($t2 - $t1))") s)"
python3 -c "import sys; sys.exit(0 if $fps <= 62 else 1)" || fail "play runs at $fps game frames per second, above 62: frames are not paced"
[ -s saves/quick.nam ] || fail "no saves/quick.nam"

# Escape, LOAD GAME of the quicksave (it returns to play), Escape, CONTINUE.
press Escape 1
press Down; press Down; press Return 1
press Return 2
press Escape 1
press Down; press Return 2
alive || fail "rx907 ended in play"

# Alt+Enter twice: a window, then full screen again; nothing else happens.
alt_enter
read -r ww wh < <(geometry "$gamewin")
[ "$ww $wh" = "1024 768" ] || fail "after Alt+Enter the window is ${ww}x${wh}, expected 1024x768"
check_hud_pixel "window" "$gamewin" "$ww" "$wh"
alt_enter
read -r fw fh < <(geometry "$gamewin")
[ "$fw $fh" = "$deskw $deskh" ] || fail "after Alt+Enter twice the window is ${fw}x${fh}, expected ${deskw}x${deskh}"
check_hud_pixel "full screen again" "$gamewin" "$fw" "$fh"

# MAIN MENU with QUIT selected: Alt+Enter must not choose it. The pointer
# rests over the items: each window switch moves the picture under it, so
# another item comes to lie under the pointer, and that must not select it.
press Escape 1
# Over LOAD GAME (logical 512, 420) in full screen, and still over it, a few
# pixels off, in the window.
read -r px py < <(python3 -c "s = min($fw / 1024, $fh / 768); print(round(($fw - 1024 * s) / 2 + 512.5 * s), round(($fh - 768 * s) / 2 + 420.5 * s))")
xdotool mousemove "$px" "$py"; sleep 0.3
for _ in 1 2 3; do press Down 0.3; done  # LOAD GAME, SAVE GAME, OPTIONS, QUIT
alt_enter
alt_enter
alive || fail "Alt+Enter on MAIN MENU chose QUIT"
press Return 0.5

for _ in $(seq 300); do alive || break; sleep 0.1; done
if alive; then
  fail "rx907 still runs after QUIT"
else
  wait "$pid"; status=$?
  [ "$status" = 0 ] || fail "rx907 ended with status $status"
fi
python3 - <<'PY' || fail "api.dat is not magic 4421 and a renderer choice"
import struct, sys
data = open("api.dat", "rb").read()
sys.exit(0 if len(data) == 8 and struct.unpack("<i", data[:4])[0] == 4421 else 1)
PY

if [ "$failures" -ne 0 ]; then
  echo "$tag: $failures failure(s); game output:" >&2
  cat "$work/stdout.txt" >&2
  exit 1
fi
echo "$tag: passed"
