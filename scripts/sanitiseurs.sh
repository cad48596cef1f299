#!/usr/bin/env bash
# Builds the plain C++ libraries and their tests with a sanitizer and runs them.
# usage: scripts/sanitiseurs.sh asan|tsan
set -euo pipefail
racine=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
case "${1:-}" in
  asan) sanitiseurs='address;undefined' ;;
  tsan) sanitiseurs='thread' ;;
  *) echo "usage: $0 asan|tsan" >&2; exit 2 ;;
esac
"$racine/scripts/installer_paquets.sh" clang libclang-rt-14-dev cmake make libgtest-dev libgmock-dev
dossier="$racine/build-$1"
cmake -S "$racine" -B "$dossier" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_C_COMPILER=clang -DGLYPHANE_UI=OFF -DGLYPHANE_SANITIZE="$sanitiseurs" > /dev/null
cmake --build "$dossier" -j2
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1
ctest --test-dir "$dossier" --output-on-failure -j2 -LE sans-sanitiseur
