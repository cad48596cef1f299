#!/usr/bin/env bash
# The cost of keeping the game in progress after a turn, over the ends of four
# seeded two-seat games: median, 95th percentile and largest time that the turn
# pays (tour_ms) and that the writing thread then takes to put
# "partie en cours.Glb" on the disk (ecr_ms), in milliseconds, and the median
# size of the file. The folder is made under $TMPDIR (default /tmp): point it at
# the disk to measure.
# usage: bench/partie_en_cours.sh [BUILD_DIR]
set -euo pipefail
build=${1:-build}
echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//'), load $(cut -d' ' -f1-3 /proc/loadavg)"
echo "disk: $(df -T "${TMPDIR:-/tmp}" | awk 'NR == 2 { print $2 " on " $1 }')"
"$build/bin/bench_partie_en_cours" --benchmark_counters_tabular=true 2>/dev/null
