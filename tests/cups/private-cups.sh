#!/usr/bin/env bash
# A CUPS scheduler of the test run's own: a Unix socket in a private folder,
# a queue that keeps the PDF it is sent, nothing shared with a system
# scheduler. Started and stopped by ctest as a fixture:
#   private-cups.sh start DIR   (prints nothing; DIR/env holds the client settings)
#   private-cups.sh stop DIR    (stops the scheduler, removes DIR)
set -euo pipefail

command=${1:?start or stop}
dir=${2:?folder}
queue=yorozu_test_pdf

stop() {
  if [ -f "$dir/cupsd.pid" ]; then
    pid=$(cat "$dir/cupsd.pid")
    if kill -0 "$pid" 2>/dev/null; then
      kill -TERM "$pid" 2>/dev/null || true
      for _ in $(seq 1 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
      done
      kill -KILL "$pid" 2>/dev/null || true
    fi
  fi
  rm -rf "$dir"
}

case "$command" in
stop)
  stop
  exit 0
  ;;
start) ;;
*)
  echo "usage: $0 start|stop DIR" >&2
  exit 2
  ;;
esac

cupsd=$(command -v cupsd || echo /usr/sbin/cupsd)
ppd=/usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd
for need in "$cupsd" "$ppd"; do
  if [ ! -e "$need" ]; then
    echo "private-cups: $need is missing (scripts/install-deps.sh installs cups and cups-filters)" >&2
    exit 1
  fi
done

# A left-over of an interrupted run goes first.
stop
mkdir -p "$dir"/{etc/ppd,etc/ssl,spool/tmp,cache,state,log,out,xdg}
# Filters run as lp and must reach the spool and the output folder.
chmod 0755 "$dir" "$dir"/spool "$dir"/spool/tmp "$dir"/out
chmod 0777 "$dir"/out "$dir"/spool/tmp
chmod 0700 "$dir"/xdg
socket="$dir/cups.sock"
if [ ${#socket} -ge 100 ]; then
  echo "private-cups: socket path too long: $socket" >&2
  exit 1
fi

cat >"$dir/etc/cupsd.conf" <<CONF
Listen $socket
Browsing No
BrowseLocalProtocols none
WebInterface No
DefaultAuthType None
LogLevel warn
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
    Allow all
  </Limit>
</Policy>
CONF

cat >"$dir/etc/cups-files.conf" <<CONF
ServerRoot $dir/etc
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
Printcap $dir/state/printcap
User lp
Group lp
SystemGroup root
FileDevice Yes
CONF

"$cupsd" -f -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" >"$dir/log/cupsd.out" 2>&1 &
echo $! >"$dir/cupsd.pid"

export CUPS_SERVER="$socket" CUPS_SERVERROOT="$dir/etc"
for _ in $(seq 1 100); do
  if lpstat -r 2>/dev/null | grep -q "scheduler is running"; then
    break
  fi
  sleep 0.1
done
if ! lpstat -r 2>/dev/null | grep -q "scheduler is running"; then
  echo "private-cups: the scheduler did not start" >&2
  cat "$dir/log/cupsd.out" "$dir/log/error_log" >&2 2>/dev/null || true
  stop
  exit 1
fi
lpadmin -p "$queue" -v "file://$dir/out/job.pdf" -E -P "$ppd" -o PageSize=A4

cat >"$dir/env" <<ENV
CUPS_SERVER=$socket
CUPS_SERVERROOT=$dir/etc
XDG_RUNTIME_DIR=$dir/xdg
YOROZU_TEST_QUEUE=$queue
YOROZU_TEST_QUEUE_OUTPUT=$dir/out/job.pdf
ENV
