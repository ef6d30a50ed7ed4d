#!/usr/bin/env python3
"""Writes the profile classes of fhir/r4/<package>/<version>/.

Reads profiles.tsv (one row per class) and manual.tsv (fixed texts of the
classes whose profiles are not published in the reference packages), takes
the fixed texts of every other class from the StructureDefinitions in the
package folder named by its row, and writes one .h/.cpp pair per class, a
sources.cmake per folder, the class list used by the unit tests and the
generator log. Output is deterministic: rerunning reproduces it byte for byte.

Usage: profilegen.py [--packages DIR] [--out DIR]
  --packages  folder holding the package folders (default ../shared/fhir-packages
              next to the repository)
  --out       root the output paths are written under (default: the repository)
"""

import argparse
import glob
import json
import os
import re
import sys
import xml.etree.ElementTree as ET

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(os.path.dirname(HERE))

# Base constant of fhir/CanonicalBase.h and path of the profile URL, per package.
URL_RULES = {
    "debasis": ("kGerman", "/StructureDefinition/"),
    "gematikeeb": ("kGematik", "/fhir/eeb/StructureDefinition/"),
}
KBV_URL_RULE = ("kKbv", "/StructureDefinition/")
URL_BASES = {"kGerman": "http://fhir.de", "kGematik": "https://gematik.de", "kKbv": "https://fhir.kbv.de"}

# Profile versions that differ from the namespace version.
VERSION_OVERRIDES = {("kvdigitalvmca", "v1_1_0", "KBV_PR_116117_TERMINSERVICE_VCA_Patient"): "2.1.0"}

# Profiles read back from received documents get a static parse that fills
# the object through the core class.
PARSED = {
    ("gematikeeb", "v1_1_0", "EEBBescheinigungBundle"),
    ("gematikeeb", "v1_1_0", "EEBFehler"),
    ("kbvmiozaeb", "v1_1_0", "KBV_PR_MIO_ZAEB_Bundle"),
    ("kbvitaeau", "v1_1_0", "KBV_PR_EAU_health_insurance_Practitioner"),
    ("kbvitaeau", "v1_2_0", "KBV_PR_EAU_health_insurance_Practitioner"),
}

# Header that declares each core class (backbone-free types have their own).
CORE_HEADER = "fhir/r4/core/v4_0_1/{}.h"

# Only text-valued fixed and pattern values are fixed texts; numbers and
# booleans are not.
TEXT_TYPES = {"Uri", "Url", "Canonical", "Code", "String", "Id", "Oid", "Uuid", "Markdown"}
COMPLEX_TYPES = {"Coding", "CodeableConcept", "Identifier", "Quantity", "Reference"}
TEXT_FIELDS = {"system", "version", "code", "display", "text", "value", "unit", "use", "reference", "type"}
FIELD_ORDER = ["use", "type", "coding", "system", "version", "code", "display", "text", "value", "unit", "reference"]

CPP_KEYWORDS = {
    "alignas", "alignof", "and", "asm", "auto", "bool", "break", "case", "catch", "char", "class", "const",
    "constexpr", "continue", "default", "delete", "do", "double", "else", "enum", "explicit", "export",
    "extern", "false", "float", "for", "friend", "goto", "if", "inline", "int", "long", "mutable",
    "namespace", "new", "noexcept", "not", "operator", "or", "private", "protected", "public", "register",
    "return", "short", "signed", "sizeof", "static", "struct", "switch", "template", "this", "throw",
    "true", "try", "typedef", "typeid", "typename", "union", "unsigned", "using", "virtual", "void",
    "volatile", "while", "xor",
}

FHIR_NS = "{http://hl7.org/fhir}"


class Row:
    def __init__(self, package, version, name, base, profile_id, source):
        self.package = package
        self.version = version
        self.name = name
        self.base = base
        self.profile_id = profile_id
        self.source = source

    @property
    def key(self):
        return (self.package, self.version, self.name)

    @property
    def namespace(self):
        return "fhir::r4::{}::{}".format(self.package, self.version)

    @property
    def dotted_version(self):
        return VERSION_OVERRIDES.get(self.key, self.version[1:].replace("_", "."))

    @property
    def url_rule(self):
        return URL_RULES.get(self.package, KBV_URL_RULE)

    @property
    def url(self):
        base, path = self.url_rule
        return URL_BASES[base] + path + self.profile_id

    @property
    def is_extension(self):
        return self.base == "core::Extension"

    @property
    def folder(self):
        return "fhir/r4/{}/{}".format(self.package, self.version)


