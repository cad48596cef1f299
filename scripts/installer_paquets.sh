#!/usr/bin/env bash
# Installs the Debian packages named on the command line that are missing
# (through sudo when not root).
set -euo pipefail
manquants=()
for p in "$@"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || manquants+=("$p")
done
[ ${#manquants[@]} -eq 0 ] && exit 0
echo "Installation de : ${manquants[*]}"
root=()
[ "$(id -u)" -eq 0 ] || root=(sudo)
"${root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${root[@]}" apt-get install -y -qq "${manquants[@]}"
