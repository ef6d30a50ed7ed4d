// Splitting of a flat text at separator characters.
#pragma once

#include "boundary/HostString.h"

namespace tevo {

// Appends the parts of `text` between separators to `parts`: nothing for an
// empty text; otherwise the part before every separator (possibly empty) and
// finally the rest, even when empty (so a text ending in a separator gives an
// empty last part).
void splitText(const HostString& text, const char* separators, HostStringArray& parts);

}  // namespace tevo
