#!/usr/bin/env bash
# Runs make_music into a fresh folder and compares both modules with the committed ones.
# Usage: check_make_music.sh <make_music binary>   (from the repository root)
set -euo pipefail

tool=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"$tool" "$scratch" >/dev/null

stale=0
for name in tov_amber_drift.it tov_cobalt_orbit.it; do
  if [[ ! -f $scratch/$name ]]; then
    echo "make_music did not write $name"
    stale=1
  elif ! cmp -s "$scratch/$name" "data/$name"; then
    echo "data/$name differs from what tools/make_music composes now"
    stale=1
  fi
done

if ((stale)); then
  echo "re-run make_music data (from the repository root)"
  exit 1
fi
