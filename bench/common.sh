# Shared by the benchmark scripts (sourced): the binary, a scratch folder
# removed at exit, and `measure NAME COMMAND...`, which runs the command once
# and prints its wall time (to the millisecond) and peak resident memory.
vocarn=${VOCARN:-$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/../build/vocarn}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

# Floating-point arithmetic without bc: calc "1 / 3".
calc() { awk "BEGIN { print $1 }"; }

measure() {
  local name=$1
  shift
  local start end out
  start=$(date +%s.%N)
  out=$( { /usr/bin/time -f "%M" "$@" > /dev/null; } 2>&1 | tail -n 1)
  end=$(date +%s.%N)
  LAST_SECONDS=$(calc "$end - $start")
  printf '%-28s %8.3f s  %8.1f MB peak\n' "$name" "$LAST_SECONDS" "$(calc "$out / 1024")"
}
