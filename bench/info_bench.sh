#!/usr/bin/env bash
# Times -info (whose checksum pass reads the whole file) on a .kx file of at
# least 100 MB, once the file is cached.
# usage: bench/info_bench.sh [FILE.kx]   (without one, a 120 MB file is built)
set -euo pipefail
source "$(dirname "$0")/common.sh"
kx=${1:-}
if [ -z "$kx" ]; then
  # Incompressible translations make a large file from a moderate source.
  python3 - "$out/src.txt" <<'PY'
import os, sys, base64
rng = os.urandom
with open(sys.argv[1], "wb") as f:
    for i in range(480000):
        f.write(b"w%07d  " % i + base64.b64encode(rng(220)) + b"\n")
PY
  "$vocarn" -ns "$out/src.txt" "$out/big.kx" > /dev/null
  kx=$out/big.kx
fi
bytes=$(stat -c %s "$kx")
cat "$kx" > /dev/null
measure "-info" "$vocarn" -info "$kx"
printf '%.1f MB in %.2f s: %.2f GB/s\n' "$(calc "$bytes / 1048576")" "$LAST_SECONDS" \
  "$(calc "$bytes / 1073741824 / $LAST_SECONDS")"
