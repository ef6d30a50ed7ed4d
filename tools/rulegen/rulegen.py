#!/usr/bin/env python3
"""Generates the profile rule tables (fhir/r4/rules/) from the StructureDefinitions
in ../shared/fhir-packages: for every resource profile of the packages the library builds
documents for (and the core definitions of their resource types), and for every extension
definition, the invariants (key, severity, human text, FHIRPath expression) with the path of
the elements they apply to, written as a FHIRPath expression from the resource (or extension)
the rules are evaluated on. Slices become `where(...)` filters built from their discriminators.

    python3 tools/rulegen/rulegen.py            # rewrites the committed tables
    python3 tools/rulegen/rulegen.py --check    # exit 1 when they differ, 77 without packages
"""
import argparse
import json
import os
import re
import sys
import xml.etree.ElementTree as ET

REPO = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
OUT_DIR = os.path.join("fhir", "r4", "rules")
CORE_PACKAGE = "hl7.fhir.r4.core"
CORE_PREFIX = "http://hl7.org/fhir/StructureDefinition/"
# Packages whose resource profiles get a table: what the library builds and reads.
PROFILE_PACKAGES = ("kbv.ita.eau", "kbv.ita.erp", "kbv.ita.for", "kbv.basis", "kbv.ita.vos",
                    "de.gematik.elektronische-versicherungsbescheinigung")
# Checked natively on every element and every extension (see RuleCheck.cpp).
UNIVERSAL = {"ele-1": "Element", "ext-1": "Extension"}
FHIR_NS = "{http://hl7.org/fhir}"
PRIMITIVES = {"boolean", "integer", "string", "decimal", "uri", "url", "canonical", "base64Binary", "instant",
              "date", "dateTime", "time", "code", "oid", "id", "markdown", "unsignedInt", "positiveInt", "uuid",
              "xhtml"}


def version_key(version):
    return tuple(int(p) if p.isdigit() else 0 for p in re.split(r"[.-]", version or "0"))


# ---- reading packages --------------------------------------------------------------------------

def xml_to_json(element):
    """A FHIR XML resource as FHIR JSON (enough for StructureDefinitions)."""
    repeating = {"element", "constraint", "type", "profile", "targetProfile", "discriminator", "extension",
                 "contextInvariant", "context", "mapping", "alias", "condition", "example"}

    def convert(node):
        result = {}
        if "value" in node.attrib and len(node) == 0:
            return node.attrib["value"]
        for key in ("url", "id"):
            if key in node.attrib:
                result[key] = node.attrib[key]
        if "value" in node.attrib:
            result["value"] = node.attrib["value"]
        for child in node:
            name = child.tag.replace(FHIR_NS, "")
            if name == "div" or not isinstance(child.tag, str):
                continue
            value = convert(child)
            if name in repeating:
                result.setdefault(name, []).append(value)
            else:
                result[name] = value
        return result

    data = convert(element)
    data["resourceType"] = element.tag.replace(FHIR_NS, "")
    if isinstance(data.get("type"), list):
        data["type"] = data["type"][0]
    for part in ("snapshot", "differential"):
        for e in data.get(part, {}).get("element", []):
            if "min" in e:
                e["min"] = int(e["min"])
            for d in e.get("slicing", {}).get("discriminator", []):
                if isinstance(d.get("type"), list):
                    d["type"] = d["type"][0]
    return data


