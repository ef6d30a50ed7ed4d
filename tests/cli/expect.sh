#!/bin/sh
# expect.sh STATUS TEXT COMMAND...
# Runs COMMAND, then fails unless it exited with STATUS and its standard
# output or standard error holds TEXT (an empty TEXT matches anything).
expected_status=$1
expected_text=$2
shift 2
output=$("$@" 2>&1)
status=$?
if [ "$status" -ne "$expected_status" ]; then
    printf 'exit status %s, expected %s\n%s\n' "$status" "$expected_status" "$output"
    exit 1
fi
case $output in
    *"$expected_text"*) exit 0 ;;
esac
printf 'output lacks: %s\n%s\n' "$expected_text" "$output"
exit 1
