#!/usr/bin/env bash
# The move generator's time on mid-game positions of six seeded two-seat games:
# median, 95th percentile and largest time of one generation, in milliseconds,
# and the median number of moves a position has.
# usage: bench/generateur.sh [BUILD_DIR]
set -euo pipefail
build=${1:-build}
echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//'), load $(cut -d' ' -f1-3 /proc/loadavg)"
"$build/bin/bench_generateur" --benchmark_counters_tabular=true 2>/dev/null
