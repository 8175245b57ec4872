#pragma once
// Faults that end the program during a run. A fatal signal (SIGSEGV, SIGBUS, SIGFPE, SIGILL,
// SIGABRT) cannot be survived; while a CrashGuard lives, the signal first leaves a crash
// record in a small file opened in advance (the "RunTime" code 8001 and the identity of the
// element whose turn it was), with async-signal-safe calls only, and is then raised again
// with the handling it had before. At the next start TakeCrashRecord turns the record into
// the "RunTime" report that the editor shows.
#include <cstdint>
#include <optional>
#include <string>

#include "platform/SettingsStore.h"

namespace dw {

struct CrashRecord {
    std::int32_t code = 8001;  // "RunTime"/"LastError"
    std::int32_t element = 0;  // "RunTime"/"Element"
    int signal = 0;            // the signal that ended the program
};

class CrashGuard {
public:
    // Opens (creates, empties) the record file and installs the handlers. An empty path, or
    // a file that cannot be opened, still installs them; nothing is recorded then. One guard
    // at a time.
    explicit CrashGuard(const std::string& recordPath);
    // Restores the previous handlers and removes the (empty) record file.
    ~CrashGuard();
    CrashGuard(const CrashGuard&) = delete;
    CrashGuard& operator=(const CrashGuard&) = delete;

    static const int kSignals[5];
};

// The record file beside the settings store's file ("<settings>.crash"), or "" for a store
// without a file.
std::string CrashRecordPathFor(const ISettingsStore* store);

// At start-up: when `path` holds a crash record, writes "RunTime"/"LastError" = 8001,
// "LastLine" = 0 and "Element" to the store, removes the file and returns the record. A
// missing, empty or unreadable file gives nothing (an unreadable one is removed).
std::optional<CrashRecord> TakeCrashRecord(const std::string& path, ISettingsStore& store);

// The record's text (what the handler writes), and reading it back.
std::string FormatCrashRecord(const CrashRecord& record);
std::optional<CrashRecord> ParseCrashRecord(const std::string& text);

}  // namespace dw
