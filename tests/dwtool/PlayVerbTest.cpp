// dwtool play end to end: a gauge played against dwtool sim, and the reports of runs that
// end on a script error, on the server's farewell and on a link that cannot be reached.
#include <QImage>

#include "LinkSimProcess.h"

namespace linksim {
namespace {

// A gauge with one basic graph whose colour follows variable 100 of link 1.
std::string Gauge(int port, const std::string& program) {
    return "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\n<gauge version=\"2.0.0.0\">\n"
           "<properties name=\"Play\" fps=\"40\" backcolor=\"0\"/>\n"
           "<zekolink_1 alias=\"FlightSimulator\" ip=\"127.0.0.1\" port=\"" +
           std::to_string(port) +
           "\"/>\n<zekolink_2 alias=\"MORV\" ip=\"0.0.0.0\" port=\"8092\"/>\n"
           "<element type=\"primitive\" name=\"Lamp\" subtype=\"FillRect\" style=\"-1\" "
           "left=\"0\" top=\"0\" width=\"20\" height=\"20\" borderwith=\"0\"><program><![CDATA[" +
           program + "]]></program></element>\n</gauge>\n";
}

using PlayVerb = SimTest;

TEST_F(PlayVerb, PlaysAgainstTheSimAndWritesTheLastFrame) {
    const int port = StartSim("rate 40\n100 constant 255\n", {"--duration", "120"});
    ASSERT_GT(port, 0);
    folder_.Write("lamp.dwl", Gauge(port, "link offset 100 server 1\r\nsetcolor value\r\n"));
    auto play = Tool({"play", "lamp.dwl", "--frames", "30", "--png", "last.png"});
    EXPECT_EQ(play->Wait(10000ms), 0) << play->out;
    EXPECT_NE(play->out.find("the run ended after 30 frames"), std::string::npos) << play->out;
    EXPECT_TRUE(sim_->WaitFor("client 1 subscribed to 1 variables: 100")) << sim_->out;
    EXPECT_TRUE(sim_->WaitFor("client 1 said farewell")) << sim_->out;
    const QImage frame(QString::fromStdString(folder_.File("last.png")));
    ASSERT_FALSE(frame.isNull());
    EXPECT_EQ(frame.pixel(10, 10) & 0xFFFFFFu, 0xFF0000u);  // the sim's 255 is red
}

TEST_F(PlayVerb, ReportsHowTheRunEnded) {
    const int port = StartSim("rate 40\n100 constant 7\n", {"--duration", "120"});
    ASSERT_GT(port, 0);
    folder_.Write("bad.dwl", Gauge(port, "link offset 100 server 1\r\nround 5\r\n"));
    auto error = Tool({"play", "bad.dwl"});
    EXPECT_EQ(error->Wait(10000ms), 1) << error->out;
    for (const char* text : {"script error in element 1 (Lamp)", "Sintax error at line 2",
                             "-->round 5", "Do you want edit?"})
        EXPECT_NE(error->out.find(text), std::string::npos) << text << error->out;

    folder_.Write("good.dwl", Gauge(port, "link offset 100 server 1\r\n"));
    auto farewell = Tool({"play", "good.dwl"});
    ASSERT_TRUE(sim_->WaitFor("client 2 subscribed", 10000ms)) << sim_->out;
    sim_->Type("fin\n");  // the sim says farewell to every client and stops
    EXPECT_EQ(farewell->Wait(10000ms), 0) << farewell->out;
    EXPECT_NE(farewell->out.find("the server said farewell"), std::string::npos) << farewell->out;

    sim_->Wait(5000ms);
    auto unreachable = Tool({"play", "good.dwl", "--frames", "5"});
    EXPECT_EQ(unreachable->Wait(10000ms), 1) << unreachable->out;
    const std::string expected = "The ZEKO Server at zeko://127.0.0.1:" + std::to_string(port) +
                                 ", for the ZEKO Client 1, is not responding.";
    EXPECT_NE(unreachable->out.find(expected), std::string::npos) << unreachable->out;
}

}  // namespace
}  // namespace linksim
