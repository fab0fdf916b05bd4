#!/usr/bin/env bash
# quarvel-solve as installed programs are run: positions on standard input and as
# arguments, errors on standard error, exit statuses.
set -u
solve=$1
fail=0
check() {  # name expected actual
  if [ "$2" != "$3" ]; then printf '%s: expected\n%s\ngot\n%s\n' "$1" "$2" "$3"; fail=1; fi
}

out=$(printf '0\n1 2 3 4 5 6 7 8 9 10 11 12 13 14 0 15\n1,2,3,4,5,6,7,8,9,10,11,12,0,13,14,15\n' | "$solve")
check "stdin" $'0:\n1: 15\n3: 13 14 15' "$out"

out=$("$solve" --length 5252855902758 2>/dev/null); status=$?
check "length status" 0 "$status"
[[ "$out" =~ ^[0-9]+$ ]] || { echo "length: not a number: $out"; fail=1; }

err=$(printf 'oops\n0\n' | "$solve" 2>&1 >/dev/null); status=$?
check "bad line status" 1 "$status"
check "bad line message" 'error: line 1: "oops" is not a game number (0 to 10461394943999)' "$err"

"$solve" --help | grep -q '^Usage: quarvel-solve' || { echo "help"; fail=1; }
exit $fail
