#!/usr/bin/env bash
# The real game in a real X window: starts its own Xvfb, optionally a window
# manager on it, drives rx907 with synthetic X input as a player would, and
# checks the files it writes, the start-up window's buttons where they are
# drawn, dragging it, the window sizes (also after five round trips between
# window and full screen), a HUD pixel in the window and in full screen, the
# picture while another window has the focus, and the pacing.
#
#   window_e2e.sh BUILD_DIR RENDERER [WIDTHxHEIGHT] [WM]
#
# RENDERER is default, opengl or software; WM is none (a bare X server, the
# default), openbox, fluxbox or xfwm4. Under fluxbox, which gives windows no
# icon of its own, the game window must carry one (RX_E2E_ICON=optional
# only notes it). Prints the game frames
# per wall second of the play (RX_E2E_PLAY_SECONDS, 20 s); fails when play
# runs faster than 62 (the pacing fault). Slower figures are printed but not
# judged: a loaded machine is slow. RX_E2E_SHOTS=DIR keeps PNG pictures of
# the desktop at the main steps.
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
wm=${4:-none}
playseconds=${RX_E2E_PLAY_SECONDS:-20}
shots=${RX_E2E_SHOTS:-}
here=$(cd "$(dirname "$0")" && pwd)
deskw=${size%x*}
deskh=${size#*x}
game=${RX_E2E_GAME:-$build/rx907}
tag="window-e2e [$renderer ${size} $wm]"


work=$(mktemp -d)
pid=""
xvfb=""
wmpid=""
other=""
trap 'kill $pid $other $wmpid $xvfb 2>/dev/null; rm -rf "$work"' EXIT
cd "$work"
# shellcheck source=route_lib.sh
source "$here/route_lib.sh"
start_xvfb "$size"

# The window manager, with a private home so that no user's settings take
# part.
# fluxbox's wallpaper helper finds no program to set one with and says so
# in a window that takes the focus: a helper that does nothing stands in.
mkdir -p "$work/home/.fluxbox" "$work/bin"
printf '#!/bin/sh\nexit 0\n' >"$work/bin/fbsetbg"
chmod +x "$work/bin/fbsetbg"
printf 'background: none\n' >"$work/home/.fluxbox/overlay"
printf 'session.styleOverlay: %s\n' "$work/home/.fluxbox/overlay" >"$work/home/.fluxbox/init"
# openbox as installed, less its Print Screen bindings (they start a
# screenshot program, which would take the game's key).
mkdir -p "$work/home/.config/openbox"
if [ -f /etc/xdg/openbox/rc.xml ]; then
  python3 - /etc/xdg/openbox/rc.xml "$work/home/.config/openbox/rc.xml" <<'PY'
import re, sys
text = open(sys.argv[1]).read()
text = re.sub(r'<keybind key="A?-?Print">.*?</keybind>', "", text, flags=re.S)
open(sys.argv[2], "w").write(text)
PY
fi
case $wm in
  none) ;;
  openbox) command -v openbox >/dev/null || { fail "openbox is not installed"; exit 1; }
    HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" openbox >"$work/wm.log" 2>&1 & wmpid=$! ;;
  fluxbox) command -v fluxbox >/dev/null || { fail "fluxbox is not installed"; exit 1; }
    HOME="$work/home" PATH="$work/bin:$PATH" fluxbox -rc "$work/home/.fluxbox/init" >"$work/wm.log" 2>&1 & wmpid=$! ;;
  xfwm4) command -v xfwm4 >/dev/null || { fail "xfwm4 is not installed"; exit 1; }
    # xfwm4 reads its settings over a session bus.
    HOME="$work/home" dbus-run-session -- xfwm4 --compositor=off >"$work/wm.log" 2>&1 & wmpid=$! ;;
  *) fail "unknown window manager $wm"; exit 1 ;;
