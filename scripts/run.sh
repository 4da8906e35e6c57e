#!/usr/bin/env bash
# Installs, builds, makes a demo database and config.ini beside the program when they are
# missing, and starts the program on the embedded engine.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/packages.sh"
"$root/scripts/build.sh"
bin="$root/build/bin"
if [ ! -f "$bin/config.ini" ]; then
  [ -f "$bin/demo.fdb" ] || "$bin/quenara-db" create "$bin/demo.fdb" --demo
  printf '[CONFIG]\nHOSTNAME=\nDATABASE=%s\nUSER_NAME=SYSDBA\nPASSWORD=\n' "$bin/demo.fdb" > "$bin/config.ini"
fi
exec "$bin/Quenara" "$@"