def read_rows(path):
    rows = []
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.strip()
            if not line or line.startswith("#"):
                continue
            rows.append(Row(*line.split()))
    return rows


def read_manual(path):
    """(package, version, class) -> list of (member, value, comment)."""
    manual = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            if not line.strip() or line.startswith("#"):
                continue
            package, version, name, member, value, comment = line.rstrip("\n").split("\t")
            manual.setdefault((package, version, name), []).append((member, value, comment))
    return manual


# ---------------------------------------------------------------- packages

def xml_to_value(node):
    """A FHIR XML datatype element as the JSON form (text or dict)."""
    children = list(node)
    if not children:
        return node.get("value", "")
    out = {}
    for child in children:
        tag = child.tag.replace(FHIR_NS, "")
        value = xml_to_value(child)
        if tag in out:
            if not isinstance(out[tag], list):
                out[tag] = [out[tag]]
            out[tag].append(value)
        elif tag == "coding":
            out[tag] = [value]
        else:
            out[tag] = value
    return out


def load_xml_definition(path):
    root = ET.parse(path).getroot()
    if root.tag != FHIR_NS + "StructureDefinition":
        return None
    d = {"resourceType": "StructureDefinition"}
    for tag in ("url", "version", "type", "baseDefinition", "name"):
        node = root.find(FHIR_NS + tag)
        if node is not None:
            d[tag] = node.get("value")
    for view in ("snapshot", "differential"):
        node = root.find(FHIR_NS + view)
        if node is None:
            continue
        elements = []
        for el in node.findall(FHIR_NS + "element"):
            e = {"id": el.get("id")}
            for child in el:
                tag = child.tag.replace(FHIR_NS, "")
                if tag.startswith("fixed") or tag.startswith("pattern"):
                    e[tag] = xml_to_value(child)
            elements.append(e)
        d[view] = {"element": elements}
    return d


class PackageIndex:
    """StructureDefinitions of one package folder by canonical URL."""

    def __init__(self, folder):
        self.folder = folder
        self.by_url = {}
        files = sorted(glob.glob(os.path.join(folder, "**", "*.json"), recursive=True))
        files += sorted(glob.glob(os.path.join(folder, "**", "*.xml"), recursive=True))
        for f in files:
            rel = os.path.relpath(f, folder)
            if rel.startswith("ExternalDependencies") or os.path.basename(f) == "package.json":
                continue
            try:
                if f.endswith(".json"):
                    with open(f, encoding="utf-8") as fh:
                        d = json.load(fh)
                else:
                    d = load_xml_definition(f)
            except (ValueError, ET.ParseError):
                continue
            if not d or d.get("resourceType") != "StructureDefinition" or "url" not in d:
                continue
            self.by_url.setdefault(d["url"], (rel.replace(os.sep, "/"), d))
        self.package_id = self._package_id()

    def _package_id(self):
        path = os.path.join(self.folder, "package.json")
        if os.path.exists(path):
            with open(path, encoding="utf-8") as f:
                p = json.load(f)
            return "{}#{}".format(p["name"], p["version"])
        name, _, version = os.path.basename(self.folder).rpartition("-")
        return "{}#{}".format(name, version)


# ---------------------------------------------------------------- naming

def camel_words(text):
    """"Art_eAU" -> ["Art", "eAU"]; "ASV-Ausuebung" -> ["ASV", "Ausuebung"]."""
    return [w for w in re.split(r"[^A-Za-z0-9]+", text) if w]


def slice_words(slice_name):
    """Words of a slice name without a redundant "code" ("pznCode" and
    "codePzn" both name the slice "pzn")."""
    words = []
    for w in camel_words(slice_name):
        if len(w) > 4 and w.endswith("Code"):
            w = w[:-4]
        elif len(w) > 4 and w.startswith("code") and w[4].isupper():
            w = w[4:]
        words.append(w)
    return words


def cap(word):
    return word[:1].upper() + word[1:]


