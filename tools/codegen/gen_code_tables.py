#!/usr/bin/env python3
"""Writes the long code-system enumeration tables of fhir/r4/codes/generated/.

Four member lists are too long to keep by hand:

  CS_KBV_CS_SFHIR_KBV_DARREICHUNGSFORM   280 dosage forms
  VS_EEBAnfrageUrsprungVS                 99 profession and institution OIDs
  CS_KBV_CS_SFHIR_BAR2_WBO               102 specialist groups
  CS_KBV_CS_SFHIR_BAR_ZUSATZBEZEICHNUNG  119 additional qualifications

Codes, member order and display texts come from the published code systems in
the FHIR package folder (default: ../shared/fhir-packages beside the
repository). Where no published text exists for a code, the text listed in
KNOWN_TEXTS below is used, else a placeholder that names the code and starts
with PLACEHOLDER_MARK. When a published file for such a code system is added
to the package folder, rerunning the generator replaces the placeholders.

The output is deterministic (no dates, no absolute paths). Non-ASCII bytes are
written as octal escapes, so the tables hold UTF-8 whatever the compiler's
source character set; the readable text follows in a comment.

Usage:
  gen_code_tables.py [--packages DIR] [--out DIR]   write the tables
  gen_code_tables.py --check [--packages DIR]       regenerate into a temporary
      folder and compare with the committed files (exit 1 on a difference,
      77 when the package folder is missing)
"""

import argparse
import difflib
import json
import os
import sys
import tempfile
import xml.etree.ElementTree as ET

REPO = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
DEFAULT_PACKAGES = os.path.join(os.path.dirname(REPO), "shared", "fhir-packages")
DEFAULT_OUT = os.path.join(REPO, "fhir", "r4", "codes", "generated")
SKIP = 77

KBV_CS = "https://fhir.kbv.de/CodeSystem/"
GEMATIK_DIRECTORY_CS = "https://gematik.de/fhir/directory/CodeSystem/"
PLACEHOLDER_MARK = "[Platzhalter]"

# Published inputs, relative to the package folder.
DOSAGE_FORMS = "gematik.kbv.sfhir.cs.vs-1.6.0/KBV_CS_SFHIR_KBV_DARREICHUNGSFORM_V1.15.json"
PRACTITIONER_OIDS = "de.gematik.fhir.directory-0.11.25/CodeSystem-PractitionerProfessionOID.json"
ORGANIZATION_OIDS = "de.gematik.fhir.directory-0.11.25/CodeSystem-OrganizationProfessionOID.json"
WBO_KBV = "kbv-codesystems/KBV_CS_SFHIR_BAR2_WBO_V1.16.xml"
# gematik's copy of the same code system (under its OID) in a later version;
# consulted only for codes that the KBV file above lacks.
WBO_GEMATIK_COPY = "de.gematik.fhir.directory-0.11.25/CodeSystem-kbv-cm-sfhir-bar2-wbo-oid-url.json"

# Specialist groups (KBV_CS_SFHIR_BAR2_WBO), in member order.
WBO_CODES = (
    "010 020 030 050 060 070 080 093 102 110 130 142 144 147 150 170 180 197 200 210 220 230 240 250 271 281 291 301 "
    "302 303 305 306 307 308 313 314 317 330 341 350 351 352 353 354 355 356 358 359 360 361 371 372 373 374 470 471 "
    "474 475 476 511 512 513 514 515 516 517 521 522 523 524 525 526 527 528 531 532 533 534 535 536 537 538 539 540 "
    "541 544 547 548 549 550 561 567 573 574 575 576 577 578 579 990 991 992"
).split()

# Additional qualifications (KBV_CS_SFHIR_BAR_ZUSATZBEZEICHNUNG), in member order.
ZUSATZ_CODES = (
    "000 009 010 011 014 015 016 021 027 028 029 030 031 032 033 034 038 039 040 041 052 060 061 063 070 071 072 073 "
    "074 075 076 077 084 085 086 087 089 090 091 092 093 094 095 102 104 106 110 111 112 113 114 115 116 117 118 119 "
    "120 122 123 124 125 126 127 128 129 133 135 136 137 138 139 140 141 142 143 144 145 146 147 148 149 150 151 152 "
    "153 154 155 156 157 158 159 160 161 162 163 164 165 166 167 168 169 170 171 172 173 174 175 176 177 178 179 180 "
    "181 182 183 184 185 186 195"
).split()

WBO_INTERNAL = "Code zur internen Verwendung in den Landesarztregistern. Keine Meldung an das Bundesarztregister"

