#!/usr/bin/env bash
# Installs what is missing, builds, and runs every benchmark; each prints its figures.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
for bench in $(find build/bench -type f -name '*_bench' -perm -u+x | sort); do
    echo "== $(basename "$bench")"
    QT_QPA_PLATFORM=offscreen "$bench"
done
echo "== the same on a PostgreSQL server"
bench/server_bench.sh build