class Package:
    def __init__(self, folder):
        self.folder = folder
        self.name, self.version, self.dependencies = self.read_manifest(folder)
        self.definitions = []
        for root, _dirs, files in os.walk(folder):
            for name in sorted(files):
                path = os.path.join(root, name)
                data = None
                if name.endswith(".json") and name != "package.json" and not name.startswith("."):
                    try:
                        with open(path, encoding="utf-8-sig") as f:
                            data = json.load(f)
                    except (ValueError, OSError):
                        continue
                elif name.endswith(".xml"):
                    try:
                        root_element = ET.parse(path).getroot()
                    except ET.ParseError:
                        continue
                    if root_element.tag != FHIR_NS + "StructureDefinition":
                        continue
                    data = xml_to_json(root_element)
                if isinstance(data, dict) and data.get("resourceType") == "StructureDefinition" and data.get("url"):
                    data["_package"] = self
                    self.definitions.append(data)

    @staticmethod
    def read_manifest(folder):
        for candidate in (os.path.join(folder, "package.json"), os.path.join(folder, "package", "package.json")):
            if os.path.exists(candidate):
                with open(candidate, encoding="utf-8-sig") as f:
                    data = json.load(f)
                return data.get("name"), data.get("version"), data.get("dependencies", {})
        base = os.path.basename(folder)
        match = re.match(r"^(.*)-(\d+\.\d+\.\d+)$", base)
        name, version = (match.group(1), match.group(2)) if match else (base, "0")
        # A folder without manifest: the versions its README names (kbv.ita.vos).
        dependencies = {"hl7.fhir.r4.core": "4.0.1"}
        if name == "kbv.ita.vos":
            dependencies.update({"kbv.basis": "1.3.0", "kbv.ita.for": "1.1.0", "kbv.ita.erp": "1.1.2",
                                 "de.basisprofil.r4": "1.3.2"})
        return name, version, dependencies

    @property
    def label(self):
        return "%s@%s" % (self.name, self.version)


class Registry:
    def __init__(self, packages_dir):
        self.packages = []
        for name in sorted(os.listdir(packages_dir)):
            path = os.path.join(packages_dir, name)
            if os.path.isdir(path):
                self.packages.append(Package(path))
        self.by_url = {}
        for package in self.packages:
            for sd in package.definitions:
                self.by_url.setdefault(sd["url"], []).append(sd)
        self.effective_cache = {}

    def package(self, name, version):
        exact = [p for p in self.packages if p.name == name and p.version == version]
        if exact:
            return exact[0]
        same = [p for p in self.packages if p.name == name]
        return max(same, key=lambda p: version_key(p.version)) if same else None

    def closure(self, package):
        seen = []
        todo = [package]
        while todo:
            p = todo.pop(0)
            if p is None or p in seen:
                continue
            seen.append(p)
            for name, version in sorted(p.dependencies.items()):
                todo.append(self.package(name, version))
        return seen

    def resolve(self, canonical, context=None):
        url, _, version = canonical.partition("|")
        candidates = self.by_url.get(url, [])
        if version:
            exact = [sd for sd in candidates if sd.get("version") == version]
            if not exact:
                exact = [sd for sd in candidates if (sd.get("version") or "").startswith(version + ".")]
            candidates = exact
        if not candidates:
            return None
        if context is not None:
            preferred = self.closure(context)
            own = [sd for sd in candidates if sd["_package"] in preferred]
            if own:
                candidates = own
        return max(candidates, key=lambda sd: (version_key(sd.get("version")), version_key(sd["_package"].version)))

    def core(self, type_name):
        return self.resolve(CORE_PREFIX + type_name)

    def effective(self, sd):
        """The snapshot elements, or the base's merged with the differential."""
        key = id(sd)
        if key in self.effective_cache:
            return self.effective_cache[key]
        if sd.get("snapshot", {}).get("element"):
            elements = sd["snapshot"]["element"]
        else:
            base = self.resolve(sd.get("baseDefinition", ""), sd["_package"])
            elements = [dict(e) for e in self.effective(base)] if base else []
            index = {e["id"]: i for i, e in enumerate(elements)}
            for diff in sd.get("differential", {}).get("element", []):
                eid = diff.get("id") or diff.get("path")
                if eid in index:
                    merged = dict(elements[index[eid]])
                    for k, v in diff.items():
                        if k == "constraint":
                            keys = {c["key"] for c in merged.get("constraint", [])}
                            merged["constraint"] = merged.get("constraint", []) + [c for c in v if c["key"] not in keys]
                        else:
                            merged[k] = v
                    elements[index[eid]] = merged
                else:
                    added = dict(diff)
                    added.setdefault("id", eid)
                    parent = eid.rsplit(".", 1)[0]
                    at = len(elements)
                    for i, e in enumerate(elements):
                        if e["id"] == parent or e["id"].startswith(parent + ".") or e["id"].startswith(parent + ":"):
                            at = i + 1
                    elements.insert(at, added)
                    index = {e["id"]: i for i, e in enumerate(elements)}
        self.effective_cache[key] = elements
        return elements


