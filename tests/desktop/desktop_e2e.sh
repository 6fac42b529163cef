#!/usr/bin/env bash
# Runs the desktop test binary on a private X server (Xvfb) with a real window
# manager (openbox), so window frames, title bars and window titles are the
# window manager's own. Both are stopped by their PIDs afterwards.
set -u
TEST_BIN="$1"; shift
# shellcheck source=tests/desktop/e2e_env.sh
. "$(dirname "$0")/e2e_env.sh"

command -v Xvfb >/dev/null 2>&1 || skip "Xvfb is not installed (scripts/test installs xvfb)"
command -v openbox >/dev/null 2>&1 || skip "openbox is not installed (scripts/test installs it)"
command -v xprop >/dev/null 2>&1 || skip "xprop is not installed (x11-utils)"

e2e_start corkdesk WM_PID X_PID

# -displayfd lets the server pick a free display number and tell it to us.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp 3>"$T/display" 2>"$T/xvfb.log" &
X_PID=$!
wait_for "$X_PID" test -s "$T/display" || skip "Xvfb did not start: $(tail -n 3 "$T/xvfb.log" | tr '\n' ' ')"
export DISPLAY=":$(head -n 1 "$T/display")"

openbox --sm-disable >"$T/wm.log" 2>&1 &
WM_PID=$!
# The window manager is up once it names its check window on the root.
wm_up() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
wait_for "$WM_PID" wm_up || skip "openbox did not start: $(tail -n 3 "$T/wm.log" | tr '\n' ' ')"

export QT_QPA_PLATFORM=xcb
"$TEST_BIN" "$@"
