#!/usr/bin/env bash
# 32-bit x86: the library's own arithmetic runs in SSE2 doubles. x87 only
# carries doubles across calls (the ABI returns them in st0; fld/fstp of a
# double is exact) and takes their absolute value; it must not compute.
set -euo pipefail
objdump=$1
shift
hits=$("$objdump" -d "$@" | grep -E '\sf(add|sub|mul|div|sqrt|prem|scale|sin|cos|patan|yl2x|2xm1|rndint)[a-z]*\s' || true)
if [ -n "$hits" ]; then
  echo "x87 arithmetic in the library's objects:"
  echo "$hits" | head -20
  exit 1
fi
echo "no x87 arithmetic in $# objects"
