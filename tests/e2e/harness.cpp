// Every end of the program under test is checked: a test during which it
// ended with an exit code other than 0, or with an exception in Wine's trace,
// fails, whatever else it checks.
#include <gtest/gtest.h>

#include "driver.h"

namespace {

class ProgramEndsChecked : public ::testing::Environment {
public:
    void SetUp() override
    {
        e2e::programFault = [](const std::string& fault) { ADD_FAILURE() << fault; };
    }
};

const auto* const installed = ::testing::AddGlobalTestEnvironment(new ProgramEndsChecked);

}  // namespace