# ---- FHIRPath text -----------------------------------------------------------------------------

def literal(value):
    if isinstance(value, bool):
        return "true" if value else "false"
    if isinstance(value, (int, float)):
        return str(value)
    return "'" + str(value).replace("\\", "\\\\").replace("'", "\\'") + "'"


def pattern_condition(value):
    """A condition on $this that holds when it carries every part of the pattern."""
    if not isinstance(value, dict):
        return "$this = " + literal(value)
    parts = []
    for key in sorted(value):
        if key.startswith("_") or key in ("id", "extension"):
            continue
        item = value[key]
        items = item if isinstance(item, list) else [item]
        for one in items:
            if isinstance(one, dict):
                parts.append("%s.where(%s).exists()" % (key, pattern_condition(one)))
            else:
                parts.append("%s = %s" % (key, literal(one)))
    return " and ".join(parts) if parts else "true"


def fixed_or_pattern(element):
    for key, value in element.items():
        if key.startswith("fixed") or key.startswith("pattern"):
            return value
    return None


class Walker:
    """Collects the rules of one definition, with contexts relative to its root."""

    def __init__(self, registry, log):
        self.registry = registry
        self.log = log

    def rules(self, sd, prefix=(), stack=()):
        elements = self.registry.effective(sd)
        by_id = {e["id"]: e for e in elements}
        ids = set(by_id)
        out = []
        for element in elements:
            eid = element["id"]
            context = self.context(sd, eid, by_id)
            if context is None:
                continue
            context = prefix + context
            for c in element.get("constraint", []):
                if not c.get("expression") or c["key"] in UNIVERSAL:
                    continue
                out.append((context, c["key"], c.get("severity", "error"), c.get("human", ""), c["expression"]))
            if any(i.startswith(eid + ".") for i in ids):
                continue
            for t in element.get("type", []):
                code = t.get("code", "")
                if code in PRIMITIVES or code in ("Extension", "Resource", "BackboneElement", "Element",
                                                  "Narrative") or code[:1].islower() or "." in code:
                    continue
                if code[:1].isupper() and self.registry.core(code) and self.registry.core(code).get("kind") == "resource":
                    continue
                profiles = t.get("profile") or [CORE_PREFIX + code]
                target = self.registry.resolve(profiles[0], sd["_package"])
                if not target or target["url"] in stack:
                    continue
                sub = context
                if eid.endswith("[x]") and len(element.get("type", [])) > 1:
                    sub = context + ("ofType(%s)" % code,)
                out.extend(self.rules(target, sub, stack + (target["url"],)))
        return out

    def context(self, sd, eid, by_id):
        segments = eid.split(".")
        steps = []
        for i in range(1, len(segments)):
            name, _, slice_name = segments[i].partition(":")
            if name.endswith("[x]"):
                base = name[:-3]
                if slice_name:
                    if not slice_name.startswith(base):
                        self.log.append("%s: slice %s of a choice not named by its type" % (sd["url"], eid))
                        return None
                    type_name = slice_name[len(base):]
                    steps.append("%s.ofType(%s)" % (base, lower_primitive(type_name)))
                else:
                    steps.append(base)
                continue
            if not slice_name:
                steps.append(name)
                continue
            if "/" in slice_name:
                self.log.append("%s: re-slice %s skipped" % (sd["url"], eid))
                return None
            entry_id = ".".join(segments[:i]) + "." + name
            condition = self.slice_condition(sd, entry_id, entry_id + ":" + slice_name, by_id)
            if condition is None:
                return None
            steps.append("%s.where(%s)" % (name, condition))
        return tuple(steps)

    def slice_condition(self, sd, entry_id, slice_id, by_id):
        entry = by_id.get(entry_id, {})
        slicing = entry.get("slicing")
        slice_element = by_id.get(slice_id, {})
        if not slicing and entry_id.endswith("extension") or not slicing and entry_id.endswith("modifierExtension"):
            slicing = {"discriminator": [{"type": "value", "path": "url"}]}
        if not slicing:
            self.log.append("%s: %s has no slicing" % (sd["url"], slice_id))
            return None
        conditions = []
        for discriminator in slicing.get("discriminator", []):
            kind = discriminator.get("type")
            path = discriminator.get("path", "$this")
            condition = self.discriminator(sd, kind, path, slice_id, slice_element, by_id)
            if condition is None:
                self.log.append("%s: %s: no value for discriminator %s %s" % (sd["url"], slice_id, kind, path))
                return None
            conditions.append(condition)
        return " and ".join(conditions) if conditions else None

    def discriminator(self, sd, kind, path, slice_id, slice_element, by_id):
        if kind in ("value", "pattern"):
            if path == "url":
                fixed = by_id.get(slice_id + ".url", {})
                url = fixed_or_pattern(fixed)
                if url is None:
                    for t in slice_element.get("type", []):
                        if t.get("profile"):
                            url = t["profile"][0].split("|")[0]
                if url is None:
                    return None
                return "url = " + literal(url)
            value = self.value_at(path, slice_id, slice_element, by_id)
            if value is None and path.endswith("meta.profile"):
                owner = by_id.get(slice_id + "." + path[:-len(".meta.profile")], {}) if path != "meta.profile" else slice_element
                profiles = [p for t in owner.get("type", []) for p in t.get("profile", [])]
                if profiles:
                    url = profiles[0].split("|")[0]
                    return "%s.where($this = %s or $this.startsWith(%s)).exists()" % (
                        path, literal(url), literal(url + "|"))
            if value is None:
                value = self.value_in_type_profile(sd, path, slice_element)
            if value is None:
                return None
            if path == "$this":
                return pattern_condition(value)
            if isinstance(value, dict):
                return "%s.where(%s).exists()" % (path, pattern_condition(value))
            return "(%s contains %s)" % (path, literal(value))
        if kind == "type":
            target = slice_element if path == "$this" else by_id.get(slice_id + "." + path, {})
            codes = [t.get("code") for t in target.get("type", [])]
            if len(codes) != 1:
                return None
            return "%s is %s" % (path, lower_primitive(codes[0]))
        if kind == "profile":
            target = slice_element if path == "$this" else by_id.get(slice_id + "." + path, {})
            profiles = [p for t in target.get("type", []) for p in t.get("profile", [])]
            if not profiles:
                return None
            url = profiles[0].split("|")[0]
            return "%s.meta.profile.where($this = %s or $this.startsWith(%s)).exists()" % (
                path, literal(url), literal(url + "|"))
        if kind == "exists":
            target = by_id.get(slice_id + "." + path, {})
            if target.get("max") == "0":
                return "%s.empty()" % path
            if target.get("min", 0) >= 1:
                return "%s.exists()" % path
            return None
        return None

    def value_in_type_profile(self, sd, path, slice_element):
        """A value fixed by the profile of the slice's type, when the slice is not expanded."""
        for t in slice_element.get("type", []):
            for profile in t.get("profile", []):
                target = self.registry.resolve(profile, sd["_package"])
                if not target:
                    continue
                elements = self.registry.effective(target)
                root = elements[0]["id"] if elements else ""
                value = self.value_at(path, root, elements[0] if elements else {}, {e["id"]: e for e in elements})
                if value is not None:
                    return value
        return None

    @staticmethod
    def value_at(path, slice_id, slice_element, by_id):
        if path == "$this":
            value = fixed_or_pattern(slice_element)
            if value is None:
                # the values fixed on the slice's own children
                children = {}
                for eid, element in by_id.items():
                    rest = eid[len(slice_id) + 1:] if eid.startswith(slice_id + ".") else ""
                    if rest and "." not in rest and ":" not in rest:
                        child = fixed_or_pattern(element)
                        if child is not None:
                            children[rest.replace("[x]", "")] = child
                value = children or None
            return value
        segments = path.split(".")
        # The longest prefix of the path with a fixed or pattern value, then into that value.
        for k in range(len(segments), 0, -1):
            element = by_id.get(slice_id + "." + ".".join(segments[:k]))
            value = fixed_or_pattern(element) if element else None
            if value is None:
                continue
            for segment in segments[k:]:
                if isinstance(value, list):
                    value = value[0] if value else None
                if not isinstance(value, dict) or segment not in value:
                    return None
                value = value[segment]
            if isinstance(value, list):
                value = value[0] if len(value) == 1 else None
            return value
        base = fixed_or_pattern(slice_element)
        for segment in segments:
            if isinstance(base, list):
                base = base[0] if base else None
            if not isinstance(base, dict) or segment not in base:
                return None
            base = base[segment]
        return base


