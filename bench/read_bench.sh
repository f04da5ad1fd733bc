#!/usr/bin/env bash
# Shows that reading is linear in the line length: -test on one 10 MB line,
# one 100 MB line, and 100 MB of ordinary lines, with time and peak memory.
set -euo pipefail
source "$(dirname "$0")/common.sh"
python3 - "$out" <<'PY'
import sys
d = sys.argv[1]
for name, size in (("line10", 10 * 2**20), ("line100", 100 * 2**20)):
    with open(f"{d}/{name}.txt", "wb") as f:
        f.write(b"w  " + b"t" * (size - 4) + b"\n")
line = b"word  a translation of ordinary length, with some words\r\n"
with open(f"{d}/lines100.txt", "wb") as f:
    f.write(line * (100 * 2**20 // len(line)))
PY
for name in line10 line100 lines100; do
  cat "$out/$name.txt" > /dev/null
  measure "-test $name" "$vocarn" -test "$out/$name.txt"
done
