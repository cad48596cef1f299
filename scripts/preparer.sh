#!/usr/bin/env bash
# Installs what the build needs when it is missing, then configures and builds
# into build/. Shared by ./jouer.sh and ./tester.sh.
set -euo pipefail
racine=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

"$racine/scripts/installer_paquets.sh" g++ make cmake pkg-config qt6-base-dev qt6-multimedia-dev \
  libgl-dev libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core qt6-translations-l10n

cmake -S "$racine" -B "$racine/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGLYPHANE_UI=ON > /dev/null
cmake --build "$racine/build" -j2
