#!/usr/bin/env bash
# The server's figures beside SQLite's: starts a private PostgreSQL server (a temporary
# folder, a Unix socket there, no TCP port; as the "postgres" system user when run as
# root), runs the workspace and two-workstation benchmarks on it, and times store-migrate
# on a generated register of 10,000 declarations. Prints figures only.
#
#   bench/server_bench.sh [BUILD_FOLDER]
set -euo pipefail
build="${1:-$(dirname "$0")/../build}"
build="$(cd "$build" && pwd)"
bin="$(ls -d /usr/lib/postgresql/*/bin | sort -V | tail -1)"
dir="$(mktemp -d /tmp/lethora-bench-pg-XXXXXX)"
as_server=()
if [ "$(id -u)" -eq 0 ]; then
    chown postgres: "$dir"
    as_server=(runuser -u postgres --)
fi
stop() {
    "${as_server[@]}" "$bin/pg_ctl" -D "$dir/data" -m immediate -w stop >/dev/null 2>&1 || true
    rm -rf "$dir"
}
trap stop EXIT
"${as_server[@]}" "$bin/initdb" -D "$dir/data" -U postgres -A trust -E UTF8 --locale=C.UTF-8 \
    --no-sync >/dev/null
"${as_server[@]}" "$bin/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w \
    -o "-c listen_addresses='' -c unix_socket_directories='$dir'" start >/dev/null
"${as_server[@]}" "$bin/createdb" -h "$dir" -U postgres workspace
"${as_server[@]}" "$bin/createdb" -h "$dir" -U postgres workstations
"${as_server[@]}" "$bin/createdb" -h "$dir" -U postgres office
export QT_QPA_PLATFORM=offscreen

echo "== workspace_bench, PostgreSQL"
LETHORA_BENCH_CONNECTION="host=$dir user=postgres dbname=workspace" "$build/bench/workspace/workspace_bench"
echo "== workstations_bench, PostgreSQL"
LETHORA_BENCH_CONNECTION="host=$dir user=postgres dbname=workstations" \
    "$build/bench/workstations/workstations_bench"

echo "== store-migrate of a register of 10,000 declarations"
folder="$(mktemp -d /tmp/lethora-bench-office-XXXXXX)"
cp -r "$build/work/ClrTbls" "$build/work/ClrData" "$folder/"
mkdir -p "$folder/Data"
"$build/tools/register-generate/register-generate" "$folder" 094014201 10000 7 --register-owner "Ιδιοκτήτης" | tail -1
start=$(date +%s%N)
"$build/tools/store-migrate" "$folder" --to "host=$dir user=postgres dbname=office" | tail -1
echo "store-migrate, whole run: $(( ($(date +%s%N) - start) / 1000000 )) ms"
rm -rf "$folder"
