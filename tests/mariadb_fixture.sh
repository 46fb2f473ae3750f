#!/usr/bin/env bash
# Starts (or stops, or restarts) a throw-away MariaDB server on loopback for
# the test run: its own data directory and port, root without a password,
# nothing shared with any server the machine may have.
set -euo pipefail
cmd=$1
dir=$2

launch() {
  local port=$1
  mariadbd --no-defaults --datadir="$dir/data" --socket="$dir/sock" --port="$port" \
    --bind-address=127.0.0.1 --user=root --skip-name-resolve --innodb-buffer-pool-size=64M \
    --innodb-flush-log-at-trx-commit=2 --log-error="$dir/error.log" --pid-file="$dir/pid" </dev/null >/dev/null 2>&1 &
  for _ in $(seq 1 120); do
    if mariadb --no-defaults -uroot --socket="$dir/sock" -e 'select 1' >/dev/null 2>&1; then
      echo "$port" >"$dir/port"
      echo "MariaDB ready on 127.0.0.1:$port"
      return 0
    fi
    sleep 0.5
  done
  echo "MariaDB did not start; see $dir/error.log" >&2
  cat "$dir/error.log" >&2 || true
  return 1
}

stop_server() {
  if [ -f "$dir/pid" ]; then
    kill "$(cat "$dir/pid")" 2>/dev/null || true
    for _ in $(seq 1 60); do kill -0 "$(cat "$dir/pid")" 2>/dev/null || break; sleep 0.5; done
  fi
}

case "$cmd" in
  start)
    if [ -f "$dir/pid" ] && kill -0 "$(cat "$dir/pid")" 2>/dev/null; then
      echo "MariaDB already running from $dir"; exit 0
    fi
    rm -rf "$dir"; mkdir -p "$dir"
    mariadb-install-db --no-defaults --datadir="$dir/data" --user=root \
      --auth-root-authentication-method=normal >"$dir/install.log" 2>&1
    port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1]); s.close()')
    launch "$port"
    ;;
  restart)
    # The same data and port: what a program connected to it sees as a restart.
    stop_server
    launch "$(cat "$dir/port")"
    ;;
  stop)
    stop_server
    rm -rf "$dir/data"
    ;;
esac
