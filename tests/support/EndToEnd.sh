# Sourced by the whole-program tests: their verdicts in CTest's terms, the tools they need,
# and a work folder that is cleared away however the test ends.
skip() { echo "SKIPPED: $*"; exit 77; }
fail() { echo "FAILED: $*"; exit 1; }

# require_tools TOOL...: skips the test when any of them is not installed.
require_tools() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null 2>&1 || skip "$tool is not installed"
  done
}

# use_work_folder NAME...: makes the folder $work. When the script ends it stops the
# processes whose ids the named variables hold (in the order named; an array stops every
# member; an empty value nothing), calls after_processes_stopped if the script defines it,
# then removes the folder.
use_work_folder() {
  work=$(mktemp -d)
  stopped_on_exit=("$@")
  trap end_of_test EXIT
}

end_of_test() {
  local name pid
  for name in "${stopped_on_exit[@]}"; do
    local -n ids=$name
    for pid in "${ids[@]}"; do
      [[ -n "$pid" ]] && kill "$pid" 2>/dev/null
    done
    unset -n ids
  done
  wait 2>/dev/null
  if declare -F after_processes_stopped >/dev/null; then
    after_processes_stopped
  fi
  rm -rf "$work"
}

# wait_for_clipboard PREVIOUS: waits up to 10 s until the script's own `clipboard` function
# reads something other than PREVIOUS (both as od prints them) and prints it; gives up
# early when the program in $app_pid, if any, has ended.
wait_for_clipboard() {
  local text
  for _ in $(seq 100); do
    [[ -n "${app_pid:-}" ]] && ! kill -0 "$app_pid" 2>/dev/null && return 1
    text=$(clipboard | od -An -c | tr -s ' ')
    [[ -n "$text" && "$text" != "$1" ]] && { echo "$text"; return 0; }
    sleep 0.1
  done
  return 1
}

# wait_for_exit PID: true once the process has ended, false if it still runs after 5 s.
wait_for_exit() {
  for _ in $(seq 50); do
    kill -0 "$1" 2>/dev/null || return 0
    sleep 0.1
  done
  ! kill -0 "$1" 2>/dev/null
}

# check_copied_lines COUNT: fails unless the script's `clipboard` function reads COUNT
# insults as Linux text: LF between them, no CR anywhere, and the last one ending in "."
# with no line break after it.
check_copied_lines() {
  local shown breaks
  shown=$(clipboard | od -An -c | tr -s ' ')
  breaks=$(clipboard | tr -cd '\n' | wc -c)
  [[ "$breaks" -eq $(($1 - 1)) ]] || fail "expected $1 lines on the clipboard, found: $shown"
  clipboard | grep -q $'\r' && fail "the clipboard text holds a carriage return: $shown"
  [[ "$(clipboard | tail -c 1)" == "." ]] || fail "the clipboard text does not end in '.': $shown"
}