def path_tokens(element_id, with_slices):
    """Name tokens of an element id below the root: 'coding' and '[x]' vanish,
    type slices of choice elements name the type."""
    tokens = []
    for segment in element_id.split(".")[1:]:
        name, _, slice_name = segment.partition(":")
        if name.endswith("[x]"):
            tokens.append(slice_name if slice_name else name[:-3])
            continue
        if name != "coding":
            tokens.append(name)
        if slice_name and with_slices:
            tokens.extend(slice_words(slice_name))
    return tokens


def join_name(tokens):
    words = []
    for t in tokens:
        for w in camel_words(t):
            if words and words[-1].lower() == w.lower():
                continue
            words.append(w)
    if not words:
        return ""
    name = words[0][:1].lower() + words[0][1:] + "".join(cap(w) for w in words[1:])
    if name[0].isdigit():
        name = "n" + name
    return name


def expand_value(kind, value, tokens):
    """Text leaves of a fixed/pattern value: list of (tokens, text)."""
    if kind in TEXT_TYPES:
        return [(tokens, value)] if isinstance(value, str) else []
    if kind not in COMPLEX_TYPES or not isinstance(value, dict):
        return []
    leaves = []
    for field in sorted(value, key=lambda k: FIELD_ORDER.index(k) if k in FIELD_ORDER else len(FIELD_ORDER)):
        v = value[field]
        if field == "coding":
            codings = v if isinstance(v, list) else [v]
            for i, coding in enumerate(codings):
                sub = tokens + ([str(i + 1)] if i else [])
                leaves += expand_value("Coding", coding, sub)
        elif field == "type" and isinstance(v, dict):
            leaves += expand_value("CodeableConcept", v, tokens + ["type"])
        elif field in TEXT_FIELDS and isinstance(v, str):
            leaves.append((tokens + [field], v))
    return leaves


def under_extension(element_id, root_is_extension):
    """True for elements inside an extension (their texts belong to the
    extension's own profile); an extension profile keeps its sub-extensions."""
    segments = element_id.split(".")[1:]
    if "meta" in [s.partition(":")[0] for s in segments]:
        return True
    for i, segment in enumerate(segments):
        name = segment.partition(":")[0]
        if name in ("extension", "modifierExtension"):
            if root_is_extension and all(s.partition(":")[0] == "extension" for s in segments[:i + 1]):
                continue
            return True
    return False


def fixed_entries(definition, root_is_extension):
    """(element id, short tokens, full tokens, text) in element order."""
    view = definition.get("snapshot") or definition.get("differential") or {"element": []}
    entries = []
    for e in view["element"]:
        eid = e.get("id") or ""
        if under_extension(eid, root_is_extension):
            continue
        for key in sorted(k for k in e if k.startswith("fixed") or k.startswith("pattern")):
            kind = key[5:] if key.startswith("fixed") else key[7:]
            for sub, text in expand_value(kind, e[key], []):
                full = path_tokens(eid, True) + sub
                short = path_tokens(eid, False) + sub
                entries.append((eid, short, full, text))
    return entries


def member_name(short, full, by_short):
    """The short (slice-free) name when it is unambiguous or when several
    slices share one text under it; otherwise the slice-qualified name."""
    short_name = join_name(short)
    group = by_short[short_name]
    shared = len({text for _, text in group}) == 1 and len({name for name, _ in group}) > 1
    name = short_name if shared or join_name(full) == short_name else join_name(full)
    name = name or "value"
    return name + "Code" if name in CPP_KEYWORDS else name


def choose_members(entries):
    """(member, text, element id) per distinct text, in element order. A name
    that would carry two texts is numbered from its second text on."""
    by_short = {}
    for _, short, full, text in entries:
        by_short.setdefault(join_name(short), []).append((join_name(full), text))
    members = []
    texts_by_name = {}
    for eid, short, full, text in entries:
        wanted = member_name(short, full, by_short)
        name, n = wanted, 2
        while name in texts_by_name and texts_by_name[name] != text:
            name = "{}{}".format(wanted, n)
            n += 1
        if name in texts_by_name:
            continue
        texts_by_name[name] = text
        members.append((name, text, eid))
    return members


# ---------------------------------------------------------------- output

LINE_LIMIT = 120


