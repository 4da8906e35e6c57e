# A private Firebird server on loopback: its own root, security database, lock dir and port.
# Sourced by test.sh: start_fbserver <dir> <port>, stop_fbserver <dir>.

FB_LIB=/usr/lib/x86_64-linux-gnu/firebird/3.0

start_fbserver() {
  local dir="$1" port="$2"
  mkdir -p "$dir/lock" "$dir/db"
  for item in plugins intl lib UDF firebird.msg plugins.conf; do
    ln -sfn "$FB_LIB/$item" "$dir/$item"
  done
  cat > "$dir/firebird.conf" <<CONF
RemoteServicePort = $port
RemoteBindAddress = 127.0.0.1
SecurityDatabase = $dir/security3.fdb
CONF
  cp /var/lib/firebird/3.0/system/security3.fdb "$dir/security3.fdb"
  FBSERVER_PASSWORD="quenara$$"
  echo "ALTER USER SYSDBA PASSWORD '$FBSERVER_PASSWORD';" |
    FIREBIRD="$dir" FIREBIRD_LOCK="$dir/lock" isql-fb -q -user SYSDBA "$dir/security3.fdb" >/dev/null
  FIREBIRD="$dir" FIREBIRD_LOCK="$dir/lock" /usr/sbin/firebird >"$dir/server.log" 2>&1 &
  echo $! > "$dir/server.pid"
  for _ in $(seq 1 100); do
    if (exec 3<>/dev/tcp/127.0.0.1/"$port") 2>/dev/null; then
      return 0
    fi
    sleep 0.1
  done
  echo "the Firebird server did not start; its log:" >&2
  cat "$dir/server.log" >&2
  return 1
}

stop_fbserver() {
  local dir="$1"
  if [ -f "$dir/server.pid" ]; then
    local pid
    pid="$(cat "$dir/server.pid")"
    kill "$pid" 2>/dev/null || true
    for _ in $(seq 1 50); do
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.1
    done
    kill -9 "$pid" 2>/dev/null || true
  fi
  rm -rf "$dir"
}
