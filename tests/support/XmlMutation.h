// Damaged copies of XML documents for the robustness tests: truncated, bytes
// replaced, or XML punctuation inserted, drawn from the caller's random source
// (a fixed seed makes a failure repeat).
#pragma once

#include <random>
#include <string>
#include <vector>

namespace tevo::test {

inline std::string mutateXml(const std::string& original, std::mt19937& random) {
    static const std::vector<std::string> kFragments = {"<", ">", "&", "&#", "&#x", ";", "\"", "'", "=",
                                                        "</", "<!--", "<?", "\xC3", "\xFF", std::string(1, '\0')};
    std::string text = original;
    const int edits = 1 + static_cast<int>(random() % 4);
    for (int i = 0; i < edits && !text.empty(); ++i) {
        const std::size_t at = random() % text.size();
        switch (random() % 3) {
            case 0:
                text.resize(at);
                break;
            case 1:
                text[at] = static_cast<char>(random() % 256);
                break;
            default:
                text.insert(at, kFragments[random() % kFragments.size()]);
                break;
        }
    }
    return text;
}

}  // namespace tevo::test
