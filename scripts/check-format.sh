#!/usr/bin/env bash
# Lists the project's C++ sources that .clang-format would change and exits 1 when there
# are any (0 when all are formatted). Build folders are not looked at.
# Usage: scripts/check-format.sh [source folder]
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"
if ! command -v clang-format >/dev/null; then
    echo "clang-format is not installed (scripts/install-deps.sh installs it)" >&2
    exit 2
fi
mapfile -d '' sources < <(find . \( -path './build*' -o -path ./.git \) -prune -o \
    -type f \( -name '*.cpp' -o -name '*.h' \) -print0)
unformatted=$(clang-format --dry-run "${sources[@]}" 2>&1 |
    sed -n 's/^\(.*\):[0-9]*:[0-9]*: warning: code should be clang-formatted.*/\1/p' |
    sed 's|^\./||' | sort -u)
if [ -n "$unformatted" ]; then
    echo "Not formatted with .clang-format (clang-format -i FILE formats one):"
    echo "$unformatted"
    exit 1
fi
