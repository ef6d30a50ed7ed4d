// The public flat-text header stands alone in C++ and keeps the documented
// parameter lists.
#include "tevofhir/lumo.h"

#include <gtest/gtest.h>

#include <type_traits>

#include "boundary/ResultCode.h"

using LumoCreate = int32_t (*)(const char*, int, char*, int, char*, int, char*);
using LumoRead = int32_t (*)(int, char*, const char*, int, char*, int, char*);
static_assert(std::is_same_v<decltype(&LumoCreateEAUBundle), LumoCreate>);
static_assert(std::is_same_v<decltype(&LumoCreateEAUStornoBundle), LumoCreate>);
static_assert(std::is_same_v<decltype(&LumoReadEAUOperationOutcome), LumoRead>);

TEST(LumoHeader, ResultCodesMatchTheLibrary) {
    EXPECT_EQ(LUMO_NO_INPUT, tevo::result::kNoInput);
    EXPECT_EQ(LUMO_DOCUMENT_TOO_LARGE, tevo::result::kDocumentTooLarge);
    EXPECT_EQ(LUMO_ERROR_TOO_LARGE, tevo::result::kErrorTooLarge);
}