def cpp_string(text, indent=0):
    """A C++ literal of the UTF-8 bytes (octal escapes above ASCII); when it
    would not fit the line, adjacent literals broken after blanks, aligned
    under the first one."""
    pieces = cpp_pieces(text)
    if indent + len(pieces) + 2 <= LINE_LIMIT and indent + len("".join(pieces)) + 2 <= LINE_LIMIT:
        return '"' + "".join(pieces) + '"'
    width = LINE_LIMIT - indent - 4
    lines, current = [], []
    for piece in pieces:
        if current and len("".join(current)) + len(piece) > width:
            blanks = [i for i, p in enumerate(current) if p == " "]
            cut = blanks[-1] + 1 if blanks else len(current)
            lines.append('"' + "".join(current[:cut]) + '"')
            current = current[cut:]
        current.append(piece)
    lines.append('"' + "".join(current) + '"')
    return ("\n" + " " * indent).join(lines)


def cpp_pieces(text):
    out = []
    for b in text.encode("utf-8"):
        c = chr(b)
        if b >= 0x80:
            out.append("\\{:03o}".format(b))
        elif c in "\\\"":
            out.append("\\" + c)
        else:
            out.append(c)
    return out


def base_class(row):
    kind, _, rest = row.base.partition("::")
    if kind == "core":
        return "fhir::r4::core::v4_0_1::" + rest, CORE_HEADER.format(rest), rest
    package, version, name = row.base.split("::")
    return "fhir::r4::{}::{}::{}".format(package, version, name), \
        "fhir/r4/{}/{}/{}.h".format(package, version, name), None


def core_type(row, rows_by_key):
    while not row.base.startswith("core::"):
        row = rows_by_key[tuple(row.base.split("::"))]
    return row.base[len("core::"):]


def write(path, text):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)


def header_text(row, first_line, members, core):
    base_name, base_header, _ = base_class(row)
    lines = ["// " + first_line, "#pragma once", "", "#include <string>", ""]
    lines.append('#include "{}"'.format(base_header))
    if row.key in PARSED:
        lines.append('#include "fhir/XmlNode.h"')
    lines += ["", "namespace {} {{".format(row.namespace), ""]
    lines.append("class {} : public {} {{".format(row.name, base_name))
    lines.append("public:")
    lines.append("    // The profile's URL, without and with its version.")
    for name, text in (("kUrl", row.url), ("kCanonical", row.url + "|" + row.dotted_version)):
        lead = "    static constexpr const char* {} = ".format(name)
        lines.append(lead + cpp_string(text, len(lead)) + ";")
    lines.append("")
    lines.append("    {}();".format(row.name))
    lines.append("")
    if not row.is_extension:
        # An extension's url text is its URL already (Extension::getUrl).
        lines.append("    std::string getUrl() const override;")
    lines.append("    std::string getCanonical() const override;")
    if row.key in PARSED:
        lines.append("")
        lines.append("    // Reads a received {} through the core class's parse.".format(core))
        lines.append("    static {}* parse(const fhir::xml::Node* node);".format(row.name))
    if members:
        lines.append("")
        lines.append("    // Fixed texts, shared by every object of the class.")
        for name, _, origin in members:
            line = "    const std::string& {};  // {}".format(name, origin)
            if len(line) > LINE_LIMIT:
                lines.append("    // " + origin)
                line = "    const std::string& {};".format(name)
            lines.append(line)
    lines += ["};", "", "}}  // namespace {}".format(row.namespace), ""]
    return "\n".join(lines)


