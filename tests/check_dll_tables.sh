#!/usr/bin/env bash
# The DLL's export table holds exactly the expected names, undecorated, with
# ordinals 1..N in the order of the list; it imports only from KERNEL32 and
# the C runtime, so the one file is all a user copies.
set -euo pipefail
objdump=$1
dll=$2
expected=$3
dump=$("$objdump" -p "$dll")

base=$(echo "$dump" | awk '/^Ordinal Base/ {print $3}')
[ "$base" = 1 ] || { echo "ordinal base is '$base', not 1"; exit 1; }

# "[ n] Name" lines of the name table: n is the ordinal less the base.
actual=$(echo "$dump" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' |
  sed -n 's/^[[:space:]]*\[ *\([0-9]*\)\] \(.*\)$/\1 \2/p' | awk '{print $1 + 1, $2}')
want=$(awk '{print NR, $1}' "$expected")
if [ "$actual" != "$want" ]; then
  echo "export table of $dll differs from $expected (ordinal name):"
  diff <(echo "$want") <(echo "$actual") || true
  exit 1
fi

imports=$(echo "$dump" | awk '/DLL Name:/ {print $3}' | LC_ALL=C sort)
if [ "$imports" != "$(printf 'KERNEL32.dll\nmsvcrt.dll')" ]; then
  echo "$dll imports from:"; echo "$imports"
  exit 1
fi
echo "$(echo "$actual" | wc -l) exports with ordinals 1..N; imports: $(echo $imports)"