# Display texts known for codes whose code system is not available as a file.
KNOWN_TEXTS = {
    "KBV_CS_SFHIR_BAR2_WBO": {"990": WBO_INTERNAL, "991": WBO_INTERNAL, "992": WBO_INTERNAL},
    "KBV_CS_SFHIR_BAR_ZUSATZBEZEICHNUNG": {
        "000": "Missing Value",
        "009": "Sportmedizin",
        "010": "Tropenmedizin",
        "011": "Arbeitsmedizin; obsolet",
        "015": "Naturheilverfahren",
        "016": "Stimm- und Sprechstörungen, obsolet",
        "021": "Nuklearmedizin, obsolet",
        "027": "Allergologie",
        "028": "Chirotherapie, obsolet",
        "029": "Medizinische Genetik, obsolet",
        "030": "Medizinische Informatik",
        "033": "Transfusionsmedizin; obsolet",
        "038": "Röntgentherapie; obsolet",
        "052": "Strahlentherapie, obsolet",
        "087": "Umweltmedizin, obsolet",
        "133": "Bluttransfusionswesen, obsolet",
    },
}

# Texts that a published file must carry unchanged (checked, not written).
EXPECTED_PUBLISHED = {
    "KBV_CS_SFHIR_BAR2_WBO": {
        "010": "FÄ/FA Allgemeinmedizin (alte (M-)WBO, kammerindividuell, EU-Ärzte)",
        "030": "FÄ/FA Augenheilkunde",
        "093": "SP Neonatologie",
        "470": "Psychologische Psychotherapeutin/Psychologischer Psychotherapeut",
        "578": "SP Kinder- und Jugendradiologie",
    },
}

PLACEHOLDER_NOUN = {"KBV_CS_SFHIR_BAR2_WBO": "Fachgruppe", "KBV_CS_SFHIR_BAR_ZUSATZBEZEICHNUNG": "Zusatzbezeichnung"}


class GenerationError(Exception):
    pass


def require(condition, message):
    if not condition:
        raise GenerationError(message)


# ---------------------------------------------------------------- reading


def read_json_concepts(path):
    with open(path, encoding="utf-8") as f:
        resource = json.load(f)
    return resource["url"], resource.get("version", ""), [(c["code"], c.get("display")) for c in resource["concept"]]


def read_xml_concepts(path):
    ns = {"f": "http://hl7.org/fhir"}
    root = ET.parse(path).getroot()
    concepts = []
    for concept in root.findall("f:concept", ns):
        display = concept.find("f:display", ns)
        concepts.append(
            (concept.find("f:code", ns).get("value"), display.get("value") if display is not None else None)
        )
    return root.find("f:url", ns).get("value"), root.find("f:version", ns).get("value"), concepts


def read_concepts(path):
    return read_xml_concepts(path) if path.endswith(".xml") else read_json_concepts(path)


def find_published(packages, cs_name):
    """Published files of a code system that has no fixed input yet, sorted by path."""
    url = (KBV_CS + cs_name).encode()
    found = []
    # Package folders may be links (a package dropped in as a link is found too).
    for folder, dirs, files in os.walk(packages, followlinks=True):
        dirs.sort()
        for name in sorted(files):
            if not name.endswith((".json", ".xml")):
                continue
            path = os.path.join(folder, name)
            with open(path, "rb") as f:
                if url not in f.read():
                    continue
            try:
                cs_url, version, concepts = read_concepts(path)
            except (KeyError, ValueError, AttributeError, ET.ParseError):
                continue
            if cs_url == url.decode():
                found.append((os.path.relpath(path, packages), version, dict(concepts)))
    return found


# ---------------------------------------------------------------- member lists


class Table:
    def __init__(self, name, system, comment, sources):
        self.name = name
        self.system = system  # one URL, or None for per-member systems
        self.comment = comment
        self.sources = sources  # lines for the provenance header and the log
        self.members = []  # (code, system constant or None, display)
        self.constants = []  # (name, url)
        self.placeholders = []
        self.origin_counts = {}


def dosage_forms(packages):
    url, version, concepts = read_json_concepts(os.path.join(packages, DOSAGE_FORMS))
    require(url == KBV_CS + "KBV_CS_SFHIR_KBV_DARREICHUNGSFORM", "unexpected dosage-form code system " + url)
    displays = dict(concepts)
    # Codes in byte order; "keine Darreichungsform" ("---") closes the list.
    codes = sorted(c for c in displays if c != "---") + ["---"]
    table = Table(
        "CS_KBV_CS_SFHIR_KBV_DARREICHUNGSFORM",
        url,
        "Dosage forms: the codes in text order, then \"---\" (no dosage form).",
        ["KBV_CS_SFHIR_KBV_DARREICHUNGSFORM " + version + " (" + DOSAGE_FORMS + ")"],
    )
    table.members = [(c, None, displays[c]) for c in codes]
    require(len(codes) == 280, "expected 280 dosage forms, found %d" % len(codes))
    for member, code in ((1, "AEO"), (2, "AMP"), (3, "APA"), (11, "AUS"), (219, "TAB"), (279, "ZPA"), (280, "---")):
        require(codes[member - 1] == code, "dosage form %d is %s, expected %s" % (member, codes[member - 1], code))
    return table


