#!/usr/bin/env bash
# Runs make_data into a fresh folder and compares every file it writes with the committed one.
# Usage: check_make_data.sh <make_data binary>   (from the repository root)
set -euo pipefail

tool=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/data" "$scratch/resources"
"$tool" "$scratch/data" "$scratch/resources" >/dev/null

for expected in data/mask.bmp data/player_off.jpg data/player_on.jpg data/duskvale.jpg \
    data/greets.jpg resources/icon_129_pixels.inc; do
  [[ -f $scratch/$expected ]] || { echo "make_data did not write $expected"; exit 1; }
done

stale=0
while IFS= read -r made; do
  name=${made#"$scratch"/}
  if ! cmp -s "$made" "$name"; then
    echo "$name differs from what tools/make_data draws now"
    stale=1
  fi
done < <(find "$scratch" -type f | sort)

if ((stale)); then
  echo "re-run the tool from the repository root: make_data data resources"
  exit 1
fi
