#!/usr/bin/env bash
# Makes sure the CUPS queue T2L-PDF exists and writes PDF files (cups-pdf backend)
# into a fixed directory, so the print tests can find and measure what was printed.
# Safe to run again and again. Needs root (CI runs as root), as lpadmin and
# /etc/cups/cups-pdf.conf do. The last output line is the directory of the PDFs.
# Usage: scripts/cups-pdf-queue.sh
set -euo pipefail

QUEUE=T2L-PDF
OUT_DIR=/var/spool/cups-pdf/t2l
CONF=/etc/cups/cups-pdf.conf
WAIT_SECONDS=20

fail() { echo "cups-pdf-queue: $*" >&2; exit 1; }

for tool in cupsd lpstat lpadmin cupsenable cupsaccept; do
  command -v "$tool" >/dev/null 2>&1 ||
    fail "'$tool' not found; install the test packages first: scripts/bootstrap.sh test"
done
[ -x /usr/lib/cups/backend/cups-pdf ] ||
  fail "cups-pdf backend missing (/usr/lib/cups/backend/cups-pdf); run: scripts/bootstrap.sh test"
[ -f "$CONF" ] || fail "$CONF missing; run: scripts/bootstrap.sh test"
ppd=""
for p in /usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd \
         /usr/share/ppd/cups-pdf/CUPS-PDF.ppd; do
  [ -f "$p" ] && { ppd="$p"; break; }
done
[ -n "$ppd" ] || fail "no cups-pdf PPD under /usr/share/ppd/cups-pdf; run: scripts/bootstrap.sh test"
[ "$(id -u)" -eq 0 ] || fail "must run as root (lpadmin, $CONF); e.g. sudo $0"

# Test programs running side by side may each call this; one at a time.
exec 9>/run/lock/t2l-cups-pdf-queue.lock 2>/dev/null || exec 9>/tmp/t2l-cups-pdf-queue.lock ||
  fail "cannot open a lock file"
flock -w "$WAIT_SECONDS" 9 || fail "another run of $0 holds the lock for more than ${WAIT_SECONDS}s"

# cups-pdf has one configuration for all its queues: AppArmor lets the backend read
# only this file, so a per-queue file would not work on a desktop install.
# Label 2: every file gets "-job_N" appended, so an earlier run's file is never
# overwritten and a job finds its own file. TitlePref 1: the file name comes from
# the job title, not from whatever the PostScript says. Cut -1: keep dots in titles.
conf_changed=0
set_key() {
  local key=$1 value=$2
  grep -qxF "$key $value" "$CONF" && return 0
  [ -f "$CONF.t2l-orig" ] || cp -p "$CONF" "$CONF.t2l-orig"
  if grep -qE "^#?$key([[:space:]]|$)" "$CONF"; then
    sed -i -E "0,/^#?$key([[:space:]]|\$).*/s||$key $value|" "$CONF"
    # Drop later active duplicates; the first line is the one now set.
    awk -v k="$key" -v v="$key $value" '$0==v{if(seen++)next} $1==k && $0!=v{next} {print}' \
      "$CONF" >"$CONF.tmp" && cat "$CONF.tmp" >"$CONF" && rm -f "$CONF.tmp"
  else
    echo "$key $value" >>"$CONF"
  fi
  conf_changed=1
}
set_key Out "$OUT_DIR"
set_key AnonDirName "$OUT_DIR"
set_key Label 2
set_key TitlePref 1
set_key Cut -1
[ $conf_changed -eq 1 ] && echo "cups-pdf-queue: set Out/AnonDirName/Label/TitlePref/Cut in $CONF (original kept as $CONF.t2l-orig)" >&2

# The backend writes as the job's user, or as 'nobody' for anonymous jobs; sticky
# and world-writable like /tmp, so either can create its file and none can remove another's.
mkdir -p "$OUT_DIR" || fail "cannot create $OUT_DIR"
chmod 1777 "$OUT_DIR" || fail "cannot make $OUT_DIR writable"

# No systemd in CI: start the scheduler directly when it does not answer.
if ! lpstat -r 2>/dev/null | grep -q "scheduler is running"; then
  cupsd || fail "cupsd failed to start (see /var/log/cups/error_log)"
  for ((i = 0; i < WAIT_SECONDS * 4; ++i)); do
    lpstat -r 2>/dev/null | grep -q "scheduler is running" && break
    sleep 0.25
  done
  lpstat -r 2>/dev/null | grep -q "scheduler is running" ||
    fail "CUPS scheduler did not answer within ${WAIT_SECONDS}s (see /var/log/cups/error_log)"
fi

# A4, no scaling: the page must carry the marks exactly where the program painted them.
# Left alone when already so (re-creating it would disturb a job another test is
# printing); a queue left with other settings is put right.
queue_ok() {
  local opts sizes
  opts=$(LC_ALL=C lpoptions -p "$QUEUE" 2>/dev/null) || return 1
  sizes=$(LC_ALL=C lpoptions -p "$QUEUE" -l 2>/dev/null) || return 1
  [[ " $opts " == *" device-uri=cups-pdf:/ "* && " $opts " == *" print-scaling=none "* &&
     " $opts " == *" fit-to-page=false "* && " $opts " == *"CUPS-PDF"* &&
     "$sizes" == *"PageSize"*"*A4 "* ]]
}
queue_ok || out=$(lpadmin -p "$QUEUE" -E -v cups-pdf:/ -P "$ppd" -D "Velmora-T2L test PDF" \
        -o PageSize=A4 -o print-scaling-default=none -o fit-to-page-default=false \
        -o printer-error-policy=abort-job -o printer-is-shared=false 2>&1) ||
  fail "lpadmin could not set up $QUEUE: $out"
cupsenable "$QUEUE" 2>/dev/null || fail "cupsenable $QUEUE failed"
cupsaccept "$QUEUE" 2>/dev/null || fail "cupsaccept $QUEUE failed"

state=$(LC_ALL=C lpstat -p "$QUEUE" 2>&1) || fail "queue $QUEUE not found after setup: $state"
case "$state" in *disabled*) fail "queue $QUEUE is disabled: $state" ;; esac
accepting=$(LC_ALL=C lpstat -a "$QUEUE" 2>&1) || fail "lpstat -a $QUEUE failed: $accepting"
case "$accepting" in *"not accepting"*) fail "queue $QUEUE does not accept jobs: $accepting" ;; esac
uri=$(LC_ALL=C lpstat -v "$QUEUE" 2>&1)
case "$uri" in *"cups-pdf:/"*) ;; *) fail "queue $QUEUE has an unexpected device: $uri" ;; esac

echo "$OUT_DIR"
