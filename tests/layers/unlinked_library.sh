#!/usr/bin/env bash
# Fails, naming the program and the library, when one of the programs is linked against
# a shared library whose name contains the pattern (case ignored).
#   unlinked_library.sh PATTERN PROGRAM...
set -euo pipefail
pattern=${1:?usage: unlinked_library.sh PATTERN PROGRAM...}
shift
status=0
for program in "$@"; do
    libraries=$(ldd "$program") || { echo "$program: ldd failed" >&2; status=1; continue; }
    while read -r library _; do
        echo "$program links $library"
        status=1
    done < <(grep -i -- "$pattern" <<<"$libraries" || true)
done
exit "$status"
