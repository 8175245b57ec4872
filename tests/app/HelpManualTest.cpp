// The help manual that Help > Index opens: every link inside it resolves, to a page and to
// an anchor on that page, and every page can be reached from the index.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

// Every match of the one group in `pattern`.
std::vector<std::string> All(const std::string& text, const char* pattern) {
    const std::regex re(pattern);
    std::vector<std::string> found;
    for (std::sregex_iterator it(text.begin(), text.end(), re), end; it != end; ++it)
        found.push_back((*it)[1]);
    return found;
}

TEST(HelpManual, EveryLinkResolvesAndEveryPageIsReachableFromTheIndex) {
    const char* source = std::getenv("DW_SOURCE_DIR");
    ASSERT_NE(source, nullptr);
    const fs::path folder = fs::path(source) / "help";
    std::map<std::string, std::string> pages;  // file name: text
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().extension() == ".htm")
            pages[entry.path().filename().string()] = dwtest::ReadFile(entry.path().string());
    ASSERT_EQ(pages.count("index.htm"), 1u) << folder;
    // Walks the links from the index; the manual works offline, so no link leaves it.
    std::set<std::string> reached{"index.htm"};
    for (std::vector<std::string> todo{"index.htm"}; !todo.empty();) {
        const std::string name = todo.back();
        todo.pop_back();
        for (const std::string& target : All(pages[name], R"re(\s(?:href|src)\s*="([^"]*)")re")) {
            const std::size_t hash = target.find('#');
            const std::string file = hash == 0 ? name : target.substr(0, hash);
            ASSERT_TRUE(fs::exists(folder / file)) << name << ": " << target;
            if (hash != std::string::npos) {
                ASSERT_EQ(pages.count(file), 1u) << name << ": " << target;
                const auto anchors = All(pages[file], R"re(\s(?:id|name)\s*="([^"]*)")re");
                EXPECT_EQ(std::count(anchors.begin(), anchors.end(), target.substr(hash + 1)), 1)
                    << name << ": " << target;
            }
            if (pages.count(file) != 0 && reached.insert(file).second) todo.push_back(file);
        }
    }
    for (const auto& [name, text] : pages) EXPECT_EQ(reached.count(name), 1u) << name;
}

}  // namespace
