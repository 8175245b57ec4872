// File-dialog filter texts turned into Qt's name filters.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/qt/QtFileFilter.h"

namespace {

using ::testing::ElementsAre;

TEST(QtNameFilters, PatternListsBecomeBlankSeparatedAndMalformedTextIsTolerated) {
    // Patterns are trimmed, "*.*" is every file, nothing after the end mark counts.
    EXPECT_THAT(dw::qt::ToQtNameFilters("ZEKO Gauges (*.dwl;*.xml)|*.dwl; *.xml|All (*.*)|*.*||"
                                        "Late|*.late||"),
                ElementsAre("ZEKO Gauges (*.dwl *.xml)", "All (*)"));
    // A description without a pattern list gets one; a missing end mark and an orphan
    // description are tolerated; blank patterns mean every file.
    EXPECT_THAT(dw::qt::ToQtNameFilters("Im\xe1genes|*.PNG;*.PNG; *.a b ;(x)|Any| ; ;|Orphan"),
                ElementsAre(QString::fromLatin1("Im\xe1genes (*.PNG *.ab x)"), "Any (*)"));
    for (const char* empty : {"", "||", "|*.txt|"})
        EXPECT_TRUE(dw::qt::ToQtNameFilters(empty).isEmpty()) << empty;
}

}  // namespace