def source_text(row, first_line, members, core):
    lines = ["// " + first_line, '#include "{}/{}.h"'.format(row.folder, row.name), ""]
    if row.key in PARSED:
        lines += ["#include <memory>", ""]
    own = []
    if row.is_extension:
        own.append('#include "fhir/primitives.h"')
    if row.key in PARSED:
        own.append('#include "fhir/r4/core/v4_0_1/{}.h"'.format(core))
    if own:
        lines += own + [""]
    lines += ["namespace {} {{".format(row.namespace), ""]
    if members:
        # Names of their own per class, so that several generated files can be
        # compiled as one unit.
        texts, made = "{}_FixedTexts".format(row.name), "fixedTextsOf{}".format(row.name)
        lines += ["namespace {", "", "struct {} {{".format(texts)]
        for name, text, _ in members:
            lead = "    const std::string {}{{".format(name)
            lines.append(lead + cpp_string(text, len(lead)) + "};")
        lines += ["};", "", "// Made once, on first use (thread-safe).",
                  "const {}& {}() {{".format(texts, made), "    static const {} texts;".format(texts),
                  "    return texts;", "}", "", "}  // namespace", ""]
        lines.append("{}::{}()".format(row.name, row.name))
        for i, (name, _, _) in enumerate(members):
            lead = "    : " if i == 0 else "      "
            tail = "," if i + 1 < len(members) else " {"
            lines.append("{}{}({}().{}){}".format(lead, name, made, name, tail))
    else:
        lines.append("{}::{}() {{".format(row.name, row.name))
    if row.is_extension:
        lines.append("    setUrl(new fhir::f_uri(url));")
    lines += ["}", ""]
    if not row.is_extension:
        lines.append("std::string {}::getUrl() const {{".format(row.name))
        lines.append("    return kUrl;")
        lines += ["}", ""]
    lines.append("std::string {}::getCanonical() const {{".format(row.name))
    lines.append("    return kCanonical;")
    lines += ["}", ""]
    if row.key in PARSED:
        lines.append("{0}* {0}::parse(const fhir::xml::Node* node) {{".format(row.name))
        lines.append("    auto profile = std::make_unique<{}>();".format(row.name))
        lines.append("    fhir::r4::core::v4_0_1::{}::parseInto(*profile, node);".format(core))
        lines.append("    return profile.release();")
        lines += ["}", ""]
    lines += ["}}  // namespace {}".format(row.namespace), ""]
    return "\n".join(lines)


def inherited_members(row, rows_by_key, members_by_key):
    out = {}
    while not row.base.startswith("core::"):
        row = rows_by_key[tuple(row.base.split("::"))]
        for name, text, _ in members_by_key[row.key]:
            out.setdefault(name, text)
    return out


def ordered(rows, rows_by_key):
    """Rows with every base profile before the profiles built on it."""
    done, out = set(), []

    def visit(row):
        if row.key in done:
            return
        if not row.base.startswith("core::"):
            visit(rows_by_key[tuple(row.base.split("::"))])
        done.add(row.key)
        out.append(row)

    for row in rows:
        visit(row)
    return out


def class_members(row, definition, manual_texts, inherited, notes):
    """(member, text, origin) of one class, without what its base holds."""
    members = choose_members(fixed_entries(definition, row.is_extension)) if definition else []
    if row.is_extension:
        # The extension's own url leads; the constructor files it.
        members = [m for m in members if m[0] != "url"]
        members.insert(0, ("url", row.url, "Extension.url"))
    own = []
    for name, text, origin in members:
        if inherited.get(name) == text:
            continue
        if name in inherited:
            notes.append("{}::{}: member {} renamed {}Own (base holds {!r}, profile fixes {!r})".format(
                row.namespace, row.name, name, name, inherited[name], text))
            name += "Own"
        own.append((name, text, origin))
    for name, text, origin in manual_texts:
        if inherited.get(name) != text:
            own.append((name, text, origin))
        if "assumed" in origin:
            notes.append("{}::{}: {} = {!r} is assumed ({})".format(row.namespace, row.name, name, text, origin))
    return own


