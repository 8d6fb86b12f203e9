#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace stud::testing {

// Under CI (the environment variable CI set) a skipped test fails: a test that
// skips on the machine meant to run everything protects nothing. The one skip
// allowed is the super-user's, for whom a file without permissions is still
// readable. CTest marks any output with gtest's "SKIPPED" line as skipped, so
// the skip is turned into a failure before the result is printed: OnTestEnd
// runs the listeners last added first, this one before the printer.
class FailSkipsUnderCi : public ::testing::EmptyTestEventListener {
  public:
    void OnTestEnd(const ::testing::TestInfo& test) override {
        if (!test.result()->Skipped()) return;
        const std::string name = std::string(test.test_suite_name()) + "." + test.name();
        if (name == "Settings.ReadOnlyFolderOrFileRefusesTheWrite") return;
        ADD_FAILURE() << name << " skipped under CI; only the super-user's skip is allowed there";
    }
};

inline void failSkipsUnderCi() {
    const char* ci = std::getenv("CI");
    if (ci && *ci) ::testing::UnitTest::GetInstance()->listeners().Append(new FailSkipsUnderCi);
}

} // namespace stud::testing
