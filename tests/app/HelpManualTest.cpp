// The help manual that Help > Index opens: every link inside it resolves, to a page and to
// an anchor on that page, and every page can be reached from the index.
#include <gtest/gtest.h>

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

struct Page {
    std::string text;
    std::set<std::string> anchors;     // id and name attributes
    std::vector<std::string> targets;  // href and src attributes
};

std::map<std::string, Page> ReadManual(const fs::path& folder) {
    static const std::regex anchor(R"re(\s(?:id|name)\s*=\s*"([^"]*)")re");
    static const std::regex target(R"re(\s(?:href|src)\s*=\s*"([^"]*)")re");
    std::map<std::string, Page> pages;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.path().extension() != ".htm") continue;
        Page page;
        page.text = dwtest::ReadFile(entry.path().string());
        for (std::sregex_iterator it(page.text.begin(), page.text.end(), anchor), end; it != end;
             ++it)
            page.anchors.insert((*it)[1]);
        for (std::sregex_iterator it(page.text.begin(), page.text.end(), target), end; it != end;
             ++it)
            page.targets.push_back((*it)[1]);
        pages.emplace(entry.path().filename().string(), std::move(page));
    }
    return pages;
}

fs::path HelpFolder() {
    const char* source = std::getenv("DW_SOURCE_DIR");
    return source == nullptr ? fs::path() : fs::path(source) / "help";
}

TEST(HelpManual, EveryLinkResolvesAndEveryPageIsReachableFromTheIndex) {
    const fs::path folder = HelpFolder();
    ASSERT_TRUE(fs::exists(folder / "index.htm")) << folder;
    const std::map<std::string, Page> pages = ReadManual(folder);
    for (const auto& [name, page] : pages) {
        SCOPED_TRACE(name);
        EXPECT_NE(page.text.find("<title>"), std::string::npos);
        for (const std::string& target : page.targets) {
            // Pages on the web are not part of the manual; the manual itself must work
            // offline, so it has none.
            EXPECT_EQ(target.find("://"), std::string::npos) << target;
            const std::size_t hash = target.find('#');
            const std::string file = target.substr(0, hash);
            const std::string fragment = hash == std::string::npos ? "" : target.substr(hash + 1);
            const std::string page_name = file.empty() ? name : file;
            EXPECT_EQ(page_name.find('/'), std::string::npos) << target;
            ASSERT_TRUE(fs::exists(folder / page_name)) << target;
            if (fragment.empty()) continue;
            const auto linked = pages.find(page_name);
            ASSERT_NE(linked, pages.end()) << target;
            EXPECT_EQ(linked->second.anchors.count(fragment), 1u) << target;
        }
    }
    // Every page can be reached from the index.
    std::set<std::string> reached{"index.htm"};
    std::vector<std::string> todo{"index.htm"};
    while (!todo.empty()) {
        const std::string name = todo.back();
        todo.pop_back();
        for (const std::string& target : pages.at(name).targets) {
            const std::string file = target.substr(0, target.find('#'));
            if (pages.count(file) != 0 && reached.insert(file).second) todo.push_back(file);
        }
    }
    for (const auto& [name, page] : pages) EXPECT_EQ(reached.count(name), 1u) << name;
}

}  // namespace
