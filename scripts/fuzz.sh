#!/usr/bin/env bash
# Builds the saved-game loader's fuzz target with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) into build-fuzz/ and runs it from the seed corpus
# fuzz/corpus for a bounded time. A crash, a leak, undefined behaviour or a hang
# fails, leaving the input that caused it in build-fuzz/.
# usage: scripts/fuzz.sh [SECONDS]   (60 by default)
set -euo pipefail
racine=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
duree=${1:-60}
"$racine/scripts/installer_paquets.sh" clang libclang-rt-14-dev cmake make libgtest-dev libgmock-dev
dossier="$racine/build-fuzz"
cmake -S "$racine" -B "$dossier" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_C_COMPILER=clang -DGLYPHANE_UI=OFF -DGLYPHANE_BENCH=OFF \
  -DGLYPHANE_FUZZ=ON -DGLYPHANE_SANITIZE='address;undefined;fuzzer-no-link' > /dev/null
cmake --build "$dossier" --target chargement_fuzz -j2
# What the run discovers goes to a scratch folder: the committed corpus stays as
# reviewed.
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
"$dossier/bin/chargement_fuzz" -max_total_time="$duree" -timeout=10 -rss_limit_mb=2048 \
  -artifact_prefix="$dossier/" "$travail" "$racine/fuzz/corpus"
