// Names parameterised test cases after the `name` member of their case.
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace tevo::test {

struct CaseName {
    template <class Case>
    std::string operator()(const testing::TestParamInfo<Case>& tested) const {
        return std::string(tested.param.name);
    }
};

}  // namespace tevo::test
