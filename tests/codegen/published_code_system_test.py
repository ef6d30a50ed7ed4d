#!/usr/bin/env python3
"""The code-table generator takes the display texts of a code system that is
dropped into the package folder: a package folder made of the real one plus a
small fake KBV_CS_SFHIR_BAR_ZUSATZBEZEICHNUNG must turn the placeholders of its
codes into its texts and leave every other member as it was.

Usage: published_code_system_test.py REPOSITORY PACKAGES (exit 77 without PACKAGES)
"""

import os
import subprocess
import sys
import tempfile


def main():
    repo, packages = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    if not os.path.isdir(packages):
        print("SKIPPED: FHIR package folder %s not found" % packages)
        return 77
    fake = os.path.join(repo, "tests", "codegen", "fake-package")
    generator = os.path.join(repo, "tools", "codegen", "gen_code_tables.py")
    with tempfile.TemporaryDirectory() as scratch:
        folder = os.path.join(scratch, "packages")
        os.mkdir(folder)
        for name in os.listdir(packages):
            os.symlink(os.path.join(packages, name), os.path.join(folder, name))
        os.symlink(fake, os.path.join(folder, "kbv-zusatzbezeichnung-test"))
        out = os.path.join(scratch, "out")
        subprocess.run([sys.executable, generator, "--packages", folder, "--out", out], check=True)
        table = open(os.path.join(out, "CS_KBV_CS_SFHIR_BAR_ZUSATZBEZEICHNUNG.cpp"), encoding="utf-8").read()
        committed = open(
            os.path.join(repo, "fhir", "r4", "codes", "generated", "CS_KBV_CS_SFHIR_BAR_ZUSATZBEZEICHNUNG.cpp"),
            encoding="utf-8").read()
        log = open(os.path.join(out, "_GeneratorLog.md"), encoding="utf-8").read()

    expected = [
        '{"014", nullptr, "Testbezeichnung vierzehn"}, // 5',
        '{"195", nullptr, "Testbezeichnung \\303\\244 hundertf\\303\\274nfundneunzig"}, // 119',
        "KBV_CS_SFHIR_BAR_ZUSATZBEZEICHNUNG 0.0-test (kbv-zusatzbezeichnung-test/"
        "KBV_CS_SFHIR_BAR_ZUSATZBEZEICHNUNG.json): 2",
    ]
    failures = [line for line in expected if line not in table]
    if "placeholders: 101" not in log:
        failures.append("log does not count 101 placeholders")
    # Apart from the two members and the provenance lines, nothing changes.
    changed = [line for line in set(table.splitlines()) ^ set(committed.splitlines())
               if "// 5" not in line and "// 119" not in line and not line.startswith("// Source:")]
    if changed:
        failures.append("unexpected changes: %r" % sorted(changed))
    if "999" in table:
        failures.append("a code outside the list became a member")
    for failure in failures:
        print("FAILED: " + failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
