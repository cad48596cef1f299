#!/usr/bin/env bash
# Installs what the build needs when it is missing, then configures and builds:
# into build/ (RelWithDebInfo) by default, the one ./jouer.sh and ./tester.sh
# share; `scripts/preparer.sh Release` builds the fully optimised program into
# build-release/.
set -euo pipefail
racine=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
type=${1:-RelWithDebInfo}
case "$type" in
  RelWithDebInfo) dossier="$racine/build" ;;
  Release) dossier="$racine/build-release" ;;
  *) echo "usage: $0 [RelWithDebInfo|Release]" >&2; exit 2 ;;
esac

"$racine/scripts/installer_paquets.sh" g++ make cmake pkg-config qt6-base-dev qt6-multimedia-dev \
  libgl-dev libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core qt6-translations-l10n \
  desktop-file-utils appstream man-db

cmake -S "$racine" -B "$dossier" -DCMAKE_BUILD_TYPE="$type" -DGLYPHANE_UI=ON > /dev/null
cmake --build "$dossier" -j2
