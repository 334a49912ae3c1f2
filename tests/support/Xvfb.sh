# Sourced by the whole-program tests: starts a private X server for the programs they run.
# start_xvfb WORK_DIR: on success DISPLAY names the server and xvfb_pid is its process;
# on failure it returns 1 and WORK_DIR/xvfb.log says why. The caller stops the server.
# The sanitizer options the X libraries need are set too.
start_xvfb() {
  local work=$1
  # A server that named its display but does not answer there (on a busy machine, once, the
  # program could not connect to it) is replaced rather than handed to the test.
  for _ in 1 2 3; do
    start_one_xvfb "$work" && xvfb_answers "$work" && break
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
    xvfb_pid=
  done
  [[ -n "$xvfb_pid" ]] || return 1
  unset WAYLAND_DISPLAY
  export QT_QPA_PLATFORM=xcb
  # In the sanitizer build: the X keyboard library hands strndup strings that are not
  # NUL-terminated, which the strndup interceptor reports; that library is not ours.
  export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}intercept_strndup=0"
}

start_one_xvfb() {
  local work=$1
  # Xvfb picks a free display itself and writes its number to the given descriptor.
  : >"$work/display"
  exec 3>"$work/display"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >>"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 50); do
    [[ -s "$work/display" ]] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  exec 3>&-
  [[ -s "$work/display" ]] || return 1
  export DISPLAY=":$(tr -d '\n' <"$work/display")"
}

# xvfb_answers WORK_DIR: whether a client can connect to DISPLAY within 5 s.
xvfb_answers() {
  local work=$1
  command -v xdpyinfo >/dev/null || return 0
  for _ in $(seq 25); do
    timeout 5 xdpyinfo >/dev/null 2>&1 && return 0
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.2
  done
  echo "nothing answered on display $DISPLAY" >>"$work/xvfb.log"
  return 1
}

# For a failure message: whether the server still runs, and the last of its log.
xvfb_state() {
  local state="has ended"
  kill -0 "$xvfb_pid" 2>/dev/null && state="still runs"
  echo "the X server on $DISPLAY $state; its log: $(tail -n 3 "$work/xvfb.log")"
}
