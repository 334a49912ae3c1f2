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
