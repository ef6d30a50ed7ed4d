#include "flattext/splitText.h"

#include <string>

namespace tevo {

// One pass over the text: each part is copied once, so the work grows with
// the length of the text, not with the number of parts times its length.
void splitText(const HostString& text, const char* separators, HostStringArray& parts) {
    if (text.IsEmpty()) {
        return;
    }
    const std::string& bytes = text.str();
    std::size_t start = 0;
    if (separators && *separators) {
        for (std::size_t at = bytes.find_first_of(separators); at != std::string::npos;
             at = bytes.find_first_of(separators, start)) {
            parts.Add(HostString(bytes.substr(start, at - start)));
            start = at + 1;
        }
    }
    parts.Add(HostString(bytes.substr(start)));
}

}  // namespace tevo