esac
if [ "$wm" != none ]; then
  # Running once it names its check window on the root window.
  for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.1; done
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' || { fail "$wm did not start"; cat "$work/wm.log" >&2; exit 1; }
  sleep 0.5
fi

# Left button held about 100 ms.
hold_click() { xdotool mousedown 1; sleep 0.1; xdotool mouseup 1; }
alt_enter() { xdotool keydown alt keydown Return; sleep 0.1; xdotool keyup Return keyup alt; sleep 1.2; }
geometry() {  # prints "W H" of a window
  xwininfo -id "$1" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w, h}'
}
origin() {  # prints "X Y": where a window's drawing area stands on the screen
  xwininfo -id "$1" | awk '/Absolute upper-left X:/ {x=$4} /Absolute upper-left Y:/ {y=$4} END {print x, y}'
}
# Keeps a picture of the desktop under RX_E2E_SHOTS, the pointer marked.
keep_shot() {
  [ -n "$shots" ] || return 0
  mkdir -p "$shots"
  local mark
  mark=$(xdotool getmouselocation --shell | awk -F= '/^X=/ {x=$2} /^Y=/ {y=$2} END {print x "," y}')
  xwd -root -silent | python3 "$here/xwd_png.py" "$shots/$wm-$size-$renderer-$1.png" --mark "$mark"
}
# Bright green (highlighted) pixels of a window in the box X,Y,W,H.
green_in() { xwd -id "$1" -silent | python3 "$here/xwd_pixel.py" --green "$2"; }
# Gives the keyboard focus to a window, through the window manager if any.
focus_window() {
  if [ "$wm" = none ]; then xdotool windowfocus "$1"; else xdotool windowactivate "$1"; fi
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
# against the same pixels of the picture the game itself saves (Print Screen),
# times an optional brightness factor (the dimmed picture in the background).
hudpoints="246,3 1010,700"
check_hud_pixel() {
  local label=$1 wid=$2 ww=$3 wh=$4 factor=${5:-1} point got want
  local -a expected=("${hudrgb[@]}")
  for point in $hudpoints; do
    got=$(pixel_at_logical "$wid" "$ww" "$wh" "${point%,*}" "${point#*,}")
    want=$(python3 -c "print(' '.join(str(round(int(v) * $factor)) for v in '${expected[0]}'.split()))")
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
# Waits until more than a seventh of the window's picture is lit: the
# loading screen is nearly all black; every menu, over its dim backdrop
# (about a quarter lit), and the console are not. Waiting for more would
# wait for the demo that starts after half a minute on MAIN MENU.
wait_for_picture() {
  local wid=$1
  for _ in $(seq 120); do
    if xwd -id "$wid" -silent 2>/dev/null | python3 "$here/xwd_pixel.py" --lit-fraction |
      python3 -c "import sys; sys.exit(0 if float(sys.stdin.read()) > 0.15 else 1)"; then
      return 0
    fi
    sleep 0.5
  done
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
# On a busy machine the first window found can be one the program has
# already replaced while setting up its renderer: keep the one that stays.
for _ in $(seq 20); do
  xwininfo -id "$startup" >/dev/null 2>&1 && break
  sleep 0.5
  startup=$(xdotool search --name '^RX-907 - Startup Menu$' | tail -1)
done
read -r sw sh < <(geometry "$startup")
[ "$sw $sh" = "480 360" ] || fail "start-up window is ${sw}x${sh}, expected 480x360"
# The start-up window stays a window: Alt+Enter does nothing there.
xdotool mousemove --window "$startup" 30 330
sleep 0.3
alt_enter
read -r sw sh < <(geometry "$startup")
[ "$sw $sh" = "480 360" ] || fail "after Alt+Enter the start-up window is ${sw}x${sh}, expected 480x360"

# Dragging the window by its background moves it by the pointer's travel,
# with no jump by the size of a window manager's frame.
read -r ox oy < <(origin "$startup")
xdotool mousemove --window "$startup" 30 330
sleep 0.3
xdotool mousedown 1
sleep 0.15
for _ in 1 2 3 4; do xdotool mousemove_relative -- 10 5; sleep 0.1; done
sleep 0.3
xdotool mouseup 1
sleep 0.5
read -r nx ny < <(origin "$startup")
if [ "$((nx - ox)) $((ny - oy))" = "40 20" ]; then
  note "dragging the start-up window by (40, 20) moved it by (40, 20)"
else
  fail "dragging the start-up window by (40, 20) moved it by ($((nx - ox)), $((ny - oy)))"
fi

# The buttons react where they are drawn (RUN GAME 85..394 x 109..164,
# CHANGE MODE below it from 168), and the highlight follows each jump of
# the pointer.
runbox=85,109,310,56
modebox=85,168,310,56
highlight() {  # which of RUN GAME and CHANGE MODE is lit
  local run mode
  run=$(green_in "$startup" "$runbox")
  mode=$(green_in "$startup" "$modebox")
  if [ "$run" -gt 40 ] && [ "$mode" -eq 0 ]; then echo run
  elif [ "$mode" -gt 40 ] && [ "$run" -eq 0 ]; then echo mode
  else echo "none ($run, $mode)"; fi
}
xdotool mousemove --window "$startup" 240 185
sleep 0.4
lit=$(highlight)
[ "$lit" = mode ] || fail "pointer on CHANGE MODE lights $lit"
# The lower half of RUN GAME, a few pixels above CHANGE MODE.
xdotool mousemove --window "$startup" 240 160
sleep 0.4
lit=$(highlight)
[ "$lit" = run ] || fail "pointer on the lower half of RUN GAME lights $lit"
keep_shot startup-run-lower-half

# RUN GAME with a click that has no time between press and release.
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
if [ "$wm" = fluxbox ]; then
  # fluxbox gives a window without an icon none of its own.
  # Read whole before matching: grep -q stopping early would end xprop with
  # SIGPIPE, which pipefail reports as no icon.
  iconprop=$(xprop -id "$gamewin" _NET_WM_ICON 2>/dev/null)
  if [[ "$iconprop" == "_NET_WM_ICON(CARDINAL)"* ]]; then
    note "the game window carries an icon"
  elif [ "${RX_E2E_ICON:-required}" = optional ]; then
    note "the game window has no icon (_NET_WM_ICON); not required in this run"
  else
    fail "the game window has no icon (_NET_WM_ICON)"
  fi
fi

start_first_game

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
# Whole stretches of the scaled picture against the game's own picture
# scaled by a reference bilinear: the top left corner (two edges) and the
# score, which stand still in play.
if [ -n "$shot" ]; then
  for box in 0,0,300,60 340,670,340,55; do
    read -r mean worst < <(xwd -id "$gamewin" -silent | python3 "$here/picture_match.py" "$shot" "$box")
    if python3 -c "import sys; sys.exit(0 if $mean < 3 and $worst < 16 else 1)"; then
      note "full screen: the picture over logical $box differs from a reference bilinear by $mean on average (at most $worst)"
    else
      fail "full screen: the picture over logical $box differs from a reference bilinear by $mean on average (at most $worst)"
    fi
  done
fi

# Play with shots, between two quicksaves.
xdotool mousemove --window "$gamewin" $((gw / 2)) $((gh / 2))
c1=$(quicksave_clock); t1=$(date +%s.%N)
end=$(( $(date +%s) + playseconds ))
while [ "$(date +%s)" -lt "$end" ]; do
  hold_click; sleep 0.9
  xdotool click 1; sleep 0.9
done
c2=$(quicksave_clock); t2=$(date +%s.%N)
fps=$(python3 -c "print('%.1f' % (($c2 - $c1) / ($t2 - $t1)))")
echo "$tag: play ran at $fps game frames per wall second (mission clock $c1 -> $c2 over $(python3 -c "print('%.1f' % ($t2 - $t1))") s)"
python3 -c "import sys; sys.exit(0 if $fps <= 62 else 1)" || fail "play runs at $fps game frames per second, above 62: frames are not paced"
[ -s saves/quick.nam ] || fail "no saves/quick.nam"
keep_shot play

# Another window takes the focus: play stops, and the last picture stays on
# screen, dimmed (to 45 %), rather than going black; it comes back whole
# with the focus.
xlogo -geometry 200x200+40+40 >/dev/null 2>&1 &
other=$!
otherwin=$(timeout 10 xdotool search --sync --name '^xlogo$' | head -1)
if [ -n "$otherwin" ]; then
  focus_window "$otherwin"
  sleep 1.5
  keep_shot unfocused
  check_hud_pixel "unfocused" "$gamewin" "$gw" "$gh" 0.45
  lit=$(xwd -id "$gamewin" -silent | python3 "$here/xwd_pixel.py" --lit-fraction)
  python3 -c "import sys; sys.exit(0 if $lit > 0.3 else 1)" ||
    fail "unfocused: only a share of $lit of the picture is lit (black?)"
  focus_window "$gamewin"
  sleep 1.5
  check_hud_pixel "focused again" "$gamewin" "$gw" "$gh"
else
  fail "xlogo did not open"
fi
kill "$other" 2>/dev/null
other=""
sleep 0.5
focus_window "$gamewin"
sleep 0.5

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
if [ "$deskw" -ge 1280 ] && [ "$deskh" -ge 1024 ]; then
  [ "$ww $wh" = "1024 768" ] || fail "after Alt+Enter the window is ${ww}x${wh}, expected 1024x768"
else
  # A desktop too small for the picture with the window's frame gets a
  # smaller window of the picture's shape.
  [ "$ww" -le "$deskw" ] && [ "$wh" -le "$deskh" ] && [ $((ww * 3 - wh * 4)) -le 8 ] && [ $((wh * 4 - ww * 3)) -le 8 ] ||
    fail "after Alt+Enter the window is ${ww}x${wh}, expected a 4:3 window inside the ${deskw}x${deskh} desktop"
fi
check_hud_pixel "window" "$gamewin" "$ww" "$wh"
alt_enter
read -r fw fh < <(geometry "$gamewin")
[ "$fw $fh" = "$deskw $deskh" ] || fail "after Alt+Enter twice the window is ${fw}x${fh}, expected ${deskw}x${deskh}"
check_hud_pixel "full screen again" "$gamewin" "$fw" "$fh"

# Five more round trips: the window comes back at the same size and place
# each time, inside the desktop, and full screen fills the desktop.
alt_enter
read -r w0 h0 < <(geometry "$gamewin")
read -r x0 y0 < <(origin "$gamewin")
keep_shot window
[ "$x0" -ge 0 ] && [ "$y0" -ge 0 ] && [ $((x0 + w0)) -le "$deskw" ] && [ $((y0 + h0)) -le "$deskh" ] ||
  fail "the ${w0}x${h0} window at ($x0, $y0) leaves the ${deskw}x${deskh} desktop"
alt_enter
for trip in 2 3 4 5; do
  alt_enter
  read -r wn hn < <(geometry "$gamewin")
  read -r xn yn < <(origin "$gamewin")
  [ "$wn $hn $xn $yn" = "$w0 $h0 $x0 $y0" ] ||
    fail "round trip $trip: the window is ${wn}x${hn} at ($xn, $yn), first ${w0}x${h0} at ($x0, $y0)"
  alt_enter
done
read -r fw fh < <(geometry "$gamewin")
[ "$fw $fh" = "$deskw $deskh" ] || fail "after five round trips full screen is ${fw}x${fh}"
note "after five round trips: window ${wn}x${hn} at ($xn, $yn), full screen ${fw}x${fh}"

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
keep_shot quit
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

finish_route
