#!/usr/bin/env bash
# Times pack (sorted and -ns) of one source next to gzip -9 of the same file,
# with MB/s of source and peak memory.
# usage: bench/pack_bench.sh SOURCE [pack options...]
set -euo pipefail
source "$(dirname "$0")/common.sh"
src=$1
shift
bytes=$(stat -c %s "$src")
printf 'source %s: %.1f MB\n' "$src" "$(calc "$bytes / 1048576")"
cat "$src" > /dev/null  # warm the cache

measure "gzip -9" sh -c "gzip -9 -c '$src' > /dev/null"
gzip_s=$LAST_SECONDS
measure "pack sorted" "$vocarn" "$@" "$src" "$out/sorted.kx"
sorted_s=$LAST_SECONDS
measure "pack -ns" "$vocarn" -ns "$@" "$src" "$out/unsorted.kx"
unsorted_s=$LAST_SECONDS
printf 'sorted: %.1f MB/s, %.2f x gzip -9; -ns: %.1f MB/s, %.2f x gzip -9\n' \
  "$(calc "$bytes / 1048576 / $sorted_s")" "$(calc "$sorted_s / $gzip_s")" \
  "$(calc "$bytes / 1048576 / $unsorted_s")" "$(calc "$unsorted_s / $gzip_s")"
printf 'packed size: %s bytes\n' "$(stat -c %s "$out/sorted.kx")"
