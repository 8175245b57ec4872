// The byte scan of received lines, without sockets.
#include <gtest/gtest.h>

#include <string>

#include "link/ZekoLineScanner.h"

namespace {

// Writes the scan's reports as words: "5=10 done fin resub ".
class Recorder : public dw::IZekoLineSink {
public:
    void OnPair(std::int32_t number, std::int32_t value) override {
        events += std::to_string(number) + "=" + std::to_string(value) + " ";
    }
    void OnValuesDone() override { events += "done "; }
    void OnFarewell() override { events += "fin "; }
    void OnResubscribeRequest() override { events += "resub "; }
    std::string events;
};

TEST(ZekoLineScanner, ReportsPairsFarewellsAndRequestsByTheirCapitalLetter) {
    const std::pair<std::string, std::string> rows[] = {
        {"Arn.Resp:12=1:13=-5:", "12=1 13=-5 done "},
        {"Arn.Resp:5=10:9=x:=4:a=1:7=:6=-3:", "5=10 6=-3 done "},  // malformed pairs are skipped
        {"Arn.Resp:1=2:3=4", "1=2 3=4 done "},  // lost its last ":" (bare line feed)
        {"Arn.Resp:1=99999999999:2=-99999999999:", "1=2147483647 2=-2147483648 done "},
        {"xxFin:Fin:", "fin fin "},
        {"Arn.Resp:7=0:Arn.Fin:", "7=0 done "},  // the pairs take every printable byte
        {"Arn.Resp:7=0:\001Arn.Fin:", "7=0 done fin "},
        {"Arn.Resp:1=2:\0333=4:", "1=2 done "},                 // printable: above 27, below 128
        {std::string("Arn.Resp:1=2:\0Fin:", 18), "1=2 done "},  // a zero byte ends the line
        {"Arn.TxxxxxxxRxx:Fin:", "fin "},                       // T: eight bytes, then up to ":"
        {"Arn.VxxxxRxx", "resub "},                             // V: five bytes
    };
    for (const auto& [line, events] : rows) {
        Recorder recorder;
        dw::ScanZekoLine(line.data(), line.size(), recorder);
        EXPECT_EQ(recorder.events, events) << line;
    }
}

}  // namespace
