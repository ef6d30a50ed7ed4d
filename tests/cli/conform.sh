#!/bin/sh
# conform.sh NODE SHARED_DIR FILE...
# Runs the profile checker on the documents the tool wrote from the examples.
node=$1
shared=$2
shift 2
if [ -z "$node" ] || [ ! -x "$node" ] || [ ! -f "$shared/tools/fhircheck/fhircheck.js" ]; then
    echo "SKIPPED: node or the shared profile checker is missing"
    exit 0
fi
output=$("$node" "$shared/tools/fhircheck/fhircheck.js" --quiet "$@" 2>&1)
status=$?
printf '%s\n' "$output"
[ "$status" -eq 0 ] || exit 1
printf '%s\n' "$output" | grep -q '[1-9][0-9]* errors' && exit 1
exit 0
