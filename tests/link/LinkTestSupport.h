#pragma once
// Shared pieces of the link tests: a notification target that records what the client
// posts, and a fixture that runs each test in a fresh current folder (the client writes its
// log "zekoclient.log" there).
#include <gtest/gtest.h>

#include <filesystem>
#include <mutex>
#include <string>
#include <vector>

#include "link/ZekoNotify.h"
#include "support/TempDir.h"

namespace linktest {

class RecordingTarget : public dw::IZekoNotifyTarget {
public:
    void PostNotify(int message, int code) override;
    void PostClose() override;

    std::vector<int> Codes() const;
    int Count(int code) const;
    int Closes() const;
    int LastMessage() const;

private:
    mutable std::mutex mutex_;
    std::vector<int> codes_;
    int closes_ = 0;
    int lastMessage_ = 0;
};

class InTempFolder : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // The log's bytes ("" when there is none).
    std::string Log() const;
    // How many times `text` occurs in the log.
    int LogCount(const std::string& text) const;

    dwtest::TempDir folder_;

private:
    std::filesystem::path previous_;
};

}  // namespace linktest