def lower_primitive(type_name):
    lowered = type_name[:1].lower() + type_name[1:]
    return lowered if lowered in PRIMITIVES else type_name


# ---- output ------------------------------------------------------------------------------------

def cpp_string(text):
    out = []
    for byte in text.encode("utf-8"):
        c = chr(byte)
        if c == "\\":
            out.append("\\\\")
        elif c == '"':
            out.append('\\"')
        elif 32 <= byte < 127 and c != "?":
            out.append(c)
        else:
            out.append("\\%03o" % byte)
    return '"' + "".join(out) + '"'


def build(registry):
    log = []
    walker = Walker(registry, log)
    rule_sets = []  # (url, version, type, kind, package label, closure, rules)
    types = set()
    chosen = []
    for package in registry.packages:
        if package.name not in PROFILE_PACKAGES:
            continue
        for sd in package.definitions:
            if sd.get("kind") == "resource" and sd.get("derivation") == "constraint":
                chosen.append(sd)
                types.add(sd.get("type"))
    for type_name in sorted(types):
        core = registry.core(type_name)
        if core:
            chosen.append(core)
    extensions = [sd for p in registry.packages for sd in p.definitions
                  if sd.get("type") == "Extension" and sd.get("derivation") == "constraint"]
    for sd in chosen + extensions:
        rules = walker.rules(sd, (), (sd["url"],))
        seen = set()
        unique = []
        for rule in rules:
            if (rule[0], rule[1], rule[4]) not in seen:
                seen.add((rule[0], rule[1], rule[4]))
                unique.append(rule)
        if sd.get("type") == "Extension" and not unique:
            continue
        unique.sort(key=lambda r: (r[0], r[1]))
        package = sd["_package"]
        closure = " ".join(p.label for p in registry.closure(package))
        rule_sets.append((sd["url"], sd.get("version") or "", sd.get("type"), package.label, closure, unique))
    rule_sets.sort(key=lambda r: (r[0], version_key(r[1]), r[3]))
    # identical rule sets of one profile version in several packages: keep the newest package
    kept = {}
    for r in rule_sets:
        kept[(r[0], r[1])] = r
    rule_sets = sorted(kept.values(), key=lambda r: (r[0], version_key(r[1])))
    universal = []
    for key, type_name in sorted(UNIVERSAL.items()):
        core = registry.core(type_name)
        for c in core["snapshot"]["element"][0].get("constraint", []):
            if c["key"] == key:
                universal.append((type_name, c["key"], c["severity"], c.get("human", ""), c["expression"]))
    return rule_sets, universal, log


