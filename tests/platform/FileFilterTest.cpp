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

TEST(ParseFileFilter, SplitsDescriptionsAndTrimmedPatterns) {
    const auto filters = dw::ParseFileFilter(kGaugeFilter);
    ASSERT_EQ(filters.size(), 2u);
    EXPECT_EQ(filters[0].description, "ZEKO Gauges (*.dwl;*.xml)");
    EXPECT_THAT(filters[0].patterns, ElementsAre("*.dwl", "*.xml"));
    EXPECT_EQ(filters[1].description, "All (*.*)");
    EXPECT_THAT(filters[1].patterns, ElementsAre("*.*"));
}

TEST(ParseFileFilter, LongListKeepsItsOrder) {
    const auto filters = dw::ParseFileFilter(kImageFilter);
    ASSERT_EQ(filters.size(), 10u);
    EXPECT_EQ(filters[0].patterns.size(), 9u);
    EXPECT_EQ(filters[0].patterns.back(), "*.png");
    EXPECT_EQ(filters[8].description, "Portable Network Graphics (*.png)");
    EXPECT_EQ(filters[9].description, "All Files (*.*)");
}

TEST(ParseFileFilter, MalformedTextIsToleratedAndBounded) {
    EXPECT_TRUE(dw::ParseFileFilter("").empty());
    EXPECT_TRUE(dw::ParseFileFilter("||").empty());
    EXPECT_TRUE(dw::ParseFileFilter("|*.txt|").empty()) << "empty description ends the list";
    // A description without its pattern field is dropped.
    EXPECT_EQ(dw::ParseFileFilter("Text (*.txt)|*.txt|Orphan").size(), 1u);
    // Nothing after the end mark counts.
    EXPECT_EQ(dw::ParseFileFilter("A|*.a||B|*.b||").size(), 1u);
    // No terminating "||" at all.
    const auto open = dw::ParseFileFilter("Text files (*.txt)|*.txt");
    ASSERT_EQ(open.size(), 1u);
    EXPECT_THAT(open[0].patterns, ElementsAre("*.txt"));
    // Blank patterns mean every file.
    const auto blank = dw::ParseFileFilter("Any| ; ;|");
    ASSERT_EQ(blank.size(), 1u);
    EXPECT_THAT(blank[0].patterns, ElementsAre("*.*"));
}

TEST(MatchesFilePattern, WildcardsIgnoreCase) {
    EXPECT_TRUE(dw::MatchesFilePattern("panel.dwl", "*.dwl"));
    EXPECT_TRUE(dw::MatchesFilePattern("PANEL.DWL", "*.dwl"));
    EXPECT_FALSE(dw::MatchesFilePattern("panel.dwlx", "*.dwl"));
    EXPECT_FALSE(dw::MatchesFilePattern("panel.xml", "*.dwl"));
    EXPECT_TRUE(dw::MatchesFilePattern("noext", "*.*"));
    EXPECT_TRUE(dw::MatchesFilePattern("a.b.c", "*.c"));
    EXPECT_TRUE(dw::MatchesFilePattern("ab1.txt", "ab?.txt"));
    EXPECT_FALSE(dw::MatchesFilePattern("ab.txt", "ab?.txt"));
    EXPECT_TRUE(dw::MatchesFilePattern("x", "*"));
    EXPECT_TRUE(dw::MatchesFilePattern("", "*"));
    EXPECT_FALSE(dw::MatchesFilePattern("", "?"));
    EXPECT_TRUE(dw::MatchesFilePattern("aXbXc", "a*b*c"));
}

TEST(QtNameFilters, ReplaceTheDescriptionsPatternListWithBlankSeparatedOnes) {
    EXPECT_THAT(dw::qt::ToQtNameFilters(kGaugeFilter),
                ElementsAre("ZEKO Gauges (*.dwl *.xml)", "All (*)"));
}

TEST(QtNameFilters, DescriptionsWithoutPatternsGetThem) {
    const QStringList filters = dw::qt::ToQtNameFilters(kImageFilter);
    ASSERT_EQ(filters.size(), 10);
    EXPECT_EQ(filters[0].toStdString(),
              "All Suported Formas (*.bmp *.dib *.wmf *.tif *.jpg *.tga *.gif *.psd *.png)");
    EXPECT_EQ(filters[1].toStdString(), "Windows BMP (*.bmp *.dib)");
    EXPECT_EQ(filters[9].toStdString(), "All Files (*)");
}

TEST(QtNameFilters, AliasFileFilter) {
    EXPECT_THAT(dw::qt::ToQtNameFilters("Text files (*.txt)|*.txt|All Files (*.*)|*.*||"),
                ElementsAre("Text files (*.txt)", "All Files (*)"));
}

TEST(QtNameFilters, OddInputStaysParseable) {
    EXPECT_TRUE(dw::qt::ToQtNameFilters("").isEmpty());
    // Latin-1 description, duplicate patterns, patterns with blanks and parentheses.
    EXPECT_THAT(dw::qt::ToQtNameFilters("Im\xe1genes|*.PNG;*.PNG; *.a b ;(x)|"),
                ElementsAre(QString::fromLatin1("Im\xe1genes (*.PNG *.ab x)")));
    EXPECT_THAT(dw::qt::ToQtNameFilters("(*.txt)|*.txt|"), ElementsAre("*.txt (*.txt)"));
}

}  // namespace
