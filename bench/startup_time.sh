#!/usr/bin/env bash
# Start-up time to the first frame, median of five runs, on a virtual display when there is
# no real one. Usage: bench/startup_time.sh [build-dir]   (configured with -DQV_BUILD_BENCH=ON)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-bench}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DQV_BUILD_BENCH=ON >/dev/null
cmake --build "$build" -j "$(nproc)" --target qv_startup_time >/dev/null

if [[ -z ${DISPLAY:-} ]]; then
  number=90
  while [[ -e /tmp/.X11-unix/X$number || -e /tmp/.X$number-lock ]]; do number=$((number + 1)); done
  Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  trap 'kill "$xvfb" 2>/dev/null || true' EXIT
  for _ in $(seq 100); do [[ -e /tmp/.X11-unix/X$number ]] && break; sleep 0.05; done
  export DISPLAY=":$number"
fi

results=()
for run in 1 2 3 4 5; do
  line=$("$build/bench/qv_startup_time")
  echo "run $run: $line"
  results+=("$line")
done
printf '%s\n' "${results[@]}" | awk '{print $3, $9}' | sort -n |
  awk '{f[NR] = $1; d[NR] = $2} END {print "median of five: first frame " f[3] " ms, of which decoding pictures " d[3] " ms"}'
