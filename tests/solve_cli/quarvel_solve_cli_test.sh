#!/usr/bin/env bash
# quarvel-solve as installed programs are run: positions on standard input and as
# arguments, errors on standard error, exit statuses.
set -u
solve=$1
fail=0
check() {  # name expected actual
  if [ "$2" != "$3" ]; then printf '%s: expected\n%s\ngot\n%s\n' "$1" "$2" "$3"; fail=1; fi
}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

printf '0\noops\n1 2 3 4 5 6 7 8 9 10 11 12 13 14 0 15\n1,2,3,4,5,6,7,8,9,10,11,12,0,13,14,15\n' |
  "$solve" >"$scratch/out" 2>"$scratch/err"
check "status with a bad line" 1 $?
check "stdout" $'0:\n1: 15\n3: 13 14 15' "$(cat "$scratch/out")"
check "stderr" 'error: line 2: "oops" is not a game number (0 to 10461394943999)' "$(cat "$scratch/err")"

out=$("$solve" --length 653837184003 0); status=$?
check "length status" 0 "$status"
check "length" $'30\n0' "$out"

"$solve" --help | grep -q '^Usage: quarvel-solve' || { echo "help"; fail=1; }

# Without a usable tables' file the tables are built, said once, and the answers stay.
# Under the sanitizers that build takes many minutes: the Release run checks it, and the
# unit tests build small tables under the sanitizers.
[ "${2:-}" = sanitized ] && exit $fail
printf 'QVORBTBL and not much more' >"$scratch/damaged.tables"
out=$(QUARVEL_SHORTEST_TABLES="$scratch/damaged.tables" "$solve" --length 653837184003 0 653837184003 2>"$scratch/err")
check "length without a good file" $'30\n0\n30' "$out"
check "said once" "quarvel-solve: not using the tables' file $scratch/damaged.tables (it is too short for its header); building the tables instead, which takes a minute or two" "$(cat "$scratch/err")"
exit $fail