def render(rule_sets, universal):
    texts = {}
    order = []

    def text(value):
        if value not in texts:
            texts[value] = len(order)
            order.append(value)
        return texts[value]

    # The element paths as a tree of steps: every path and each of its
    # prefixes once, a prefix before the paths that extend it.
    paths = {()}
    for rule_set in rule_sets:
        for rule in rule_set[5]:
            for n in range(1, len(rule[0]) + 1):
                paths.add(rule[0][:n])
    ordered = sorted(paths)
    context_id = {path: i for i, path in enumerate(ordered)}
    if len(ordered) > 0xFFFF:
        raise SystemExit("more than 65535 element paths: widen the context indices")
    contexts = [(0xFFFF if not path else context_id[path[:-1]], text(path[-1] if path else "")) for path in ordered]
    rows = []
    profiles = []
    for url, version, type_name, package, closure, rules in rule_sets:
        first = len(rows)
        for context, key, severity, human, expression in sorted(rules, key=lambda r: (context_id[r[0]], r[1])):
            rows.append((context_id[context], text(key), text(human), text(expression), severity))
        profiles.append((url, version, type_name, package, closure, first, len(rows) - first))
    universal_rows = [(text(t), text(k), text(h), text(e), s) for t, k, s, h, e in universal]
    if len(order) > 0xFFFF:
        raise SystemExit("more than 65535 texts: widen RuleRow's indices")
    lines = ["// Generated by tools/rulegen/rulegen.py from the StructureDefinitions in",
             "// ../shared/fhir-packages. Do not edit; rerun the generator.",
             '#include "fhir/fhirpath/RuleTable.h"',
             "",
             "namespace fhir::path::rules {",
             "",
             "namespace {",
             "",
             "const char* const kTexts[] = {"]
    lines += ["    %s," % cpp_string(t) for t in order]
    lines += ["};", "", "const ContextRow kContexts[] = {"]
    lines += ["    {%d, %d}," % c for c in contexts]
    lines += ["};", "", "const RuleRow kRules[] = {"]

    def row(r):
        return "    {%d, %d, %d, %d, Severity::%s}," % (r[0], r[1], r[2], r[3],
                                                       "Error" if r[4] == "error" else "Warning")
    lines += [row(r) for r in rows]
    lines += ["};", "", "const RuleRow kUniversal[] = {"]
    lines += [row(r) for r in universal_rows]
    lines += ["};", "", "const ProfileRow kProfiles[] = {"]
    for url, version, type_name, package, closure, first, count in profiles:
        lines.append("    {%s, %s, %s, %s, %s, %d, %d}," % (cpp_string(url), cpp_string(version), cpp_string(type_name),
                                                          cpp_string(package), cpp_string(closure), first, count))
    lines += ["};", "", "}  // namespace", "",
              "const RuleTable& table() {",
              "    static const RuleTable kTable{kTexts, sizeof kTexts / sizeof kTexts[0], kContexts,",
              "                                  sizeof kContexts / sizeof kContexts[0], kRules,",
              "                                  sizeof kRules / sizeof kRules[0], kUniversal,",
              "                                  sizeof kUniversal / sizeof kUniversal[0], kProfiles,",
              "                                  sizeof kProfiles / sizeof kProfiles[0]};",
              "    return kTable;",
              "}", "", "}  // namespace fhir::path::rules", ""]
    return "\n".join(lines)


