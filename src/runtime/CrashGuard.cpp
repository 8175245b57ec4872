// CrashGuard: the fatal-signal handler of a run and the crash record it leaves.
#include "runtime/CrashGuard.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/IniSettingsStore.h"
#include "platform/SettingsKeys.h"
#include "runtime/RunState.h"

namespace dw {

const int CrashGuard::kSignals[5] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};

namespace {

constexpr char kRecordTag[] = "DW-CRASH";
constexpr int kSignalCount = 5;

// What the handler uses; written only while no handler is installed.
std::atomic<int> recordFd{-1};
struct sigaction previousActions[kSignalCount];

// Appends the decimal form of value at out; returns the new end. No library calls.
char* AppendNumber(char* out, std::int64_t value) {
    if (value < 0) {
        *out++ = '-';
        value = -value;
    }
    char digits[24];
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value > 0);
    while (count > 0) *out++ = digits[--count];
    return out;
}

void OnFatalSignal(int signal) {
    const int fd = recordFd.load();
    if (fd >= 0) {
        // "DW-CRASH 8001 <element> <signal>\n"
        char text[96];
        char* end = text;
        for (const char* tag = kRecordTag; *tag; ++tag) *end++ = *tag;
        *end++ = ' ';
        end = AppendNumber(end, settings::kInternalFault);
        *end++ = ' ';
        end = AppendNumber(end, CurrentElementIdentityCell().load());
        *end++ = ' ';
        end = AppendNumber(end, signal);
        *end++ = '\n';
        [[maybe_unused]] const ssize_t written = pwrite(fd, text, end - text, 0);
        fsync(fd);
    }
    // Hand the signal to whoever handled it before (the default ends the program).
    for (int i = 0; i < kSignalCount; ++i)
        if (CrashGuard::kSignals[i] == signal) sigaction(signal, &previousActions[i], nullptr);
    raise(signal);
}

std::string recordPathOfGuard;

}  // namespace

CrashGuard::CrashGuard(const std::string& recordPath) {
    if (!recordPath.empty()) {
        const int fd = open(recordPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        if (fd >= 0) {
            recordFd.store(fd);
            recordPathOfGuard = recordPath;
        }
    }
    struct sigaction action {};
    action.sa_handler = OnFatalSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_ONSTACK;
    for (int i = 0; i < kSignalCount; ++i) sigaction(kSignals[i], &action, &previousActions[i]);
}

CrashGuard::~CrashGuard() {
    for (int i = 0; i < kSignalCount; ++i) sigaction(kSignals[i], &previousActions[i], nullptr);
    const int fd = recordFd.exchange(-1);
    if (fd >= 0) {
        close(fd);
        std::error_code ignored;
        std::filesystem::remove(recordPathOfGuard, ignored);
        recordPathOfGuard.clear();
    }
}

std::string CrashRecordPathFor(const ISettingsStore* store) {
    const auto* ini = dynamic_cast<const IniSettingsStore*>(store);
    if (ini == nullptr) return {};
    std::filesystem::path path(ini->FilePath());
    if (path.empty()) return {};
    path.replace_extension(".crash");
    return path.string();
}

std::string FormatCrashRecord(const CrashRecord& record) {
    return std::string(kRecordTag) + " " + std::to_string(record.code) + " " +
           std::to_string(record.element) + " " + std::to_string(record.signal) + "\n";
}

std::optional<CrashRecord> ParseCrashRecord(const std::string& text) {
    std::istringstream in(text);
    std::string tag;
    CrashRecord record;
    if (!(in >> tag >> record.code >> record.element >> record.signal) || tag != kRecordTag)
        return std::nullopt;
    if (record.code < 8000 || record.code > 8999 || record.element < 0) return std::nullopt;
    return record;
}

std::optional<CrashRecord> TakeCrashRecord(const std::string& path, ISettingsStore& store) {
    if (path.empty()) return std::nullopt;
    std::error_code error;
    if (!std::filesystem::exists(path, error)) return std::nullopt;
    std::string text;
    {
        std::ifstream in(path, std::ios::binary);
        char buffer[256];
        in.read(buffer, sizeof buffer);  // a record is one short line; more is not one
        text.assign(buffer, static_cast<std::size_t>(in.gcount()));
    }
    std::filesystem::remove(path, error);
    const std::optional<CrashRecord> record = ParseCrashRecord(text);
    if (!record) return std::nullopt;
    store.WriteInt(settings::kRunTime, settings::kLastError, record->code);
    store.WriteInt(settings::kRunTime, settings::kLastLine, 0);
    store.WriteInt(settings::kRunTime, settings::kElement, record->element);
    return record;
}

}  // namespace dw
