#!/usr/bin/env bash
# Installs what is missing, builds, and runs every benchmark; each prints its figures.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
for bench in build/bench/*_bench; do
    [ -x "$bench" ] || continue
    echo "== $(basename "$bench")"
    QT_QPA_PLATFORM=offscreen "$bench"
done
