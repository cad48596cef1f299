#!/usr/bin/env bash
# Builds Glyphane (installing what it needs) and starts it.
set -euo pipefail
racine=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
"$racine/scripts/preparer.sh"
exec "$racine/build/bin/glyphane" "$@"
