#!/usr/bin/env bash
# Installs the packages, builds the client and the stand-in back end in release mode, starts the
# stand-in back end on a free loopback port, writes zunta_conf.ini beside the client pointing at
# it and starts the client. The back end stops when the client ends.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DZUNTA_TESTS=OFF >/dev/null
cmake --build build/release --target zunta fake-backend

client=build/release/app/zunta
portfile=$(mktemp)
build/release/fake-backend/fake-backend --port-file "$portfile" \
    --config-folder "$(dirname "$client")" >/dev/null &
backend=$!
trap 'kill "$backend" 2>/dev/null || true; wait "$backend" 2>/dev/null || true; rm -f "$portfile"' EXIT

for _ in $(seq 100); do
    [ -s "$portfile" ] && break
    kill -0 "$backend" 2>/dev/null || { echo "the stand-in back end did not start" >&2; exit 1; }
    sleep 0.1
done
[ -s "$portfile" ] || { echo "the stand-in back end did not answer" >&2; exit 1; }
echo "Stand-in back end on http://127.0.0.1:$(cat "$portfile") (log in as demo / demo1234)"
env -u ZUNTA_HOME "$client" "$@"
