#!/usr/bin/env bash
# The computer player's costs over five seeded games of four seats and five of
# two, pauses off: one possibility update (median, 95th percentile, largest), one
# search (median, largest), one whole game (median, largest), and the word files
# a game makes (median). Times in milliseconds.
# usage: bench/ordinateur.sh [BUILD_DIR]
set -euo pipefail
build=${1:-build}
echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//'), load $(cut -d' ' -f1-3 /proc/loadavg)"
"$build/bin/bench_ordinateur" --benchmark_counters_tabular=true 2>/dev/null
