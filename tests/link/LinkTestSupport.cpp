#include "LinkTestSupport.h"

#include "link/ZekoLog.h"

namespace linktest {

void RecordingTarget::PostNotify(int message, int code) {
    std::lock_guard<std::mutex> lock(mutex_);
    codes_.push_back(code);
    lastMessage_ = message;
}

void RecordingTarget::PostClose() {
    std::lock_guard<std::mutex> lock(mutex_);
    ++closes_;
}

std::vector<int> RecordingTarget::Codes() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return codes_;
}

int RecordingTarget::Count(int code) const {
    std::lock_guard<std::mutex> lock(mutex_);
    int count = 0;
    for (int recorded : codes_) count += recorded == code;
    return count;
}

int RecordingTarget::Closes() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return closes_;
}

int RecordingTarget::LastMessage() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return lastMessage_;
}

void InTempFolder::SetUp() {
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(folder_.Path());
}

void InTempFolder::TearDown() {
    std::filesystem::current_path(previous_);
}

std::string InTempFolder::Log() const {
    return dwtest::ReadFile(folder_.File(dw::kZekoLogFile));
}

int InTempFolder::LogCount(const std::string& text) const {
    const std::string log = Log();
    int count = 0;
    for (std::size_t at = log.find(text); at != std::string::npos; at = log.find(text, at + 1))
        ++count;
    return count;
}

}  // namespace linktest