def origin_oids(packages):
    table = Table(
        "VS_EEBAnfrageUrsprungVS",
        None,
        "Origin of a substitute-certificate request: profession and institution OIDs in text order.",
        [],
    )
    displays = {}
    for constant, path, cs_name in (
        ("kPractitioner", PRACTITIONER_OIDS, "PractitionerProfessionOID"),
        ("kOrganization", ORGANIZATION_OIDS, "OrganizationProfessionOID"),
    ):
        url, version, concepts = read_json_concepts(os.path.join(packages, path))
        require(url == GEMATIK_DIRECTORY_CS + cs_name, "unexpected code system " + url)
        table.constants.append((constant, url))
        table.sources.append(cs_name + " " + version + " (" + path + ")")
        for code, display in concepts:
            require(code not in displays, "OID %s in both code systems" % code)
            displays[code] = (constant, display)
    codes = sorted(displays)
    require(len(codes) == 99, "expected 99 origin OIDs, found %d" % len(codes))
    table.members = [(c, displays[c][0], displays[c][1]) for c in codes]
    practitioners = {1, 65, 68} | set(range(14, 24)) | set(range(51, 55)) | set(range(70, 90))
    for member, (code, constant, _) in enumerate(table.members, 1):
        expected = "kPractitioner" if member in practitioners else "kOrganization"
        require(constant == expected, "origin %d (%s) belongs to %s" % (member, code, constant))
    return table


def code_list(packages, cs_name, codes, fixed_sources, comment):
    """A list whose codes are fixed here and whose texts come from the first source that has them."""
    # (label, {code: display}) in order of preference: further published files
    # of the code system first, those that carry the whole list before the others.
    found = [f for f in find_published(packages, cs_name) if f[0] not in fixed_sources]
    found.sort(key=lambda f: (not all(c in f[2] for c in codes), f[0]))
    sources = [(cs_name + " " + version + " (" + path + ")", displays) for path, version, displays in found]
    for path in fixed_sources:
        _, version, concepts = read_concepts(os.path.join(packages, path))
        sources.append((cs_name + " " + version + " (" + path + ")", dict(concepts)))
    known = KNOWN_TEXTS.get(cs_name, {})
    table = Table("CS_" + cs_name, KBV_CS + cs_name, comment, [])
    for code in codes:
        for label, displays in sources:
            if displays.get(code):
                display, origin = displays[code], label
                break
        else:
            if code in known:
                display, origin = known[code], "known texts without a published file"
            else:
                display = "%s %s %s" % (PLACEHOLDER_MARK, PLACEHOLDER_NOUN[cs_name], code)
                origin = "placeholders"
                table.placeholders.append(code)
        table.members.append((code, None, display))
        table.origin_counts[origin] = table.origin_counts.get(origin, 0) + 1
    used = [label for label, _ in sources if label in table.origin_counts]
    for extra in ("known texts without a published file", "placeholders"):
        if extra in table.origin_counts:
            used.append(extra)
    table.sources = ["%s: %d" % (label, table.origin_counts[label]) for label in used]
    displays = dict((c, d) for c, _, d in table.members)
    for code, text in EXPECTED_PUBLISHED.get(cs_name, {}).items():
        require(displays[code] == text, "%s %s reads %r, expected %r" % (cs_name, code, displays[code], text))
    require(len(set(codes)) == len(codes), cs_name + ": duplicate code")
    return table


def specialist_groups(packages):
    table = code_list(
        packages,
        "KBV_CS_SFHIR_BAR2_WBO",
        WBO_CODES,
        [WBO_KBV, WBO_GEMATIK_COPY],
        "Specialist groups of the physicians' register (appointment-service code list).",
    )
    require(len(table.members) == 102, "expected 102 specialist groups")
    return table


def additional_qualifications(packages):
    table = code_list(
        packages,
        "KBV_CS_SFHIR_BAR_ZUSATZBEZEICHNUNG",
        ZUSATZ_CODES,
        [],
        "Additional qualifications of the physicians' register (appointment-service code list).",
    )
    require(len(table.members) == 119, "expected 119 additional qualifications")
    return table


# ---------------------------------------------------------------- writing


def c_literal(text):
    out = []
    for byte in text.encode("utf-8"):
        if byte >= 0x80:
            out.append("\\%03o" % byte)
        elif byte in (0x22, 0x5C):
            out.append("\\" + chr(byte))
        else:
            require(byte >= 0x20, "control character in %r" % text)
            out.append(chr(byte))
    return '"' + "".join(out) + '"'


