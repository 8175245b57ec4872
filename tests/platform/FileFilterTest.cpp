// File-dialog filter texts: parsing, matching names and the Qt name filters.
#include "platform/FileFilter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/qt/QtFileFilter.h"

namespace {

using ::testing::ElementsAre;

const char kGaugeFilter[] = "ZEKO Gauges (*.dwl;*.xml)|*.dwl; *.xml|All (*.*)|*.*||";
const char kImageFilter[] =
    "All Suported Formas|*.bmp;*.dib;*.wmf;*.tif;*.jpg;*.tga;*.gif;*.psd;*.png|"
    "Windows BMP (*.bmp;*.dib)|*.bmp;*.dib|Windows WMF (*.wmf)|*.wmf|TIFF (*.tif)|*.tif|"
    "JPEG (*.jpg)|*.jpg|Targa (*.tga)|*.tga|CompuServe GIF (*.gif)|*.gif|"
    "Adobe Photoshop (*.psd)|*.psd|Portable Network Graphics (*.png)|*.png|"
    "All Files (*.*)|*.*||";

TEST(ParseFileFilter, MalformedTextIsToleratedAndBounded) {
    // An empty description ends the list, a description without patterns is dropped, nothing
    // after the end mark counts, and the end mark may be missing.
    // clang-format off
    const std::pair<const char*, std::size_t> counts[] = {
        {"", 0}, {"||", 0}, {"|*.txt|", 0}, {"Text (*.txt)|*.txt|Orphan", 1},
        {"A|*.a||B|*.b||", 1}, {"Text files (*.txt)|*.txt", 1}};
    // clang-format on
    for (const auto& [text, count] : counts) EXPECT_EQ(dw::ParseFileFilter(text).size(), count);
    EXPECT_THAT(dw::ParseFileFilter("Text files (*.txt)|*.txt")[0].patterns, ElementsAre("*.txt"));
    const auto blank = dw::ParseFileFilter("Any| ; ;|");  // blank patterns mean every file
    ASSERT_EQ(blank.size(), 1u);
    EXPECT_THAT(blank[0].patterns, ElementsAre("*.*"));
}

TEST(MatchesFilePattern, WildcardsIgnoreCase) {
    // clang-format off
    const std::tuple<const char*, const char*, bool> rows[] = {
        {"PANEL.DWL", "*.dwl", true}, {"panel.dwlx", "*.dwl", false}, {"noext", "*.*", true},
        {"ab1.txt", "ab?.txt", true}, {"ab.txt", "ab?.txt", false},   {"", "*", true},
        {"", "?", false},             {"aXbXc", "a*b*c", true}};
    // clang-format on
    for (const auto& [name, pattern, matches] : rows) {
        EXPECT_EQ(dw::MatchesFilePattern(name, pattern), matches) << name << " " << pattern;
    }
}

TEST(QtNameFilters, PatternListsBecomeBlankSeparatedInTheDescription) {
    // Patterns are trimmed, "*.*" is every file.
    EXPECT_THAT(dw::qt::ToQtNameFilters(kGaugeFilter),
                ElementsAre("ZEKO Gauges (*.dwl *.xml)", "All (*)"));
    // Descriptions without a pattern list get one.
    const QStringList image = dw::qt::ToQtNameFilters(kImageFilter);
    ASSERT_EQ(image.size(), 10);
    EXPECT_EQ(image[0].toStdString(),
              "All Suported Formas (*.bmp *.dib *.wmf *.tif *.jpg *.tga *.gif *.psd *.png)");
    EXPECT_EQ(image[1].toStdString(), "Windows BMP (*.bmp *.dib)");
    EXPECT_EQ(image[9].toStdString(), "All Files (*)");
    EXPECT_TRUE(dw::qt::ToQtNameFilters("").isEmpty());
    // Latin-1 description, duplicate patterns, patterns with blanks and parentheses.
    EXPECT_THAT(dw::qt::ToQtNameFilters("Im\xe1genes|*.PNG;*.PNG; *.a b ;(x)|"),
                ElementsAre(QString::fromLatin1("Im\xe1genes (*.PNG *.ab x)")));
    EXPECT_THAT(dw::qt::ToQtNameFilters("(*.txt)|*.txt|"), ElementsAre("*.txt (*.txt)"));
}

}  // namespace
