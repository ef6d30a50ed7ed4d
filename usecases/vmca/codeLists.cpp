#include "usecases/vmca/codeLists.h"

#include "boundary/quillkit.h"
#include "fhir/r4/codes/Enumerations.h"

namespace fhir::vmca {
namespace {

bool endsInObsolete(const HostString& display) {
    static const HostString kObsolete("obsolet");
    return display.GetLength() >= kObsolete.GetLength() &&
           display.Mid(display.GetLength() - kObsolete.GetLength()) == kObsolete;
}

// Members first..last of the enumeration, obsolete ones left out.
template <class Enum>
void addMembers(HostStringMap& list, int first, int last) {
    for (int member = first; member <= last; ++member) {
        const HostString display = UTF8ToAnsi(HostString(Enum::toDisplay(member)));
        if (!endsInObsolete(display)) {
            list[display] = UTF8ToAnsi(HostString(Enum::toCode(member)));
        }
    }
}

}  // namespace

void addAdditionalQualifications(HostStringMap& list) {
    // Member 1 is "000", "Missing Value": not selectable.
    addMembers<codes::CS_KBV_CS_SFHIR_BAR_ZUSATZBEZEICHNUNG>(list, 2, 119);
}

void fillSpecialistGroups(HostStringMap& list) {
    list.clear();
    // Members 100 to 102 are for the registers' internal use only.
    addMembers<codes::CS_KBV_CS_SFHIR_BAR2_WBO>(list, 1, 99);
}

}  // namespace fhir::vmca
