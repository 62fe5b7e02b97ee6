#!/usr/bin/env bash
# The game on native Wayland: weston on its X11 backend inside a private
# Xvfb (weston's headless backend made SDL crash), rx907 with
# SDL_VIDEODRIVER=wayland, driven with synthetic X input into weston's
# window, which weston hands on to the game. Checks the start-up window's
# highlight and click with the mouse, a new game, a quicksave in play,
# Alt+Enter twice, and QUIT: the program must end with status 0.
#
#   wayland_e2e.sh BUILD_DIR [RENDERER]
#
# RENDERER is default, opengl or software (the default here). RX_E2E_SHOTS=DIR
# keeps PNG pictures of weston's screen at the main steps.
set -uo pipefail

for tool in Xvfb weston xdotool xwd python3; do
  command -v "$tool" >/dev/null || { echo "wayland-e2e: FAIL: $tool is not installed (scripts/install-deps)" >&2; exit 1; }
done
build=$(cd "$1" && pwd)
renderer=${2:-software}
here=$(cd "$(dirname "$0")" && pwd)
game=${RX_E2E_GAME:-$build/rx907}
shots=${RX_E2E_SHOTS:-}
tag="wayland-e2e [$renderer]"


work=$(mktemp -d)
pid=""
xvfb=""
weston=""
trap 'kill $pid $weston $xvfb 2>/dev/null; rm -rf "$work"' EXIT
cd "$work"
# shellcheck source=route_lib.sh
source "$here/route_lib.sh"
start_xvfb 1280x1024

# weston's screen is a 1024 x 768 X window; full screen there is one to one.
export XDG_RUNTIME_DIR="$work/xdg"
mkdir -m 700 "$XDG_RUNTIME_DIR"
weston --backend=x11-backend.so --width=1024 --height=768 --socket=rx907-wayland --idle-time=0 \
  >"$work/weston.log" 2>&1 &
weston=$!
output=$(timeout 20 xdotool search --sync --class '^Weston Compositor$' | head -1)
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/rx907-wayland" ] && break; sleep 0.1; done
[ -n "$output" ] && [ -S "$XDG_RUNTIME_DIR/rx907-wayland" ] ||
  { echo "$tag: FAIL: weston did not start" >&2; cat "$work/weston.log" >&2; exit 1; }
sleep 1

dump() { xwd -id "$output" -silent; }
keep_shot() {
  [ -n "$shots" ] || return 0
  mkdir -p "$shots"
  dump | python3 "$here/xwd_png.py" "$shots/wayland-$renderer-$1.png"
}
# weston's X11 backend at times takes no pointer motion from synthetic X
# input until the pointer has left its window and come back: every move
# into it starts from the far corner of the X screen, outside weston.
pointer_to() {
  xdotool mousemove 1279 1023
  sleep 0.2
  xdotool mousemove "$1" "$2"
}
alt_enter() { xdotool keydown alt keydown Return; sleep 0.1; xdotool keyup Return keyup alt; sleep 1.5; }

SDL_VIDEODRIVER=wayland WAYLAND_DISPLAY=rx907-wayland "$game" --renderer="$renderer" >"$work/stdout.txt" 2>&1 &
pid=$!

# weston places windows where it likes: the start-up window is found by the
# renderer's name, the one yellow thing on it (centred on x 240, its top at
# y 239).
pos=""
for _ in $(seq 60); do
  pos=$(dump | python3 "$here/xwd_pixel.py" --yellow 2>/dev/null) && break
  pos=""
  sleep 0.5
done
[ -n "$pos" ] || { fail "no start-up window"; cat "$work/stdout.txt" >&2; exit 1; }
read -r cx ty <<<"$pos"
wx=$((cx - 240)) wy=$((ty - 239))
note "start-up window at ($wx, $wy) on weston's screen"

# The lower half of RUN GAME lights RUN GAME, not CHANGE MODE. weston may
# miss the very first pointer motion into its window: the pointer comes
# from a few steps away.
run=0 mode=0
for attempt in 1 2 3 4 5; do
  # weston's window stands at the screen's origin: screen pixels are its own.
  pointer_to $((wx + 220)) $((wy + 140 - attempt))
  sleep 0.3
  for _ in 1 2 3 4; do xdotool mousemove_relative -- 5 $(((20 + attempt) / 4)); sleep 0.05; done
  xdotool mousemove $((wx + 240)) $((wy + 160))
  # A loaded machine may take a while to draw the highlight.
  sleep "0.$((4 + attempt))"
  [ "$attempt" -gt 2 ] && sleep 1
  run=$(dump | python3 "$here/xwd_pixel.py" --green $((wx + 85)),$((wy + 109)),310,56)
  mode=$(dump | python3 "$here/xwd_pixel.py" --green $((wx + 85)),$((wy + 168)),310,56)
  [ "$run" -gt 0 ] || [ "$mode" -gt 0 ] && break
done
keep_shot startup
if [ "$run" -gt 40 ] && [ "$mode" -eq 0 ]; then
  note "pointer on the lower half of RUN GAME lights RUN GAME"
else
  fail "pointer on the lower half of RUN GAME: RUN GAME $run lit pixels, CHANGE MODE $mode"
fi
xdotool click 1

# Probe, loading, MAIN MENU; then the first game.
sleep 8
alive || { fail "rx907 ended after RUN GAME"; cat "$work/stdout.txt" >&2; exit 1; }
start_first_game
sleep 2
press F5 1
wait_for_file saves/quick.907 || fail "F5 in play wrote no quicksave"
keep_shot play

alt_enter
alive || fail "rx907 ended on Alt+Enter (to a window)"
keep_shot window
alt_enter
alive || fail "rx907 ended on Alt+Enter (back to full screen)"

# MAIN MENU, then a click on QUIT (logical 512, 566; one to one here).
press Escape 1
pointer_to 500 560
sleep 0.3
for _ in 1 2 3; do xdotool mousemove_relative -- 4 2; sleep 0.05; done
xdotool mousemove 512 566
sleep 0.5
keep_shot quit
xdotool click 1
for _ in $(seq 100); do alive || break; sleep 0.1; done
if alive; then
  fail "rx907 still runs after QUIT"
else
  wait "$pid"; status=$?
  [ "$status" = 0 ] || fail "rx907 ended with status $status"
fi

finish_route
