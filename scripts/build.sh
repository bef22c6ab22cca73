#!/usr/bin/env bash
# Configures and builds everything in build/ (incrementally), optimised and without
# debugging information, which keeps a clean build on two cores short.
set -euo pipefail
cd "$(dirname "$0")/.."
# ccache, when installed, lets another checkout of the same sources reuse the objects.
launcher=()
if command -v ccache >/dev/null; then
    export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(dirname "$PWD")}"
    launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
# LETHORA_WERROR=ON (as CI sets it) makes every compiler warning an error.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
    -DCMAKE_C_FLAGS_RELEASE="-O2 -DNDEBUG" -DLETHORA_WERROR="${LETHORA_WERROR:-OFF}" \
    "${launcher[@]}" >/dev/null
cmake --build build
