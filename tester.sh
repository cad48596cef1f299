#!/usr/bin/env bash
# Builds Glyphane (installing what it needs) and runs every test.
set -euo pipefail
racine=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
"$racine/scripts/preparer.sh"
ctest --test-dir "$racine/build" --output-on-failure -j2
