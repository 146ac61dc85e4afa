#!/usr/bin/env bash
# Captures both tracks whole (a press on track 1, then the playlist hands over to track 2)
# and checks in the trace the two cues whose effect is exact: from row 1 of track 1's order
# 14 to its end the picture moves exactly 2 pixels a paint along its sign (bounces aside),
# and from row 1 of track 2's order 0 to its end it stands still.
# Usage: check_cue_trace.sh <quorvendal-capture>   (run from the repository root)
set -euo pipefail
capture=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$capture" --seconds 490 --press 1@0.1 --trace "$work/trace" >/dev/null

awk '
  /^#/ { next }
  {
    mode = $2; order = $3; row = $4
    if (NF >= 13 && mode == prevMode) {
      x = $8; y = $9; sx = $12
      if (mode == 1 && order == 14 && row >= 1) {
        racing++
        if (sx == prevSx && x != prevX + 2 * prevSx) {
          printf "track 1 order 14 row %d at %d ms: x went from %.17g to %.17g\n", row, $1, prevX, x
          bad++
        }
      }
      if (mode == 2 && order == 0 && row >= 1) {
        still++
        if (x != prevX || y != prevY) {
          printf "track 2 order 0 row %d at %d ms: moved to %.17g, %.17g\n", row, $1, x, y
          bad++
        }
      }
    }
    prevMode = mode; prevX = $8; prevY = $9; prevSx = $12
  }
  END {
    # Order 14 and order 0 each last 64 rows of 120 ms: about 150 paints.
    if (racing < 140) { printf "only %d paints in track 1 order 14\n", racing; bad++ }
    if (still < 140) { printf "only %d paints in track 2 order 0\n", still; bad++ }
    if (bad) exit 1
    printf "%d paints raced by exactly 2 pixels, %d stood still\n", racing, still
  }' "$work/trace"
