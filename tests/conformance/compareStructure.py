#!/usr/bin/env python3
"""Compares FHIR XML documents structurally, element by element.

    compareStructure.py [--expected FILE] LABEL ORIGINAL REBUILT [LABEL ORIGINAL REBUILT ...]

Each document becomes, per resource, the multiset of its leaves: the path of
every element that holds a value (extensions named by the last part of their
URL, e.g. `Patient.name.family.extension(humanname-own-name).valueString`) with
that value. Resources of a bundle are paired by type and profile (without
version), in document order. What identifies a document or a moment rather than
its content is masked: resource ids, full URLs, the bundle's id and timestamp,
`meta.lastUpdated`; a reference becomes the kind of resource it points to.

Every difference is printed as

    LABEL  SIDE  PATH  VALUE

with SIDE "-" (only in ORIGINAL) or "+" (only in REBUILT). With --expected, a
difference that matches a line of FILE (same four fields; LABEL, PATH and VALUE
are shell-style patterns, VALUE may be left out) is expected. The exit status is
1 when an unexpected difference is found or an expected line matches nothing,
so that a new difference and a vanished one both show.
"""
import collections
import fnmatch
import sys
import xml.etree.ElementTree as ET

FHIR = "{http://hl7.org/fhir}"
XHTML = "{http://www.w3.org/1999/xhtml}"
MASKED = "<masked>"


def local(tag):
    return tag.replace(FHIR, "")


def value_of(element, name):
    child = element.find(FHIR + name)
    return child.get("value", "") if child is not None else ""


def profile_of(resource):
    meta = resource.find(FHIR + "meta")
    profile = value_of(meta, "profile") if meta is not None else ""
    return profile.split("|")[0].rsplit("/", 1)[-1]


def step(element):
    name = local(element.tag)
    if name in ("extension", "modifierExtension"):
        return f"{name}({element.get('url', '').rstrip('/').rsplit('/', 1)[-1]})"
    return name


class Document:
    """The resources of one document, each with its leaves."""

    def __init__(self, path):
        root = ET.parse(path).getroot()
        self.targets = {}
        resources = []
        if local(root.tag) == "Bundle":
            for entry in root.findall(FHIR + "entry"):
                holder = entry.find(FHIR + "resource")
                if holder is None or len(holder) == 0:
                    continue
                resource = holder[0]
                resources.append(resource)
                kind = local(resource.tag)
                full_url = value_of(entry, "fullUrl")
                ident = value_of(resource, "id")
                for name in (full_url, ident, f"{kind}/{ident}"):
                    if name:
                        self.targets[name] = kind
        self.resources = [(self.key(root), self.leaves(root, top=True, bundle=True))]
        self.resources += [(self.key(r), self.leaves(r, top=True)) for r in resources]

    @staticmethod
    def key(resource):
        return local(resource.tag), profile_of(resource)

    def leaves(self, element, top=False, bundle=False, path=None):
        path = path or local(element.tag)
        found = collections.Counter()
        for child in element:
            if not isinstance(child.tag, str):
                continue
            name = local(child.tag)
            if bundle and name == "entry":
                continue
            child_path = f"{path}.{step(child)}"
            if child.tag.startswith(XHTML):
                found[(child_path, "<xhtml>")] += 1
                continue
            if "value" in child.attrib:
                found[(child_path, self.masked(name, child.get("value"), top, bundle))] += 1
            elif len(child) == 0:
                found[(child_path, "")] += 1
            found.update(self.leaves(child, path=child_path))
        return found

    def masked(self, name, value, top, bundle):
        if top and name == "id" or bundle and name == "timestamp" or name == "lastUpdated":
            return MASKED
        if name == "reference":
            return "-> " + self.targets.get(value, "?")
        return value


def pair(original, rebuilt):
    """Resources paired by type and profile, in document order; None where missing."""
    left = collections.defaultdict(list)
    for key, leaves in original.resources:
        left[key].append(leaves)
    right = collections.defaultdict(list)
    for key, leaves in rebuilt.resources:
        right[key].append(leaves)
    for key in list(left) + [k for k in right if k not in left]:
        a, b = left[key], right[key]
        for index in range(max(len(a), len(b))):
            name = key[0] if index == 0 else f"{key[0]}[{index + 1}]"
            yield name, (a[index] if index < len(a) else None), (b[index] if index < len(b) else None)


def differences(label, original_path, rebuilt_path):
    original, rebuilt = Document(original_path), Document(rebuilt_path)
    found = []
    for name, a, b in pair(original, rebuilt):
        if a is None or b is None:
            found.append((label, "-" if b is None else "+", name, "<resource>"))
            continue
        for (path, value), count in sorted(((a - b) + (b - a)).items()):
            side = "-" if a[(path, value)] > b[(path, value)] else "+"
            found += [(label, side, name + path[path.index("."):], value)] * count
    return found


def read_expected(path):
    expected = []
    with open(path, encoding="utf-8") as lines:
        for number, line in enumerate(lines, 1):
            line = line.rstrip("\n")
            if not line.strip() or line.lstrip().startswith("#"):
                continue
            fields = line.split(None, 3)
            if len(fields) < 3 or fields[1] not in "-+":
                sys.exit(f"{path}:{number}: expected LABEL SIDE PATH [VALUE]")
            expected.append((number, fields))
    return expected


def matches(fields, difference):
    label, side, path = fields[:3]
    return (fnmatch.fnmatchcase(difference[0], label) and side == difference[1]
            and fnmatch.fnmatchcase(difference[2], path)
            and (len(fields) < 4 or fnmatch.fnmatchcase(difference[3], fields[3])))


def main(args):
    expected = []
    if args[:1] == ["--expected"]:
        expected = read_expected(args[1])
        args = args[2:]
    if not args or len(args) % 3:
        sys.exit(__doc__)
    used = set()
    unexpected = 0
    for i in range(0, len(args), 3):
        for difference in differences(*args[i:i + 3]):
            hits = [number for number, fields in expected if matches(fields, difference)]
            used.update(hits)
            mark = "expected  " if hits else "UNEXPECTED"
            unexpected += not hits
            print(mark, "  ".join(difference))
    stale = [number for number, _ in expected if number not in used]
    for number in stale:
        print(f"STALE      expected difference on line {number} no longer found")
    print(f"{len(args) // 3} pairs, {unexpected} unexpected differences, {len(stale)} stale expectations")
    return 1 if unexpected or stale else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
