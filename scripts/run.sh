#!/usr/bin/env bash
# Installs what is missing, builds, and starts the application in its working folder,
# with the fake lease platform on this machine standing in for the authority's: its
# addresses are written into the working folder's settings.ini for the session.
# LETHORA_UNTIDY makes the fake platform as untidy as the real one, e.g.
# LETHORA_UNTIDY=spaced,reordered,frames,slow=1500 (see fake-platform-server's --untidy).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
work="$PWD/build/work"

# Two owners with generated registers; the second signs in through an authorised user.
build/tools/fake-platform-server/fake-platform-server \
    --owner 094014201,40,7,owner,owner123,logistis,logistis123 \
    --owner 123456783,25,11,papadopoulos,pap2025 \
    ${LETHORA_UNTIDY:+--untidy "$LETHORA_UNTIDY"} \
    --configure "$work" > build/fake-platform.log 2>&1 &
server=$!
trap 'kill "$server" 2>/dev/null || true' EXIT
for _ in $(seq 1 50); do
    grep -q "http://127.0.0.1" build/fake-platform.log 2>/dev/null && break
    sleep 0.1
done

cd "$work"
./lethora
