# Shared by the benchmark scripts: `measure NAME COMMAND...` runs the command
# once and prints its wall time and peak resident memory.
measure() {
  local name=$1
  shift
  local out
  out=$( { /usr/bin/time -f "%e %M" "$@" > /dev/null; } 2>&1 | tail -n 1)
  local seconds=${out% *} kb=${out#* }
  printf '%-28s %8.2f s  %8.1f MB peak\n' "$name" "$seconds" "$(echo "$kb / 1024" | bc -l)"
  LAST_SECONDS=$seconds
}