def render(table, script):
    lines = ["// Generated by %s. Do not edit." % script]
    lines += ["// Source: " + s for s in table.sources]
    lines += ["// " + table.name + ": " + table.comment, "// The members in member order; member 1 is the first row."]
    lines += ['#include "fhir/r4/codes/Enumerations.h"', "", "#include <iterator>", "", "namespace fhir::codes {"]
    lines += ["namespace {", ""]
    for constant, url in table.constants:
        lines.append("constexpr const char* %s = %s;" % (constant, c_literal(url)))
    if table.constants:
        lines.append("")
    lines.append("constexpr CodeEntry kMembers[] = {")
    for member, (code, constant, display) in enumerate(table.members, 1):
        row = "    {%s, %s, %s}, // %d" % (c_literal(code), constant or "nullptr", c_literal(display), member)
        if any(ord(ch) > 127 for ch in display):
            row += ": " + display
        lines.append(row)
    lines += ["};", ""]
    system = c_literal(table.system) if table.system else "nullptr"
    lines.append("constexpr CodeTable kTable{%s, %s, kMembers," % (c_literal(table.name), system))
    lines.append("                          static_cast<int>(std::size(kMembers))};")
    lines += ["", "} // namespace", "", "const CodeTable& %s::table() { return kTable; }" % table.name, ""]
    lines += ["} // namespace fhir::codes", ""]
    return "\n".join(lines)


def render_sources(tables, script):
    lines = ["# Generated by %s. Do not edit." % script, "list(APPEND TEVO_SOURCES"]
    lines += ["    ${TEVO_LIST_DIR}/%s.cpp" % t.name for t in sorted(tables, key=lambda t: t.name)]
    return "\n".join(lines + [")", ""])


def render_log(tables, script):
    lines = ["# Generator log", "", "Written by `%s`; do not edit." % script, ""]
    for table in tables:
        lines.append("## %s (%d members)" % (table.name, len(table.members)))
        lines.append("")
        lines += ["- " + s for s in table.sources]
        if table.placeholders:
            lines.append("- placeholder display texts (%s code): %s" % (PLACEHOLDER_MARK, ", ".join(table.placeholders)))
        lines.append("")
    return "\n".join(lines)


def generate(packages):
    script = "tools/codegen/gen_code_tables.py"
    tables = [dosage_forms(packages), origin_oids(packages), specialist_groups(packages)]
    tables.append(additional_qualifications(packages))
    files = {t.name + ".cpp": render(t, script) for t in tables}
    files["sources.cmake"] = render_sources(tables, script)
    files["_GeneratorLog.md"] = render_log(tables, script)
    files[".clang-format"] = "# Generated tables keep the generator's layout.\nDisableFormat: true\n"
    return files


def write(files, out):
    os.makedirs(out, exist_ok=True)
    for name in sorted(files):
        with open(os.path.join(out, name), "w", encoding="utf-8", newline="\n") as f:
            f.write(files[name])


def check(files, committed):
    with tempfile.TemporaryDirectory() as scratch:
        write(files, scratch)
        differences = 0
        expected_names = set(files)
        listed = os.listdir(committed) if os.path.isdir(committed) else []
        present = set(n for n in listed if n in expected_names or not n.startswith("."))
        for name in sorted(expected_names | present):
            new_path, old_path = os.path.join(scratch, name), os.path.join(committed, name)
            new = open(new_path, encoding="utf-8").read().splitlines(True) if name in expected_names else []
            old = open(old_path, encoding="utf-8").read().splitlines(True) if os.path.exists(old_path) else []
            if new != old:
                differences += 1
                sys.stdout.writelines(difflib.unified_diff(old, new, "committed/" + name, "regenerated/" + name))
        return differences


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--packages", default=DEFAULT_PACKAGES)
    parser.add_argument("--out", default=DEFAULT_OUT)
    parser.add_argument("--check", action="store_true")
    args = parser.parse_args()
    if not os.path.isdir(args.packages):
        print("SKIPPED: FHIR package folder %s not found; nothing to regenerate from." % args.packages)
        return SKIP if args.check else 2
    try:
        files = generate(args.packages)
    except GenerationError as error:
        print("error: %s" % error, file=sys.stderr)
        return 1
    if args.check:
        differences = check(files, args.out)
        if differences:
            print("%d generated file(s) differ from the committed ones; rerun %s" % (differences, sys.argv[0]))
            return 1
        print("generated code tables match the committed files (%d files)" % len(files))
        return 0
    write(files, args.out)
    return 0


if __name__ == "__main__":
    sys.exit(main())
