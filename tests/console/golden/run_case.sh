#!/usr/bin/env bash
# Runs one golden console case: a folder holding script.txt and expected.txt, and
# optionally files/ (copied into the working folder before the run; without it only
# quarvel.dat is), expected-files/ (compared with the working folder after the run),
# expected-stderr.txt and status (the expected exit status, 0 when absent). The working
# folder's path is written {folder} in expected.txt.
# QUARVEL_RUNNER, when set, is a command the console runs under (e.g. valgrind and its
# options).
set -u
console=$1 quarvel_dat=$2 case_dir=$3
work=$(cd "$(mktemp -d)" && pwd -P)
trap 'rm -rf "$work"' EXIT
if [ -d "$case_dir/files" ]; then
  cp -a "$case_dir/files/." "$work/"
else
  cp "$quarvel_dat" "$work/quarvel.dat"
fi
# shellcheck disable=SC2086 # QUARVEL_RUNNER is a command with its words
( cd "$work" && ${QUARVEL_RUNNER:-} "$console" < "$case_dir/script.txt" > "$work/.stdout" 2> "$work/.stderr"; echo $? > "$work/.status" )
status=$(cat "$work/.status")
expected_status=$(cat "$case_dir/status" 2>/dev/null || echo 0)
fail=0
# The working folder's path, which messages may name, is written {folder}.
sed -i "s|$work|{folder}|g" "$work/.stdout"
if ! diff -u "$case_dir/expected.txt" "$work/.stdout"; then fail=1; fi
if [ "$status" != "$expected_status" ]; then echo "exit status $status, expected $expected_status"; fail=1; fi
if [ -f "$case_dir/expected-stderr.txt" ] && ! diff -u "$case_dir/expected-stderr.txt" "$work/.stderr"; then fail=1; fi
if [ -d "$case_dir/expected-files" ]; then
  for f in "$case_dir/expected-files/"*; do
    name=$(basename "$f")
    if ! cmp -s "$f" "$work/$name"; then
      echo "file $name differs:"; diff <(od -c "$f") <(od -c "$work/$name" 2>&1) | head -20; fail=1
    fi
  done
fi
exit $fail
