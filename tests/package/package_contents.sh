#!/usr/bin/env bash
# The package as CPack builds it from this build: control fields and file list.
#   package_contents.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build="$1"
source="$2"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >/dev/null
"$source/scripts/check-package.sh" "$out"/lethora_*_amd64.deb
