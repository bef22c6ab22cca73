#!/usr/bin/env bash
# The register tools at an office's largest sizes, as processes: register-generate of
# 50,000 and of 200,000 declarations, and register-export of the 50,000 in the full
# layout with every column ticked. Each is timed with /usr/bin/time -v; prints the
# elapsed time and the peak memory (maximum resident set) of each. Prints figures only.
#
#   bench/register_tools_bench.sh [BUILD_FOLDER]
#
# REGISTER_GENERATE and REGISTER_EXPORT, when set, name other builds of the two tools
# (to compare with an earlier build).
set -euo pipefail
build="${1:-$(dirname "$0")/../build}"
build="$(cd "$build" && pwd)"
generate="${REGISTER_GENERATE:-$build/tools/register-generate/register-generate}"
export_tool="${REGISTER_EXPORT:-$build/tools/register-export}"
folder="$(mktemp -d /tmp/lethora-bench-tools-XXXXXX)"
trap 'rm -rf "$folder"' EXIT
cp -r "$build/work/ClrTbls" "$build/work/ClrData" "$folder/"
mkdir -p "$folder/Data"
export QT_QPA_PLATFORM=offscreen
# Each register goes into a folder of its own, so that no run empties another's tables.
large=123456783
afm=094014201

# measure LABEL COMMAND...: runs the command once and prints its time and peak memory.
measure() {
    local label="$1"
    shift
    /usr/bin/time -v "$@" >/dev/null 2>"$folder/time.txt" || {
        echo "$label: failed"
        cat "$folder/time.txt"
        return 0
    }
    local elapsed peak
    elapsed="$(sed -n 's/.*Elapsed (wall clock) time (h:mm:ss or m:ss): //p' "$folder/time.txt")"
    peak="$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$folder/time.txt")"
    printf '%s: %s elapsed, peak memory %d MB\n' "$label" "$elapsed" "$((peak / 1024))"
}

measure "register-generate 50,000 declarations" "$generate" "$folder" "$afm" 50000 1
measure "register-generate 200,000 declarations" "$generate" "$folder" "$large" 200000 1
measure "register-export of 50,000 declarations, full layout, every column" \
    "$export_tool" "$folder" "$afm" "$folder/register.xlsx" register --layout 0 \
    --mast 111111111 --mistotes 111 --trops 11111111 --akinita 11111111111111
