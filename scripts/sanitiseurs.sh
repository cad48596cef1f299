#!/usr/bin/env bash
# Builds Glyphane and its tests with clang under a sanitizer, the standard
# library's checks on, and runs them.
#   asan: AddressSanitizer + UndefinedBehaviorSanitizer, the whole program with
#         its window (run without a display), into build-asan/;
#   tsan: ThreadSanitizer, the plain C++ libraries only (the toolkit's own
#         threads are not instrumented and would only give false reports), into
#         build-tsan/.
# usage: scripts/sanitiseurs.sh asan|tsan
set -euo pipefail
racine=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
paquets=(clang libclang-rt-14-dev cmake make libgtest-dev libgmock-dev)
case "${1:-}" in
  asan)
    sanitiseurs='address;undefined'
    fenetre=ON
    paquets+=(pkg-config qt6-base-dev qt6-multimedia-dev libgl-dev fonts-dejavu-core qt6-translations-l10n)
    ;;
  tsan) sanitiseurs='thread'; fenetre=OFF ;;
  *) echo "usage: $0 asan|tsan" >&2; exit 2 ;;
esac
"$racine/scripts/installer_paquets.sh" "${paquets[@]}"
dossier="$racine/build-$1"
cmake -S "$racine" -B "$dossier" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_C_COMPILER=clang -DGLYPHANE_UI="$fenetre" -DGLYPHANE_SANITIZE="$sanitiseurs" > /dev/null
cmake --build "$dossier" -j2
# The leak check at exit walks each thread's dynamic TLS; the sound plugins,
# loaded and unloaded by the toolkit, leave a stale record of theirs that
# makes the checker itself crash (about every other run of the tools' window
# test). Our own thread-local data is static TLS, which is still scanned.
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:intercept_tls_get_addr=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1
ctest --test-dir "$dossier" --output-on-failure -j2 -LE sans-sanitiseur
