#include "fhir/fhirpath/ProfileCheck.h"

#include <algorithm>
#include <utility>
#include <memory>
#include <optional>
#include <string>

#include "fhir/fhirpath/Evaluator.h"
#include "fhir/fhirpath/Expression.h"

namespace fhir::path {

namespace {

using rules::ProfileRow;
using rules::RuleRow;

constexpr std::string_view kCorePrefix = "http://hl7.org/fhir/StructureDefinition/";
constexpr std::uint16_t kNoParent = 0xFFFF;
constexpr std::uint32_t kNoSlot = 0xFFFFFFFF;

// The expressions of the tables, parsed once per process on first use.
class CompiledRules {
public:
    static const CompiledRules& instance() {
        static const CompiledRules compiled;
        return compiled;
    }

    // Null for "" (the root path's step) and for a text that does not parse.
    const Expression* at(std::uint16_t text) const { return expressions_[text].get(); }
    const std::vector<std::string>& errors() const { return errors_; }

private:
    CompiledRules() {
        const auto& table = rules::table();
        expressions_.resize(table.textCount);
        const auto compile = [&](std::uint16_t index) {
            const std::string_view text = table.texts[index];
            if (text.empty() || expressions_[index]) {
                return;
            }
            try {
                expressions_[index] = std::make_unique<Expression>(text);
            } catch (const ParseError& error) {
                errors_.push_back(std::string(text) + ": " + error.what());
            }
        };
        for (std::size_t i = 0; i < table.contextCount; ++i) {
            compile(table.contexts[i].step);
        }
        for (std::size_t i = 0; i < table.ruleCount; ++i) {
            compile(table.rules[i].expression);
        }
        for (std::size_t i = 0; i < table.universalCount; ++i) {
            compile(table.universal[i].expression);
        }
    }

    std::vector<std::unique_ptr<Expression>> expressions_;
    std::vector<std::string> errors_;
};

std::vector<int> versionParts(std::string_view version) {
    std::vector<int> parts;
    int current = 0;
    bool any = false;
    for (const char c : version) {
        if (c >= '0' && c <= '9') {
            current = current * 10 + (c - '0');
            any = true;
        } else {
            parts.push_back(any ? current : 0);
            current = 0;
            any = false;
        }
    }
    parts.push_back(current);
    return parts;
}

// The rule sets of a url (the table is sorted by url).
std::pair<const ProfileRow*, const ProfileRow*> rowsOf(std::string_view url) {
    const auto& table = rules::table();
    const ProfileRow* first = table.profiles;
    const ProfileRow* last = table.profiles + table.profileCount;
    const auto lower = std::lower_bound(first, last, url,
                                        [](const ProfileRow& row, std::string_view u) { return row.url < u; });
    const auto upper = std::upper_bound(lower, last, url,
                                        [](std::string_view u, const ProfileRow& row) { return u < row.url; });
    return {lower, upper};
}

// The rule set of a canonical "url|version": that version, the highest
// "version.x" of a shorter one, or the highest version without one.
const ProfileRow* findProfile(std::string_view canonical) {
    const auto bar = canonical.find('|');
    const std::string_view url = canonical.substr(0, bar);
    const std::string_view version = bar == std::string_view::npos ? std::string_view{} : canonical.substr(bar + 1);
    const ProfileRow* best = nullptr;
    const auto [first, last] = rowsOf(url);
    for (const ProfileRow* candidate = first; candidate != last; ++candidate) {
        const ProfileRow& row = *candidate;
        const std::string_view rowVersion = row.version;
        const bool fits = version.empty() || rowVersion == version ||
                          (rowVersion.size() > version.size() && rowVersion.compare(0, version.size(), version) == 0 &&
                           rowVersion[version.size()] == '.');
        if (fits && (!best || versionParts(best->version) < versionParts(rowVersion))) {
            best = &row;
        }
    }
    return best;
}

const Node* child(const Node& node, std::string_view name) {
    for (const Node& c : node) {
        if (c.name == name && c.kind != Node::Kind::Text) {
            return &c;
        }
    }
    return nullptr;
}

std::string_view attribute(const Node& node, std::string_view name) {
    for (const Node& c : node) {
        if (c.kind == Node::Kind::Attribute && c.name == name) {
            return c.value;
        }
    }
    return {};
}

bool isExtension(const Node& node) {
    return node.kind == Node::Kind::Element && !node.isXhtml &&
           (node.name == "extension" || node.name == "modifierExtension");
}

class Checker {
public:
    explicit Checker(const NodeDocument& document)
        : document_(document),
          compiled_(CompiledRules::instance()),
          environment_(*document.root(), currentDate(), currentDateTime()) {
        paths_.reserve(256);
        slots_.assign(rules::table().contextCount, kNoSlot);
    }

    std::vector<RuleFailure> run() {
        walk(*document_.root(), nullptr);
        return std::move(failures_);
    }

private:
    // Visits every node once: a resource brings its profiles' rules, an
    // extension its definition's, every element the universal ones.
    void walk(const Node& node, const ProfileRow* owner) {
        if (node.kind != Node::Kind::Element || node.isXhtml) {
            return;
        }
        if (node.isResource) {
            owner = checkResource(node);
        }
        universal(node);
        if (isExtension(node)) {
            checkExtension(node, owner);
        }
        for (const Node& c : node) {
            walk(c, owner);
        }
    }

