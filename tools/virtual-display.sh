# Sourced by the checks of the program in a real window (tools/check-window.sh,
# tools/check-accessible.sh) once `check` names the check and `work` is its
# private folder, `program` the program and `pid` empty: how a check fails
# and waits, a virtual X server of its own (its process in `server`, DISPLAY
# exported), a home of its own, and the program started and stopped.

# On failure, says also what the program printed.
fail() {
  echo "$check: $*" >&2
  if [ -s "$work/program.log" ]; then
    echo "$check: the program printed:" >&2
    sed 's/^/  /' "$work/program.log" >&2
  fi
  exit 1
}

# until_true SECONDS COMMAND...: runs COMMAND until it succeeds; false when
# it has not within SECONDS.
until_true() {
  deadline=$(($(date +%s) + $1))
  shift
  until "$@"; do
    [ "$(date +%s)" -lt "$deadline" ] || return 1
    sleep 0.1
  done
}

display_ready() { [ -s "$work/display" ]; }
# Without -noreset the server starts afresh whenever its last client leaves,
# as between two starts of the program here, and a start that connects
# during that reset finds no display.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/server.log" &
server=$!
until_true 60 display_ready || fail "the virtual X server did not start: $(tail -n 5 "$work/server.log")"
export DISPLAY=":$(cat "$work/display")"
export HOME="$work/home" XDG_RUNTIME_DIR="$work" XDG_CONFIG_HOME="$work/config"
mkdir -p "$HOME" "$XDG_CONFIG_HOME"

# start [PREFIX...]: starts the program in the background (after a prefix
# such as `env NAME=VALUE`), its output kept.
start() {
  "$@" "$program" >"$work/program.log" 2>&1 &
  pid=$!
}

# stop [CONTEXT]: ends the program, which must end cleanly.
stop() {
  kill "$pid"
  status=0
  wait "$pid" || status=$?
  pid=""
  [ "$status" -eq 0 ] || fail "the program did not end cleanly (status $status)${1:+ ($1)}"
}

# True once the program's window is mapped; fails the check when the
# program ends first.
window_shown() {
  window=$(xdotool search --onlyvisible --name '^Stellarion$' 2>/dev/null | head -1) || true
  [ -n "$window" ] && return 0
  if ! kill -0 "$pid" 2>/dev/null; then
    status=0
    wait "$pid" || status=$?
    pid=""
    fail "the program ended with status $status before its window appeared ($shown_for)"
  fi
  return 1
}

wait_for_window() {
  shown_for=$1
  until_true 60 window_shown || fail "no window appeared within a minute ($1)"
}
