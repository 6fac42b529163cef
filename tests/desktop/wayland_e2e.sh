#!/usr/bin/env bash
# Starts the program on a private headless Wayland compositor (weston), with
# no X display at all, and checks that it comes up natively, stays up with a
# label open, says nothing about the platform on stderr, and ends on SIGTERM.
# weston is stopped by its PID afterwards.
set -u
PROGRAM="$1"
LABEL="$2"
# shellcheck source=tests/desktop/e2e_env.sh
. "$(dirname "$0")/e2e_env.sh"

command -v weston >/dev/null 2>&1 || skip "weston is not installed (scripts/deps --test installs it)"
PLUGINS=$(qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null || qmake6 -query QT_INSTALL_PLUGINS 2>/dev/null)
ls "$PLUGINS"/platforms/libqwayland-*.so >/dev/null 2>&1 ||
  skip "Qt's Wayland platform plugin is not installed (qt6-wayland)"

e2e_start corkwl APP_PID W_PID

export XDG_RUNTIME_DIR="$T/run"
mkdir -m 0700 "$XDG_RUNTIME_DIR"
export XDG_CONFIG_HOME="$HOME/.config"
unset DISPLAY WAYLAND_SOCKET
SOCKET="wayland-cork-$$"

weston --backend=headless-backend.so --socket="$SOCKET" --idle-time=0 --no-config >"$T/weston.log" 2>&1 &
W_PID=$!
wait_for "$W_PID" test -S "$XDG_RUNTIME_DIR/$SOCKET" || skip "weston did not start: $(tail -n 3 "$T/weston.log" | tr '\n' ' ')"

cp "$LABEL" "$T/label.ckm"
QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY="$SOCKET" "$PROGRAM" --new-instance "$T/label.ckm" \
  >"$T/out.log" 2>"$T/err.log" &
APP_PID=$!
# Up for a few seconds: a platform that cannot start ends the program at once.
for _ in $(seq 40); do
  kill -0 "$APP_PID" 2>/dev/null || { wait "$APP_PID"; fail "the program ended with $? on Wayland: $(cat "$T/err.log")"; }
  sleep 0.1
done
kill -TERM "$APP_PID"
wait "$APP_PID"
rc=$?
APP_PID=
# 128 + SIGTERM: ended by the signal, not by a crash of its own.
[ "$rc" -eq 143 ] || fail "the program ended with $rc instead of on SIGTERM: $(cat "$T/err.log")"
# Qt's platform complaints ("Could not connect", "does not support", qt.qpa.*)
# must not reach the user; the folder notes of QStandardPaths are harmless.
if grep -v '^QStandardPaths:' "$T/err.log" | grep -Eiq 'could not|does not support|qt\.qpa|failed'; then
  fail "platform errors on stderr: $(cat "$T/err.log")"
fi
echo "started on Wayland and ended on SIGTERM; stderr: $(wc -l <"$T/err.log") line(s)"
exit 0
