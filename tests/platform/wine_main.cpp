// The test main of the Windows build. GoogleTest's own printer also reports every failure
// and skip to the debugger (OutputDebugStringA), which raises a structured exception; a
// 32-bit process under Wine on these machines (run through qemu) does not survive one. This
// printer reports the same to the console only.
#include <gtest/gtest.h>

#include <cstdio>

namespace {

class ConsolePrinter : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo& test) override {
        std::printf("[ RUN      ] %s.%s\n", test.test_suite_name(), test.name());
        std::fflush(stdout);
    }

    void OnTestPartResult(const ::testing::TestPartResult& result) override {
        const char* kind = result.skipped() ? "Skipped" : result.failed() ? "Failure" : "Note";
        std::printf("%s:%d: %s\n%s\n", result.file_name() ? result.file_name() : "?",
                    result.line_number(), kind, result.message());
        std::fflush(stdout);
    }

    void OnTestEnd(const ::testing::TestInfo& test) override {
        const auto* result = test.result();
        const char* tag = result->Skipped()  ? "[  SKIPPED ]"
                          : result->Failed() ? "[  FAILED  ]"
                                             : "[       OK ]";
        std::printf("%s %s.%s (%lld ms)\n", tag, test.test_suite_name(), test.name(),
                    static_cast<long long>(result->elapsed_time()));
        std::fflush(stdout);
    }

    void OnTestProgramEnd(const ::testing::UnitTest& unit) override {
        std::printf("[==========] %d tests ran.\n", unit.test_to_run_count());
        std::printf("[  PASSED  ] %d tests.\n", unit.successful_test_count());
        if (unit.skipped_test_count() > 0)
            std::printf("[  SKIPPED ] %d tests.\n", unit.skipped_test_count());
        if (unit.failed_test_count() > 0)
            std::printf("[  FAILED  ] %d tests.\n", unit.failed_test_count());
        std::fflush(stdout);
    }
};

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    auto& listeners = ::testing::UnitTest::GetInstance()->listeners();
    delete listeners.Release(listeners.default_result_printer());
    listeners.Append(new ConsolePrinter);
    return RUN_ALL_TESTS();
}
