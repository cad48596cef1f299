#!/usr/bin/env bash
# Median of each dictionary start-up case over fresh processes.
# usage: bench/dictionnaire.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-11}
bench="$build/bin/bench_dictionnaire"
GLYPHANE_BENCH_DOSSIER=$(mktemp -d)
export GLYPHANE_BENCH_DOSSIER
trap 'rm -rf "$GLYPHANE_BENCH_DOSSIER"' EXIT
"$build/bin/glyphane-cli" dico --dir "$GLYPHANE_BENCH_DOSSIER" > /dev/null
for cas in ConstruireTrie PremierDemarrage DemarrageFichiersPresents; do
  for _ in $(seq "$runs"); do
    "$bench" --benchmark_filter="^$cas/" --benchmark_format=csv 2>/dev/null | tail -n 1 | cut -d, -f3
  done | sort -n | awk -v cas="$cas" '{ t[NR] = $1 } END {
      m = (NR % 2) ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2;
      printf "%-26s median %6.1f ms over %d runs (min %.1f, max %.1f)\n", cas, m, NR, t[1], t[NR] }'
done
"$bench" --benchmark_filter="^ConstruireTrie/" 2>/dev/null | grep -o 'noeuds=.*' || true
