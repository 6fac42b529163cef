# shellcheck shell=bash
# Sourced by the desktop end-to-end scripts: the skip/fail convention, a private
# temporary folder with its own HOME, and the helpers they start stopped by PID.
# Exit 77 tells ctest the test was skipped, with the reason on stdout.
skip() { echo "SKIPPED: $*"; exit 77; }
fail() { echo "FAILED: $*"; exit 1; }

# e2e_start NAME VAR...: makes $T and $HOME; on exit the processes whose PIDs the
# named variables hold then are stopped, in that order, and $T is removed.
e2e_start() {
  T=$(mktemp -d "/tmp/$1.XXXXXX")
  shift
  E2E_PID_VARS="$*"
  HOME="$T/home"; mkdir -p "$HOME"; export HOME
  trap e2e_cleanup EXIT
}

e2e_cleanup() {
  local var pid
  for var in $E2E_PID_VARS; do
    pid=${!var:-}
    [ -n "$pid" ] || continue
    kill "$pid" 2>/dev/null
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$pid" 2>/dev/null
  done
  rm -rf "$T"
}

# wait_for PID COMMAND...: up to 30 s for COMMAND to succeed while PID still runs.
wait_for() {
  local pid=$1
  shift
  for _ in $(seq 300); do
    "$@" && return 0
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  "$@"
}
