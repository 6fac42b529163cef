#!/usr/bin/env bash
# Runs the desktop test binary on a private X server (Xvfb) with a real window
# manager (openbox), so window frames, title bars and window titles are the
# window manager's own. Both are stopped by their PIDs afterwards.
# Exit 77 tells ctest the test was skipped, with the reason on stdout.
set -u
TEST_BIN="$1"; shift
skip() { echo "SKIPPED: $*"; exit 77; }

command -v Xvfb >/dev/null 2>&1 || skip "Xvfb is not installed (scripts/test installs xvfb)"
command -v openbox >/dev/null 2>&1 || skip "openbox is not installed (scripts/test installs it)"
command -v xprop >/dev/null 2>&1 || skip "xprop is not installed (x11-utils)"

T=$(mktemp -d /tmp/corkdesk.XXXXXX)
cleanup() {
  for pid in ${WM_PID:-} ${X_PID:-}; do
    kill "$pid" 2>/dev/null
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$pid" 2>/dev/null
  done
  rm -rf "$T"
}
trap cleanup EXIT

# -displayfd lets the server pick a free display number and tell it to us.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp 3>"$T/display" 2>"$T/xvfb.log" &
X_PID=$!
for _ in $(seq 300); do [ -s "$T/display" ] && break; kill -0 "$X_PID" 2>/dev/null || break; sleep 0.1; done
[ -s "$T/display" ] || skip "Xvfb did not start: $(tail -n 3 "$T/xvfb.log" | tr '\n' ' ')"
export DISPLAY=":$(head -n 1 "$T/display")"

HOME="$T/home"; mkdir -p "$HOME"; export HOME
openbox --sm-disable >"$T/wm.log" 2>&1 &
WM_PID=$!
# The window manager is up once it owns the screen's WM_S0 selection.
for _ in $(seq 300); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  kill -0 "$WM_PID" 2>/dev/null || break
  sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' ||
  skip "openbox did not start: $(tail -n 3 "$T/wm.log" | tr '\n' ' ')"

unset QT_QPA_PLATFORM
export QT_QPA_PLATFORM=xcb
"$TEST_BIN" "$@"
