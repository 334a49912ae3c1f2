# Sourced by the whole-program tests: starts a private X server for the programs they run.
# start_xvfb WORK_DIR: on success DISPLAY names the server and xvfb_pid is its process;
# on failure it returns 1 and WORK_DIR/xvfb.log says why. The caller stops the server.
# The sanitizer options the X libraries need are set too.
start_xvfb() {
  local work=$1
  # Xvfb picks a free display itself and writes its number to the given descriptor.
  # -noreset: by default the server resets when its last client leaves and closes a
  # connection that arrives meanwhile, so a program starting just as a test's poll for its
  # window disconnected could not connect.
  exec 3>"$work/display"
  Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 50); do
    [[ -s "$work/display" ]] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  exec 3>&-
  [[ -s "$work/display" ]] || return 1
  export DISPLAY=":$(tr -d '\n' <"$work/display")"
  unset WAYLAND_DISPLAY
  export QT_QPA_PLATFORM=xcb
  # In the sanitizer build: the X keyboard library hands strndup strings that are not
  # NUL-terminated, which the strndup interceptor reports; that library is not ours.
  export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}intercept_strndup=0"
}

# For a failure message: whether the server still runs, and the last of its log.
xvfb_state() {
  local state="has ended"
  kill -0 "$xvfb_pid" 2>/dev/null && state="still runs"
  echo "the X server on $DISPLAY $state; its log: $(tail -n 3 "$work/xvfb.log")"
}
