#!/usr/bin/env bash
# A private CUPS server for the end-to-end tests, in a folder of its own.
#   cups-server.sh start DIR   starts cupsd as root on a loopback port and DIR/cups.sock, with
#                              the queues the tests use, and waits until it answers
#   cups-server.sh stop DIR    stops it by its process id
# Queues: qor-raw (raw, bytes captured in DIR/capture/qor-raw), qor-ppd (a PPD with Letter,
# A4, Legal and A5, Letter by default; captured in DIR/capture/qor-ppd), qor-reject (rejects
# jobs) and qor-full (its backend fails every write). qor-raw is the default destination.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
command=${1:?start or stop}
dir=${2:?folder}

stop() {
  [ -f "$dir/cupsd.pid" ] || return 0
  local pid
  pid=$(cat "$dir/cupsd.pid")
  kill -TERM "$pid" 2>/dev/null || true
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
  kill -KILL "$pid" 2>/dev/null || true
  rm -f "$dir/cupsd.pid"
}

free_port() {
  python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])' 2>/dev/null ||
    echo $((20000 + RANDOM % 20000))
}

start() {
  stop
  rm -rf "$dir"
  mkdir -p "$dir"/{spool/tmp,cache,state,log,bin/backend,capture/qor-raw,capture/qor-ppd,capture/qor-reject}
  dir=$(cd "$dir" && pwd)
  local port
  port=$(free_port)

  # ServerBin: the system's filters and helpers, and our capture backend (mode 0700 runs as root).
  for entry in /usr/lib/cups/*; do
    [ "$(basename "$entry")" = backend ] || ln -s "$entry" "$dir/bin/$(basename "$entry")"
  done
  install -m 0700 "$here/capture-backend" "$dir/bin/backend/capture"

  printf 'application/octet-stream\n' >"$dir/raw.types"
  printf 'application/octet-stream\tapplication/vnd.cups-raw\t0\t-\n' >"$dir/raw.convs"
  cat >"$dir/cups-files.conf" <<CONF
ServerRoot $dir
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
ServerBin $dir/bin
DataDir /usr/share/cups
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
Printcap $dir/printcap
FileDevice Yes
CONF
  cat >"$dir/cupsd.conf" <<CONF
LogLevel warn
Listen 127.0.0.1:$port
Listen $dir/cups.sock
Browsing No
WebInterface No
DefaultAuthType None
MaxJobs 0
PreserveJobHistory Yes
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
  /usr/sbin/cupsd -f -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" >"$dir/log/cupsd.out" 2>&1 &
  echo $! >"$dir/cupsd.pid"
  echo "$port" >"$dir/port"

  export CUPS_SERVER="$dir/cups.sock"
  for _ in $(seq 200); do
    lpstat -r 2>/dev/null | grep -q "scheduler is running" && break
    sleep 0.05
  done
  lpstat -r | grep -q "scheduler is running" || { cat "$dir/log/"* >&2; exit 1; }

  lpadmin -p qor-raw -E -v "capture:$dir/capture/qor-raw" 2>/dev/null
  lpadmin -p qor-ppd -E -v "capture:$dir/capture/qor-ppd" -P "$here/qor-test.ppd" 2>/dev/null
  lpadmin -p qor-reject -E -v "capture:$dir/capture/qor-reject" 2>/dev/null
  cupsreject qor-reject
  lpadmin -p qor-full -E -v "capture:/dev/full" -o printer-error-policy=abort-job 2>/dev/null
  lpadmin -d qor-raw
}

case $command in
  start) start ;;
  stop) stop ;;
  *) echo "usage: $0 start|stop DIR" >&2; exit 2 ;;
esac
