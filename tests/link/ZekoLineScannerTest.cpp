// The byte scan of received lines, without sockets.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "link/ZekoLineScanner.h"

namespace {

// Records the scan's reports as words: "5=10", "done", "fin", "resub".
class Recorder : public dw::IZekoLineSink {
public:
    void OnPair(std::int32_t number, std::int32_t value) override {
        events.push_back(std::to_string(number) + "=" + std::to_string(value));
    }
    void OnValuesDone() override { events.push_back("done"); }
    void OnFarewell() override { events.push_back("fin"); }
    void OnResubscribeRequest() override { events.push_back("resub"); }
    std::vector<std::string> events;
};

std::vector<std::string> Scan(const std::string& line) {
    Recorder recorder;
    dw::ScanZekoLine(line.data(), line.size(), recorder);
    return recorder.events;
}

using Events = std::vector<std::string>;

TEST(ZekoLineScanner, ValuesLineReportsEveryPairThenDone) {
    EXPECT_EQ(Scan("Arn.Resp:12=1:13=-5:"), (Events{"12=1", "13=-5", "done"}));
}

TEST(ZekoLineScanner, MalformedPairIsSkipped) {
    EXPECT_EQ(Scan("Arn.Resp:5=10:9=x:6=-3:"), (Events{"5=10", "6=-3", "done"}));
    EXPECT_EQ(Scan("Arn.Resp:=4:a=1:7=:8=2:"), (Events{"8=2", "done"}));
}

TEST(ZekoLineScanner, ValuesLineWithoutPairsOnlyReportsDone) {
    EXPECT_EQ(Scan("Arn.Resp:"), (Events{"done"}));
    EXPECT_EQ(Scan("Arn.Resp"), (Events{"done"}));
}

TEST(ZekoLineScanner, LineWithoutItsLastColonStillDeliversTheLastPair) {
    // A server ending lines with "\n" alone loses the last byte, the final ":".
    EXPECT_EQ(Scan("Arn.Resp:1=2:3=4"), (Events{"1=2", "3=4", "done"}));
}

TEST(ZekoLineScanner, PairsAcceptBlanksAndSignsLikeTheCScan) {
    EXPECT_EQ(Scan("Arn.Resp: 5= 7:+6=+8:"), (Events{"5=7", "6=8", "done"}));
    // "=" must follow the number directly.
    EXPECT_EQ(Scan("Arn.Resp:5 =7:"), (Events{"done"}));
}

TEST(ZekoLineScanner, NumbersBeyond32BitsAreClamped) {
    EXPECT_EQ(Scan("Arn.Resp:1=99999999999:2=-99999999999:"),
              (Events{"1=2147483647", "2=-2147483648", "done"}));
}

TEST(ZekoLineScanner, FarewellIsReportedAnywhereOutsidePairs) {
    EXPECT_EQ(Scan("Arn.Fin:"), (Events{"fin"}));
    EXPECT_EQ(Scan("xxFin:Fin:"), (Events{"fin", "fin"}));
}

TEST(ZekoLineScanner, FarewellBehindPairsIsReadAsPairText) {
    // The pair loop runs over every printable byte, so a "Fin" behind the pairs is not seen.
    EXPECT_EQ(Scan("Arn.Resp:7=0:Arn.Fin:"), (Events{"7=0", "done"}));
    // A control byte ends the pairs and the scan picks up the farewell.
    EXPECT_EQ(Scan(std::string("Arn.Resp:7=0:\x01"
                               "Arn.Fin:")),
              (Events{"7=0", "done", "fin"}));
}

TEST(ZekoLineScanner, RWhoseFourthByteIsNotPAsksForResubscriptionAndEndsTheScan) {
    EXPECT_EQ(Scan("Arn.Reset:"), (Events{"resub"}));
    EXPECT_EQ(Scan("Arn.Reset:Arn.Fin:"), (Events{"resub"}));
    EXPECT_EQ(Scan("Arn.R"), (Events{"resub"}));
    EXPECT_EQ(Scan("Arn.Rxx"), (Events{"resub"}));
}

TEST(ZekoLineScanner, TSkipsEightBytesThenUpToTheNextColon) {
    // Eight bytes from the T, then on to the ":": the R inside is never looked at.
    EXPECT_EQ(Scan("Arn.TxxxxxxxRxx:Fin:"), (Events{"fin"}));
    EXPECT_EQ(Scan("Arn.Txx"), (Events{}));
}

TEST(ZekoLineScanner, VSkipsFiveBytes) {
    EXPECT_EQ(Scan("Arn.VRxxx:Fin:"), (Events{"fin"}));
    EXPECT_EQ(Scan("Arn.VxxxxRxx"), (Events{"resub"}));
}

TEST(ZekoLineScanner, OtherBytesAreSkipped) {
    EXPECT_EQ(Scan("Arn.Inicio:12:345:"), (Events{}));
    EXPECT_EQ(Scan(""), (Events{}));
}

TEST(ZekoLineScanner, ZeroByteEndsTheLine) {
    EXPECT_EQ(Scan(std::string("Arn.Resp:1=2:\0Fin:", 18)), (Events{"1=2", "done"}));
}

TEST(ZekoLineScanner, NonPrintableByteEndsThePairs) {
    // Printable means above 27 and below 128.
    EXPECT_EQ(Scan("Arn.Resp:1=2:\x1b"
                   "3=4:"),
              (Events{"1=2", "done"}));
    EXPECT_EQ(Scan("Arn.Resp:1=2:\x1c\x7f"
                   "3=4:"),
              (Events{"1=2", "3=4", "done"}));
    EXPECT_EQ(Scan("Arn.Resp:1=2:\xc3"
                   "3=4:"),
              (Events{"1=2", "done"}));
}

}  // namespace
