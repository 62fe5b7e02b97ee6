#!/usr/bin/env bash
# Instructions per frame of the lit frame, the heaviest frame and the SQUAD
# menu frame, and of the present of one frame to a 1920 x 1080 window
# (smooth), counted by callgrind (independent of machine speed and load).
#
#   bench/instructions/count.sh [BUILD_DIR] [FRAMES]
set -euo pipefail
build=${1:-build}
frames=${2:-20}
program=$build/bench/frame_instructions
[ -x "$program" ] || { echo "count.sh: build $program first (make build)" >&2; exit 1; }
command -v valgrind >/dev/null || { echo "count.sh: valgrind is not installed" >&2; exit 1; }
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
for scene in lit heaviest squad present; do
  SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy valgrind --tool=callgrind --instr-atstart=no \
    --callgrind-out-file="$out/$scene.out" "$program" "$scene" "$frames" 2>"$out/$scene.log"
  total=$(awk '/Collected :/ {print $4}' "$out/$scene.log")
  printf '%-10s %8.1f M instructions per frame\n' "$scene" "$(echo "$total / $frames / 1000000" | bc -l)"
done
