#!/usr/bin/env bash
# Installs, builds and runs every test: embedded Firebird, plus a Firebird server that this
# script starts on 127.0.0.1 for the multi-workstation tests.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/packages.sh"
"$root/scripts/build.sh"

server_root="$(mktemp -d /tmp/quenara-fbserver.XXXXXX)"
source "$root/scripts/fbserver.sh"
start_fbserver "$server_root" 3051
trap 'stop_fbserver "$server_root"' EXIT

export QN_TEST_SERVER="127.0.0.1/3051"
export QN_TEST_SERVER_PASSWORD="$FBSERVER_PASSWORD"
export QN_TEST_SERVER_DIR="$server_root/db"
cd "$root/build"
ctest --output-on-failure -j "$(nproc)" --timeout 600