def outputs(packages_dir):
    registry = Registry(packages_dir)
    rule_sets, universal, log = build(registry)
    files = {
        os.path.join(OUT_DIR, "RuleTables.cpp"): render(rule_sets, universal),
        os.path.join(OUT_DIR, "sources.cmake"): "# Generated by tools/rulegen/rulegen.py.\n"
                                                "list(APPEND TEVO_SOURCES ${TEVO_LIST_DIR}/RuleTables.cpp)\n",
        os.path.join("tools", "rulegen", "rulegen_log.txt"):
            "# Slices whose rules are left out: no discriminator value the generator can express.\n"
            + "".join(line + "\n" for line in sorted(set(log))),
    }
    return files


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--packages", default=os.path.join(os.path.dirname(REPO), "shared", "fhir-packages"))
    parser.add_argument("--out", default=REPO)
    parser.add_argument("--check", action="store_true")
    args = parser.parse_args()
    if not os.path.isdir(args.packages):
        print("packages not found: " + args.packages)
        return 77
    files = outputs(args.packages)
    problems = 0
    for rel, content in sorted(files.items()):
        path = os.path.join(args.out, rel)
        if args.check:
            try:
                with open(path, encoding="utf-8") as f:
                    current = f.read()
            except OSError:
                current = None
            if current != content:
                print("differs from a fresh run: " + rel)
                problems += 1
        else:
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with open(path, "w", encoding="utf-8", newline="\n") as f:
                f.write(content)
    if problems:
        print("%d generated file(s) out of date; rerun tools/rulegen/rulegen.py" % problems)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
