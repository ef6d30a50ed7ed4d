#include "boundary/ProfileVersion.h"

namespace tevo {

ProfileVersion selectProfileVersion(const HostString& date) {
    if (date.Compare("20230701") < 0) {
        return ProfileVersion::None;
    }
    if (date.Compare("20251001") < 0) {
        return ProfileVersion::V1_1;
    }
    return ProfileVersion::V1_2;
}

}  // namespace tevo
