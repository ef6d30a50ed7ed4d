#include <cstdio>

#include "boundary/clock.h"
#include "fhir/fhirpath/Evaluator.h"

namespace fhir::path {

namespace {

const Node* child(const Node& node, std::string_view name) {
    for (const Node& c : node) {
        if (c.name == name) {
            return &c;
        }
    }
    return nullptr;
}

std::string_view idOf(const Node& resource) {
    const Node* id = child(resource, "id");
    return id ? id->value : std::string_view{};
}

// The resource that is itself an entry of the Bundle, for any node inside it.
const Node* entryResource(const Node* node) {
    const Node* resource = node ? node->resource : nullptr;
    while (resource && resource->name == "contained" && resource->parent) {
        resource = resource->parent->resource;
    }
    return resource;
}

bool isRelative(std::string_view reference) {
    const auto slash = reference.find('/');
    return slash != std::string_view::npos && slash > 0 && reference.find(':') == std::string_view::npos;
}

std::tm localNow() {
    std::tm out{};
    tevo::toLocalTime(tevo::currentTime(), out);
    return out;
}

}  // namespace

Environment::Environment(const Node& root, std::string today, std::string now)
    : today_(std::move(today)), now_(std::move(now)) {
    if (root.typeName != "Bundle") {
        return;
    }
    for (const Node& entry : root) {
        if (entry.name != "entry") {
            continue;
        }
        const Node* fullUrl = child(entry, "fullUrl");
        const Node* resource = child(entry, "resource");
        if (resource && resource->isResource) {
            entries_.push_back({fullUrl ? fullUrl->value : std::string_view{}, resource});
        }
    }
}

const Node* Environment::resolve(std::string_view reference, const Node* from) const {
    if (reference.empty()) {
        return nullptr;
    }
    if (reference.front() == '#') {
        const Node* resource = entryResource(from);
        if (!resource) {
            return nullptr;
        }
        for (const Node& contained : *resource) {
            if (contained.name == "contained" && contained.isResource && idOf(contained) == reference.substr(1)) {
                return &contained;
            }
        }
        return nullptr;
    }
    for (const Entry& entry : entries_) {
        if (entry.fullUrl == reference) {
            return entry.resource;
        }
    }
    if (!isRelative(reference)) {
        return nullptr;
    }
    std::string_view relative = reference.substr(0, reference.find("/_history/"));
    // Relative to the base of the referring entry's http(s) fullUrl.
    const Node* own = entryResource(from);
    for (const Entry& entry : entries_) {
        if (entry.resource != own || entry.fullUrl.compare(0, 4, "http") != 0) {
            continue;
        }
        const auto idSlash = entry.fullUrl.rfind('/');
        const auto typeSlash = idSlash == 0 ? std::string_view::npos : entry.fullUrl.rfind('/', idSlash - 1);
        if (typeSlash == std::string_view::npos) {
            break;
        }
        const std::string wanted = std::string(entry.fullUrl.substr(0, typeSlash + 1)) + std::string(relative);
        for (const Entry& target : entries_) {
            if (target.fullUrl == wanted) {
                return target.resource;
            }
        }
        break;
    }
    const auto slash = relative.find('/');
    const std::string_view type = relative.substr(0, slash);
    const std::string_view id = relative.substr(slash + 1);
    for (const Entry& entry : entries_) {
        if (entry.resource->typeName == type && idOf(*entry.resource) == id) {
            return entry.resource;
        }
    }
    return nullptr;
}

const Collection* Environment::remembered(std::uint32_t shape, const Node* focus) const {
    const auto found = remembered_.find({shape, focus});
    return found == remembered_.end() ? nullptr : &found->second;
}

void Environment::remember(std::uint32_t shape, const Node* focus, const Collection& result) {
    remembered_.emplace(ShapeKey{shape, focus}, result);
}

std::string_view Environment::keep(std::string text) {
    return kept_.emplace_back(std::move(text));
}

std::string currentDate() {
    const std::tm t = localNow();
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", t.tm_year + 1900, t.tm_mon + 1, t.tm_mday);
    return text;
}

std::string currentDateTime() {
    const std::tm t = localNow();
    char text[96];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", t.tm_year + 1900, t.tm_mon + 1, t.tm_mday,
                  t.tm_hour, t.tm_min, t.tm_sec);
    return text;
}

}  // namespace fhir::path
