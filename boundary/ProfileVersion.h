// Choice of the profile generation by a reference date (YYYYMMDD).
#pragma once

#include <cstdint>

#include "boundary/HostString.h"

namespace tevo {

enum class ProfileVersion : std::int32_t {
    None = 102,  // before 20230701: no builder
    V1_1 = 110,  // from 20230701 (eAU 1.1.0, eRezept 1.1.0)
    V1_2 = 120,  // from 20251001 (eAU 1.2.0, eRezept 1.3.2)
};

// Byte-wise comparison with "20230701" and "20251001"; empty text gives None.
ProfileVersion selectProfileVersion(const HostString& date);

}  // namespace tevo
