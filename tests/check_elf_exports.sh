#!/usr/bin/env bash
# The module's dynamic symbol table holds the exports, under their exact
# names, and nothing else that the library defines.
set -euo pipefail
module=$1
expected=$2
actual=$(nm -D --defined-only "$module" | awk '{print $3}' | grep -v -E '^(_init|_fini|_edata|_end|__bss_start)$' | LC_ALL=C sort)
want=$(LC_ALL=C sort "$expected")
if [ "$actual" != "$want" ]; then
  echo "exported symbols differ from $expected:"
  diff <(echo "$want") <(echo "$actual") || true
  exit 1
fi
echo "$(echo "$actual" | wc -l) exports, as expected"
