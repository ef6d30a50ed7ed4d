#!/usr/bin/env python3
"""Compares the rule keys that fail per document: the reference checker's invariant errors
(node fhircheck.js --json) against tevofhir_rule_keys. Documents listed in the file of known
differences (relative path, tab, reason) may differ; any other difference fails (exit 1)."""
import argparse
import json
import os
import subprocess
import sys


def reference_keys(node, checker, files):
    result = subprocess.run([node, os.path.join(checker, "fhircheck.js"), "--json", "--quiet"] + files,
                            capture_output=True, text=True, cwd=checker)
    report = json.loads(result.stdout)
    keys = {}
    for entry in report["files"]:
        keys[os.path.abspath(entry["file"])] = {
            issue["rule"][len("invariant:"):] for issue in entry["issues"]
            if issue["severity"] == "error" and issue["rule"].startswith("invariant:")}
    return keys


def our_keys(program, files):
    result = subprocess.run([program] + files, capture_output=True, text=True, check=True)
    keys = {}
    for line in result.stdout.splitlines():
        path, _, found = line.partition("\t")
        keys[os.path.abspath(path)] = set(found.split())
    return keys


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--node", required=True)
    parser.add_argument("--checker", required=True)
    parser.add_argument("--rule-keys", required=True)
    parser.add_argument("--examples", required=True)
    parser.add_argument("--known", required=True)
    args = parser.parse_args()
    if not os.path.isdir(args.examples) or not os.path.isdir(os.path.join(args.checker, "node_modules")):
        print("skipped: examples or the checker's modules are missing")
        return 77
    files = sorted(os.path.abspath(os.path.join(root, name)) for root, _dirs, names in os.walk(args.examples)
                   for name in names if name.endswith(".xml"))
    known = {}
    with open(args.known, encoding="utf-8") as f:
        for line in f:
            if line.strip() and not line.startswith("#"):
                path, _, reason = line.rstrip("\n").partition("\t")
                known[path] = reason
    theirs = reference_keys(args.node, args.checker, files)
    ours = our_keys(args.rule_keys, files)
    unexpected = 0
    explained = 0
    for path in files:
        rel = os.path.relpath(path, args.examples)
        a = theirs.get(path, set())
        b = ours.get(path, set())
        if a == b:
            continue
        if rel in known:
            explained += 1
            continue
        unexpected += 1
        print("%s\n    reference only: %s\n    ours only:      %s" % (rel, " ".join(sorted(a - b)) or "-",
                                                                  " ".join(sorted(b - a)) or "-"))
    print("%d documents, %d agree, %d differ as listed, %d differ unexpectedly"
          % (len(files), len(files) - explained - unexpected, explained, unexpected))
    return 1 if unexpected else 0


if __name__ == "__main__":
    sys.exit(main())
