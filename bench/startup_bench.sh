#!/usr/bin/env bash
# Start-up to the shown window and peak resident memory: Velmora against a
# bare Qt window with the same widgets, measured alternately in one run.
# Usage: bench/startup_bench.sh [build-dir] [runs]
set -euo pipefail
build=${1:-build}
runs=${2:-20}
cmake --build "$build" --target startup_app startup_bare >/dev/null
export QT_QPA_PLATFORM=offscreen

# Prints "<seconds> <max-rss-kB>" for one run of the program.
measure() {
  local start=$EPOCHREALTIME rss
  rss=$(/usr/bin/time -f '%M' "$1" 2>&1 >/dev/null | tail -n 1)
  awk -v s="$start" -v e="$EPOCHREALTIME" -v m="$rss" 'BEGIN {printf "%.4f %s\n", e - s, m}'
}

median() { sort -g | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

app_t=(); app_m=(); bare_t=(); bare_m=()
for ((i = 0; i < runs; i++)); do
  read -r t m < <(measure "$build/bench/startup_app"); app_t+=("$t"); app_m+=("$m")
  read -r t m < <(measure "$build/bench/startup_bare"); bare_t+=("$t"); bare_m+=("$m")
done
at=$(printf '%s\n' "${app_t[@]}" | median); bt=$(printf '%s\n' "${bare_t[@]}" | median)
am=$(printf '%s\n' "${app_m[@]}" | median); bm=$(printf '%s\n' "${bare_m[@]}" | median)
echo "start-up  velmora ${at}s  bare ${bt}s  ratio $(awk -v a="$at" -v b="$bt" 'BEGIN {printf "%.2f", a / b}')  (target <= 1.3)"
echo "memory    velmora ${am}kB  bare ${bm}kB  ratio $(awk -v a="$am" -v b="$bm" 'BEGIN {printf "%.2f", a / b}')  (target <= 1.5)"
