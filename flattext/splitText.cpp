#include "flattext/splitText.h"

namespace tevo {

void splitText(const HostString& text, const char* separators, HostStringArray& parts) {
    if (text.IsEmpty()) {
        return;
    }
    HostString rest(text);
    for (int at = rest.FindOneOf(separators); at >= 0; at = rest.FindOneOf(separators)) {
        parts.Add(rest.Left(at));
        rest = rest.Mid(at + 1);
    }
    parts.Add(rest);
}

}  // namespace tevo
