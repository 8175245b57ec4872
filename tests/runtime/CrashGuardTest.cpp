// Faults that end the program during a run: the crash record a fatal signal leaves (in a
// child process), taking it at the next start, and the recovery copy of a modified gauge.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

#include <filesystem>

#include "platform/SettingsKeys.h"
#include "runtime/CrashGuard.h"
#include "runtime/RecoveryFile.h"
#include "runtime/RunState.h"
#include "support/MemorySettingsStore.h"
#include "support/TempDir.h"

#if defined(__SANITIZE_ADDRESS__)
// AddressSanitizer takes SIGSEGV, SIGBUS and SIGFPE for its own report and turns them into an
// abort; in the program the guard sees them first, so the test build leaves them to it too.
extern "C" const char* __asan_default_options() {
    return "handle_segv=0:handle_sigbus=0:handle_sigfpe=0";
}
#endif

namespace {

using namespace dw;

bool EndedAbnormally(int status) {
    return WIFSIGNALED(status) || (WIFEXITED(status) && WEXITSTATUS(status) != 0);
}

class CrashFiles : public testing::Test {
protected:
    dwtest::TempDir folder;
    dwtest::MemorySettingsStore store;
    const std::string record = folder.File("dialwright.crash");
};

class CrashGuardTest : public CrashFiles, public testing::WithParamInterface<int> {
protected:
    void SetUp() override { GTEST_FLAG_SET(death_test_style, "fast"); }
};

TEST_P(CrashGuardTest, FatalSignalLeavesARecordThatTheNextStartTurnsIntoTheReport) {
    const int signal = GetParam();
    EXPECT_EXIT(
        {
            CrashGuard guard(record);
            SetCurrentElement(nullptr, 7);
            raise(signal);
        },
        EndedAbnormally, "");
    const std::optional<CrashRecord> taken = TakeCrashRecord(record, store);
    ASSERT_TRUE(taken.has_value());
    EXPECT_EQ(taken->element, 7);
    EXPECT_EQ(taken->signal, signal);
    EXPECT_EQ(store.ReadInt(settings::kRunTime, settings::kLastError, 0), 8001);
    EXPECT_EQ(store.ReadInt(settings::kRunTime, settings::kLastLine, -1), 0);
    EXPECT_EQ(store.ReadInt(settings::kRunTime, settings::kElement, 0), 7);
    EXPECT_FALSE(std::filesystem::exists(record));
    EXPECT_FALSE(TakeCrashRecord(record, store).has_value());  // taken once
}

INSTANTIATE_TEST_SUITE_P(Signals, CrashGuardTest,
                         testing::Values(SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT));

TEST_F(CrashFiles, RunWithoutFaultLeavesNoRecordAndRestoresHandlers) {
    struct sigaction before {};
    sigaction(SIGSEGV, nullptr, &before);
    {
        CrashGuard guard(record);
        EXPECT_TRUE(std::filesystem::exists(record));
    }
    struct sigaction after {};
    sigaction(SIGSEGV, nullptr, &after);
    EXPECT_EQ(after.sa_handler, before.sa_handler);
    EXPECT_FALSE(std::filesystem::exists(record));
    EXPECT_FALSE(TakeCrashRecord(record, store).has_value());
    EXPECT_EQ(store.Size(), 0u);
}

TEST_F(CrashFiles, AMalformedRecordIsDroppedWithoutAReport) {
    for (const char* text : {"not a record", "DW-CRASH 8001", "DW-CRASH 8001 -4 11"}) {
        const std::string bad = folder.Write("bad.crash", text);
        EXPECT_FALSE(TakeCrashRecord(bad, store).has_value()) << text;
        EXPECT_FALSE(std::filesystem::exists(bad)) << text;
    }
    EXPECT_EQ(store.Size(), 0u);
}

TEST_F(CrashFiles, RecoveryFileKeepsAModifiedGaugeUntilRemoved) {
    const std::string path = folder.File("dialwright.recovery");
    EXPECT_FALSE(FindRecoveryFile(path).has_value());
    const std::string text = "<?xml version=\"1.0\"?>\n<gauge>\r\n</gauge>\n";
    ASSERT_TRUE(WriteRecoveryFile(path, "/home/pilot/panel.dwl", text));
    std::optional<RecoveredGauge> found = FindRecoveryFile(path);
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->gaugePath, "/home/pilot/panel.dwl");
    EXPECT_EQ(found->text, text);
    RemoveRecoveryFile(path);
    EXPECT_FALSE(FindRecoveryFile(path).has_value());
    for (const char* bytes : {"", "DW-RECOVERY 1\npath\n"})
        EXPECT_FALSE(ParseRecovery(bytes).has_value()) << bytes;
}

}  // namespace