    const ProfileRow* checkResource(const Node& resource) {
        const ProfileRow* first = nullptr;
        if (const Node* meta = child(resource, "meta")) {
            for (const Node& profile : *meta) {
                if (profile.name != "profile" || !profile.hasValue) {
                    continue;
                }
                const ProfileRow* row = findProfile(profile.value);
                if (row && row->type == resource.typeName) {
                    apply(*row, resource);
                    first = first ? first : row;
                }
            }
        }
        if (!first) {
            const std::string core = std::string(kCorePrefix) + std::string(resource.typeName);
            if (const ProfileRow* row = findProfile(core)) {
                apply(*row, resource);
            }
        }
        return first;
    }

    void checkExtension(const Node& extension, const ProfileRow* owner) {
        const std::string_view url = attribute(extension, "url");
        if (url.empty()) {
            return;
        }
        const ProfileRow* best = nullptr;
        bool bestPreferred = false;
        const auto [first, last] = rowsOf(url);
        for (const ProfileRow* candidate = first; candidate != last; ++candidate) {
            const ProfileRow& row = *candidate;
            const bool preferred = owner && std::string_view(owner->closure).find(row.package) != std::string_view::npos;
            if (!best || (preferred && !bestPreferred) ||
                (preferred == bestPreferred && versionParts(best->version) < versionParts(row.version))) {
                best = &row;
                bestPreferred = preferred;
            }
        }
        if (best) {
            apply(*best, extension);
        }
    }

    void universal(const Node& node) {
        const auto& table = rules::table();
        for (std::size_t i = 0; i < table.universalCount; ++i) {
            const RuleRow& row = table.universal[i];
            const std::string_view scope = table.texts[row.context];
            if (scope == "Extension" && !isExtension(node)) {
                continue;
            }
            if (!holdsNatively(table.texts[row.key], node)) {
                fail(row, node);
            }
        }
    }

    // ele-1 and ext-1, which every element and extension must pass, are
    // decided without the evaluator, the way the reference checker does.
    static bool holdsNatively(std::string_view key, const Node& node) {
        if (key == "ele-1") {
            return node.hasValue || node.isResource ||
                   std::any_of(node.begin(), node.end(), [](const Node& c) { return c.kind == Node::Kind::Element; });
        }
        bool extension = false;
        bool value = false;
        for (const Node& c : node) {
            if (c.kind != Node::Kind::Element) continue;
            extension = extension || c.name == "extension";
            value = value || c.name.compare(0, 5, "value") == 0;
        }
        return extension != value;
    }

    void apply(const ProfileRow& profile, const Node& root) {
        const auto& table = rules::table();
        const RuleRow* rows = table.rules + profile.firstRule;
        for (const auto& known : paths_) {
            slots_[known.first] = kNoSlot;
        }
        paths_.clear();
        std::size_t i = 0;
        while (i < profile.ruleCount) {
            const std::uint16_t context = rows[i].context;
            std::size_t end = i;
            while (end < profile.ruleCount && rows[end].context == context) {
                ++end;
            }
            const Collection& focus = paths_[path(context, root)].second;
            for (; i < end; ++i) {
                if (rows[i].severity != Severity::Error) {
                    continue;
                }
                const Expression* expression = compiled_.at(rows[i].expression);
                for (const Value& item : focus) {
                    if (expression && item.type == Value::Type::Node && !holdsOn(*expression, *item.node)) {
                        fail(rows[i], *item.node);
                    }
                }
            }
        }
    }

    // The index in paths_ of the elements of a path from `root`; each path
    // is evaluated once per rule set, on the elements of its parent path.
    std::size_t path(std::uint16_t context, const Node& root) {
        if (slots_[context] != kNoSlot) {
            return slots_[context];
        }
        const rules::ContextRow& row = rules::table().contexts[context];
        Collection elements;
        if (row.parent == kNoParent) {
            elements.push_back(Value::ofNode(root));
        } else {
            const Collection& parent = paths_[path(row.parent, root)].second;
            const Expression* step = compiled_.at(row.step);
            if (!parent.empty() && step) {
                try {
                    elements = evaluate(*step, parent, root, environment_);
                } catch (const EvaluationError&) {
                    elements.clear();
                }
            }
        }
        paths_.emplace_back(context, std::move(elements));
        slots_[context] = static_cast<std::uint32_t>(paths_.size() - 1);
        return slots_[context];
    }

    bool holdsOn(const Expression& expression, const Node& node) {
        try {
            return holds(evaluate(expression, node, environment_));
        } catch (const EvaluationError&) {
            return true;
        }
    }

    void fail(const RuleRow& row, const Node& node) {
        const auto& table = rules::table();
        const std::string_view key = table.texts[row.key];
        const bool known = std::any_of(failures_.begin(), failures_.end(),
                                       [&](const RuleFailure& f) { return f.node == &node && f.key == key; });
        if (!known) {
            failures_.push_back({key, table.texts[row.human], table.texts[row.expression], row.severity, &node});
        }
    }

    const NodeDocument& document_;
    const CompiledRules& compiled_;
    Environment environment_;
    // The paths evaluated for the rule set being applied, with their elements,
    // and where in paths_ each context's elements are (kNoSlot: not yet).
    std::vector<std::pair<std::uint16_t, Collection>> paths_;
    std::vector<std::uint32_t> slots_;
    std::vector<RuleFailure> failures_;
};

}  // namespace

std::vector<RuleFailure> checkProfiles(const NodeDocument& document) {
    if (!document.root()) {
        return {};
    }
    return Checker(document).run();
}

std::vector<std::string> unparsableRules() {
    return CompiledRules::instance().errors();
}

}  // namespace fhir::path
