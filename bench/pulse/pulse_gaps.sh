#!/usr/bin/env bash
# The demo through a real sound server with both cores busy: a private
# PulseAudio with a null sink, a private Xvfb, two busy loops, and the
# game's demo (started with RUN GAME in the start-up window) recorded from
# the sink's monitor for SECONDS (120 by default). Counts the gaps of
# digital silence with hard edges: both channels exactly zero for 2 to
# 250 ms with sound on both sides (the 5 ms either side above -50 dBFS),
# which is a buffer the mixer did not deliver in time, not a quiet moment
# of the game. Exits 1 when there is any.
#   bench/pulse/pulse_gaps.sh BUILD_DIR [SECONDS]
set -uo pipefail
build=$(cd "${1:-build}" && pwd)
seconds=${2:-120}
for tool in pulseaudio parec Xvfb xdotool python3; do
  command -v "$tool" >/dev/null || { echo "pulse-gaps: $tool is not installed (scripts/install-deps installs it)" >&2; exit 1; }
done
work=$(mktemp -d /tmp/rx907-pulse-XXXXXX)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
export XDG_RUNTIME_DIR=$work HOME=$work PULSE_RUNTIME_PATH=$work/pulse
pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
  -L "module-null-sink sink_name=rx rate=44100" \
  -L "module-native-protocol-unix socket=$work/native auth-anonymous=1" >"$work/pulse.log" 2>&1 &
pids+=($!)
export PULSE_SERVER=unix:$work/native
for _ in $(seq 50); do [ -S "$work/native" ] && break; sleep 0.1; done
display=:$((200 + RANDOM % 500))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=$display
sleep 1
parec -d rx.monitor --format=s16le --rate=44100 --channels=2 --raw >"$work/rec.raw" &
pids+=($!)
# Both cores busy.
for _ in 1 2; do (while :; do :; done) & pids+=($!); done
mkdir -p "$work/run" && cd "$work/run"
unset PULSE_LATENCY_MSEC
SDL_AUDIODRIVER=pulseaudio "$build/rx907" --demo --windowed --renderer=software >"$work/game.log" 2>&1 &
game=$!
pids+=($game)
startup=$(timeout 30 xdotool search --sync --name '^RX-907 - Startup Menu$' | head -1)
[ -n "$startup" ] || { echo "pulse-gaps: FAIL: no start-up window" >&2; exit 1; }
sleep 1
xdotool mousemove --window "$startup" 240 135
sleep 0.4
xdotool click 1  # RUN GAME
sleep $((seconds + 10))
kill "$game" 2>/dev/null
sleep 0.5
python3 - "$work/rec.raw" "$seconds" <<'PY'
import array, sys
data = array.array('h')
with open(sys.argv[1], 'rb') as f:
    data.frombytes(f.read())
rate, frames = 44100, len(data) // 2
nz = [i for i in range(0, frames, 64) if data[2 * i] or data[2 * i + 1]]
if not nz:
    print("pulse-gaps: FAIL: nothing was heard"); sys.exit(1)
first, last = nz[0], min(nz[-1], nz[0] + int(float(sys.argv[2]) * rate))
def loud(a, b):  # mean square of both channels over frames a..b above -50 dBFS
    a, b = max(a, 0), min(b, frames)
    if b <= a:
        return False
    ms = sum(data[2 * i] ** 2 + data[2 * i + 1] ** 2 for i in range(a, b)) / (2 * (b - a))
    return ms > (32768 * 10 ** (-50 / 20)) ** 2
edge = int(0.005 * rate)
gaps, run, longest = 0, 0, 0
for i in range(first, last):
    if data[2 * i] == 0 and data[2 * i + 1] == 0:
        run += 1
    else:
        if rate * 0.002 <= run <= rate * 0.25 and loud(i - run - edge, i - run) and loud(i, i + edge):
            gaps += 1
            longest = max(longest, run)
        run = 0
print(f"pulse-gaps: {gaps} gaps of digital silence in {(last - first) / rate:.1f} s of demo"
      f" (longest {1000 * longest / rate:.1f} ms)")
sys.exit(1 if gaps else 0)
PY