def provenance(row, definition, index, has_manual, notes):
    """The first line of the class's files; notes where the texts come from
    elsewhere than the class's own published profile."""
    if definition:
        if definition.get("version") != row.dotted_version:
            notes.append("{}::{}: fixed texts from {} version {} (no published {})".format(
                row.namespace, row.name, index.package_id, definition.get("version"), row.dotted_version))
        return "Generated by tools/profilegen from {}. Do not edit.".format(index.package_id)
    notes.append("{}::{}: no published profile; {}".format(
        row.namespace, row.name, "fixed texts from manual.tsv" if has_manual else "no fixed texts"))
    return "Generated by tools/profilegen from {}#{}. Do not edit.".format(row.package, row.dotted_version)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--packages", default=os.path.join(os.path.dirname(REPO), "shared", "fhir-packages"))
    parser.add_argument("--out", default=REPO)
    args = parser.parse_args()

    rows = read_rows(os.path.join(HERE, "profiles.tsv"))
    manual = read_manual(os.path.join(HERE, "manual.tsv"))
    rows_by_key = {r.key: r for r in rows}
    indexes = {}
    log = ["# Profile classes written by tools/profilegen", "",
           "Inputs: tools/profilegen/profiles.tsv, tools/profilegen/manual.tsv and these packages:", ""]
    for folder in sorted({r.source for r in rows if r.source != "-"}):
        indexes[folder] = PackageIndex(os.path.join(args.packages, folder))
        log.append("- {} ({})".format(indexes[folder].package_id, folder))

    members_by_key = {}
    notes = []
    for row in ordered(rows, rows_by_key):
        index = indexes.get(row.source)
        definition = index.by_url.get(row.url, (None, None))[1] if index else None
        inherited = inherited_members(row, rows_by_key, members_by_key)
        members = class_members(row, definition, manual.get(row.key, []), inherited, notes)
        members_by_key[row.key] = members
        first_line = provenance(row, definition, index, row.key in manual, notes)
        core = core_type(row, rows_by_key)
        # The writer takes an extension's url attribute from its url text, which
        # only the classes built directly on Extension set to the profile URL.
        if core == "Extension" and not row.is_extension:
            raise SystemExit("{}::{}: extension profiles must derive from core::Extension".format(
                row.namespace, row.name))
        write(os.path.join(args.out, row.folder, row.name + ".h"), header_text(row, first_line, members, core))
        write(os.path.join(args.out, row.folder, row.name + ".cpp"), source_text(row, first_line, members, core))

    for folder in sorted({r.folder for r in rows}):
        names = sorted(r.name for r in rows if r.folder == folder)
        text = "# Generated by tools/profilegen. Do not edit.\nlist(APPEND TEVO_SOURCES\n"
        text += "".join("    ${{TEVO_LIST_DIR}}/{}.cpp\n".format(n) for n in names) + ")\n"
        write(os.path.join(args.out, folder, "sources.cmake"), text)

    write(os.path.join(args.out, "tests/unit/profiles/ProfileList.inc"), list_text(rows, rows_by_key))

    log += ["", "Classes whose fixed texts do not come from their own published profile:", ""]
    log += ["- " + n for n in notes]
    log += ["", "{} classes written.".format(len(rows)), ""]
    write(os.path.join(args.out, "tools/profilegen/GeneratorLog.md"), "\n".join(log))
    return 0


def list_text(rows, rows_by_key):
    lines = ["// Generated by tools/profilegen. Do not edit.",
             "// Every profile class with its namespace and core type; included by the profile tests.",
             "#pragma once", "", "#include <memory>", "#include <string>", "", '#include "fhir/Element.h"']
    for row in sorted(rows, key=lambda r: (r.package, r.version, r.name)):
        lines.append('#include "{}/{}.h"'.format(row.folder, row.name))
    lines += ["", "namespace profile_list {", "",
              "struct ProfileClass {",
              "    const char* space;     // \"<package>::<version>\"",
              "    const char* name;",
              "    const char* coreType;  // core class the profile is built on",
              "    std::unique_ptr<fhir::Element> (*make)();",
              "    // getCanonical of an object made by `make`.",
              "    std::string (*canonical)(const fhir::Element&);",
              "    // The class's static URL and canonical texts.",
              "    const char* url;",
              "    const char* staticCanonical;",
              "};", "",
              "template <class T>",
              "std::unique_ptr<fhir::Element> make() {", "    return std::make_unique<T>();", "}", "",
              "template <class T>",
              "std::string canonical(const fhir::Element& object) {",
              "    return static_cast<const T&>(object).getCanonical();", "}", "",
              "const ProfileClass kProfileClasses[] = {"]
    for row in sorted(rows, key=lambda r: (r.package, r.version, r.name)):
        cls = "{}::{}".format(row.namespace, row.name)
        lines.append('    {{"{}::{}", "{}", "{}",'.format(row.package, row.version, row.name,
                                                      core_type(row, rows_by_key)))
        lines.append("     &make<{}>,".format(cls))
        lines.append("     &canonical<{}>,".format(cls))
        lines.append("     {0}::kUrl,".format(cls))
        lines.append("     {0}::kCanonical}},".format(cls))
    lines += ["};", "", "}  // namespace profile_list", ""]
    return "\n".join(lines)


if __name__ == "__main__":
    sys.exit(main())
