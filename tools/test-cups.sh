#!/usr/bin/env bash
# A private CUPS scheduler on a Unix socket (no TCP port) with the test printers, so that the
# Windows tests see real queues through Wine's spooler.
#
#   tools/test-cups.sh start DIR [--empty]   start cupsd with its state in DIR (made afresh) and
#                                            add the test queues (none with --empty); prints
#                                            the socket to export as CUPS_SERVER
#   tools/test-cups.sh add DIR QUEUE PPD     add one more queue
#   tools/test-cups.sh stop DIR              stop that cupsd and remove DIR
#
# Wine reads the queues when a process starts and drops them all if cupsd is down then, so
# start cupsd before the Windows tests and stop it after the last.
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD
printers="$top/tests/printers"

command=${1:-} dir=${2:-}
[ -n "$command" ] && [ -n "$dir" ] || { sed -n '5,10p' "$0" >&2; exit 2; }
export CUPS_SERVER="$dir/cups.sock"

# lpadmin warns on every PPD that drivers are deprecated: keep its words for a failure only.
add_queue() {
  local said
  said=$(LC_ALL=C /usr/sbin/lpadmin -p "$1" -E -v file:///dev/null -P "$2" 2>&1) ||
    { echo "test-cups: cannot add $1: $said" >&2; exit 1; }
}

# The queues the Windows tests expect, sorted by name as the spooler returns them.
add_test_queues() {
  add_queue Drawlot-Japanese "$printers/japanese_sizes.ppd"
  add_queue Drawlot-Mixed "$printers/a_b_sizes.ppd"
  add_queue Drawlot-Seventy "$printers/seventy_sizes.ppd"
  add_queue Drawlot-SixtyThree "$printers/sixty_three_sizes.ppd"
  add_queue Foxit-PDF "$printers/a_b_sizes.ppd"
}

start() {
  [ -x /usr/sbin/cupsd ] || { echo "test-cups: cupsd is not installed" >&2; exit 1; }
  rm -rf "$dir"
  mkdir -p "$dir"/etc/ppd "$dir"/spool/tmp "$dir"/cache "$dir"/state/certs "$dir"/log
  chown root:lp "$dir"/spool "$dir"/spool/tmp "$dir"/cache "$dir"/state/certs
  chmod 710 "$dir"/spool
  chmod 1770 "$dir"/spool/tmp
  cat >"$dir"/etc/cups-files.conf <<CONF
SystemGroup root
FileDevice Yes
ServerRoot $dir/etc
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
CONF
  sed -e '/^Listen /d' -e '/^Port /d' -e 's/^Browsing .*/Browsing No/' \
      -e 's/^WebInterface .*/WebInterface No/' /usr/share/cups/cupsd.conf.default >"$dir"/etc/cupsd.conf
  echo "Listen $CUPS_SERVER" >>"$dir"/etc/cupsd.conf
  setsid /usr/sbin/cupsd -f -c "$dir"/etc/cupsd.conf -s "$dir"/etc/cups-files.conf \
    </dev/null >"$dir"/log/cupsd.out 2>&1 &
  echo $! >"$dir"/cupsd.pid
  local i
  for i in $(seq 100); do
    LC_ALL=C lpstat -r 2>/dev/null | grep -qx 'scheduler is running' && break
    sleep 0.1
  done
  LC_ALL=C lpstat -r 2>/dev/null | grep -qx 'scheduler is running' ||
    { echo "test-cups: cupsd did not start" >&2; cat "$dir"/log/*; exit 1; }
  [ "${3:-}" = "--empty" ] || add_test_queues
  echo "$CUPS_SERVER"
}

stop() {
  [ -f "$dir/cupsd.pid" ] || return 0
  local pid
  pid=$(cat "$dir/cupsd.pid")
  kill "$pid" 2>/dev/null || true
  for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  rm -rf "$dir"
}

case $command in
  start) start "$@" ;;
  add) add_queue "$3" "$4" ;;
  stop) stop ;;
  *) sed -n '5,10p' "$0" >&2; exit 2 ;;
esac
