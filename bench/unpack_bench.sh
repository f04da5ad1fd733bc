#!/usr/bin/env bash
# Times unpack of a packed source next to gzip -dc of the gzip-compressed
# source, with peak memory.
# usage: bench/unpack_bench.sh SOURCE [pack options...]
set -euo pipefail
source "$(dirname "$0")/common.sh"
src=$1
shift
"$vocarn" "$@" "$src" "$out/d.kx" > /dev/null
gzip -9 -c "$src" > "$out/d.gz"
"$vocarn" "$out/d.kx" | grep -E '^(words_size|max_tbi_size) '

measure "gzip -dc" sh -c "gzip -dc '$out/d.gz' > '$out/gz.txt'"
gzip_s=$LAST_SECONDS
measure "unpack" "$vocarn" -u "$out/d.kx" "$out/d.txt"
printf 'unpack: %.2f x gzip -dc\n' "$(calc "$LAST_SECONDS / $gzip_s")"
