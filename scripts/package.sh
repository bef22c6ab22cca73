#!/usr/bin/env bash
# Installs what is missing, builds, and makes the Debian package
# build/lethora_<version>_amd64.deb with CPack. With --check the package is then
# unpacked into a throw-away root, its menu entry validated and its --version run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
rm -f build/lethora_*.deb
(cd build && cpack -G DEB >/dev/null)
deb="$(ls build/lethora_*_amd64.deb)"
echo "$deb"
if [ "${1:-}" = "--check" ]; then
    scripts/check-package.sh "$deb" --install
fi
