#!/usr/bin/env bash
# Prints a label sheet through a real CUPS spooler with a cups-pdf queue and
# checks the PDF it produces. Starts a private cupsd of its own (socket, spool
# and logs in a temporary folder) and stops it by its PID afterwards.
# Exit 77 tells ctest the test was skipped, with the reason on stdout.
set -u
TEST_BIN="$1"
skip() { echo "SKIPPED: $*"; exit 77; }

for tool in cupsd lpadmin; do
  command -v "$tool" >/dev/null 2>&1 || [ -x "/usr/sbin/$tool" ] || skip "$tool is not installed (scripts/test installs cups)"
done
[ -x /usr/lib/cups/backend/cups-pdf ] || skip "the cups-pdf backend is not installed (printer-driver-cups-pdf)"
PPD=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
[ -f "$PPD" ] || skip "the cups-pdf PPD is missing"
[ "$(id -u)" -eq 0 ] || skip "a private cupsd with the cups-pdf backend needs root"

T=$(mktemp -d /tmp/corkcups.XXXXXX)
chmod 755 "$T"
mkdir -p "$T/etc/ppd" "$T/spool/tmp" "$T/cache" "$T/state/certs" "$T/log" "$T/out"
chmod 1777 "$T/out"
INSTANCE="corktest$$"
CONF=/etc/cups/cups-pdf-$INSTANCE.conf
cleanup() {
  if [ -n "${CUPSD_PID:-}" ]; then
    kill "$CUPSD_PID" 2>/dev/null
    for _ in $(seq 50); do kill -0 "$CUPSD_PID" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$CUPSD_PID" 2>/dev/null
  fi
  rm -f "$CONF"
  rm -rf "$T"
}
trap cleanup EXIT

cat > "$T/etc/cupsd.conf" <<CONF
Listen $T/cups.sock
LogLevel warn
WebInterface No
Browsing Off
MaxJobs 20
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
cat > "$T/etc/cups-files.conf" <<CONF
ServerRoot $T/etc
RequestRoot $T/spool
TempDir $T/spool/tmp
CacheDir $T/cache
StateDir $T/state
AccessLog $T/log/access_log
ErrorLog $T/log/error_log
PageLog $T/log/page_log
ServerBin /usr/lib/cups
DataDir /usr/share/cups
User lp
Group lp
SystemGroup root
CONF
# A cups-pdf instance of its own, writing into the temporary folder.
cat > "$CONF" <<CONF
Out $T/out
AnonDirName $T/out
Label 0
Grp root
CONF

/usr/sbin/cupsd -f -c "$T/etc/cupsd.conf" -s "$T/etc/cups-files.conf" >"$T/log/cupsd.out" 2>&1 &
CUPSD_PID=$!
for _ in $(seq 100); do [ -S "$T/cups.sock" ] && break; kill -0 "$CUPSD_PID" 2>/dev/null || break; sleep 0.1; done
if [ ! -S "$T/cups.sock" ]; then
  reason=$(tail -n 3 "$T/log/cupsd.out" "$T/log/error_log" 2>/dev/null | tr '\n' ' ')
  skip "cupsd could not be started: $reason"
fi
export CUPS_SERVER="$T/cups.sock"
# A queue like a real printer's: A4 with 10 pt all round that it cannot print on.
MARGIN_PPD="$T/etc/margins.ppd"
sed -e 's|^\*ImageableArea A4/A4: .*|*ImageableArea A4/A4: "10 10 585 832"|' "$PPD" >"$MARGIN_PPD"
grep -q 'ImageableArea A4/A4: "10 10 585 832"' "$MARGIN_PPD" || skip "the cups-pdf PPD has no A4 page to give margins"
if ! /usr/sbin/lpadmin -p CorkPDFMargins -E -v "cups-pdf:/$INSTANCE" -P "$MARGIN_PPD" >"$T/log/lpadmin.out" 2>&1; then
  skip "the cups-pdf queue with margins could not be created: $(cat "$T/log/lpadmin.out")"
fi

export CORK_CUPS_MARGIN_PRINTER=CorkPDFMargins CORK_CUPS_OUT="$T/out"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
"$TEST_BIN"
rc=$?
if [ $rc -ne 0 ]; then
  echo "--- cups error log"; tail -n 30 "$T/log/error_log" 2>/dev/null
fi
exit $rc
