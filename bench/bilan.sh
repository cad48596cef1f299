#!/usr/bin/env bash
# The review of six seeded two-seat games, each whole game reviewed five times:
# median and largest time of one review, in milliseconds (target: 300 ms at the
# median on a two-core machine), and the median number of turns of a game.
# usage: bench/bilan.sh [BUILD_DIR]
set -euo pipefail
build=${1:-build}
echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//'), load $(cut -d' ' -f1-3 /proc/loadavg)"
"$build/bin/bench_bilan" --benchmark_counters_tabular=true 2>/dev/null
