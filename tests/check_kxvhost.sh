#!/usr/bin/env bash
# The command-line host: what it prints and the exit status it gives.
set -uo pipefail
host=$1
fail=0
expect() {  # expect STATUS PATTERN ARGS...: status and a line of the output
  local status=$1 pattern=$2
  shift 2
  local out rc
  out=$("$host" "$@" 2>&1)
  rc=$?
  if [ "$rc" != "$status" ] || ! grep -qF -- "$pattern" <<<"$out"; then
    echo "kxvhost $*: exit $rc (want $status), output:"; echo "$out"; echo "(wanted a line with: $pattern)"
    fail=1
  fi
}
expect 0 'DLPNames: "LibrKXVpart_g,LibrKXVpart_h,LibrKXVpart_s,LibrKXVpart_v,LiBrKXVflash"'
expect 0 'mu_w       = -207.6428305 J/g' LiBrKXVuw 50 0.5 10
expect 0 'h_sat      = 107.2994606 J/g' LiBrKXVh 50 0.5
expect 0 'q          = 0.02834995031' LiBrKXVflash 200 5 0.5
expect 1 'text       = "Warning: LiBrKXVuw: Input out of bounds: 0 < Tc < 300°C"' LiBrKXVuw 301 0.5 10
expect 1 'mode word  = 1' LibrKXVpart_g 1 2
expect 1 'mode word  = 2' --outputs 3 LibrKXVpart_g 50 0.5 10
expect 0 'text       = "mu_w = LiBrKXVuw(Tc,X, P)"' --mode -1 LiBrKXVuw
expect 0 '-3: "J/g-K,J/g-K,J/g-K,J/g-K"' --query LibrKXVpart_s
expect 0 'DLFNames: "LiBrKXVCond,' --names
expect 0 'N          = nan' LiBrKXVActCoef nan 0.5 inf
expect 2 "unknown export: 'LiBrKXVnone'" LiBrKXVnone 1 2
expect 2 "not a number: 'abc'" LiBrKXVuw abc 0.5 10
expect 2 "unknown option: '--frobnicate'" --frobnicate
expect 0 'COP = Q_evap / Q_gen = 0.74168' chiller
expect 0 'COP = Q_evap / Q_gen = 0.75426' --module "$(dirname "$host")/KXVLiBr.so" chiller --generator 90
expect 2 "unknown chiller option: '--ambient'" chiller --ambient 30
expect 1 'kxvhost chiller: the weak solution does not boil in the generator' chiller --generator 60
[ $fail = 0 ] && echo "kxvhost behaves"
exit $fail
