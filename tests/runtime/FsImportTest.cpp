// Gauge > Import from FS through the document: the command's questions, refusals, what the
// gauge becomes, bitmaps found nowhere, and hostile sources (where the images land and the
// paths they keep are dwtool's import tests).
#include "GaugeTestSupport.h"
#include "render/RenderServices.h"
#include "support/FsGaugeText.h"

namespace {

using namespace dw;
using dwtest::BmpBytes;
using dwtest::FsElement;
using dwtest::FsGaugeXml;
using dwtest::HasSubstr;

class FsImport : public dwtest::GaugeDocumentTest {
protected:
    void SetUp() override {
        GaugeDocumentTest::SetUp();
        InstallRenderServices({&ui, &settings});  // the image kind asks the same user
    }
    void TearDown() override {
        InstallRenderServices({});
        GaugeDocumentTest::TearDown();
    }
    // The sample gauge, without the questions its missing pictures asked.
    void Fill() {
        FillDocument();
        ui.messages.clear();
    }
    std::string Source(const std::string& xml) { return dir.Write("src/gauge.xml", xml); }
    void Bitmap(const std::string& path, int w, int h) {
        dir.Write(path, BmpBytes(w, h, 0x20A040));
    }
    bool Import(const std::string& path) { return doc.ImportFsGaugeFile(path, "", &report); }
    // Every element as "left,top-right,bottom file".
    std::string Elements() const {
        std::string out;
        for (const CElement& e : doc.elements) {
            const Rect& r = e.GetRect();
            out += (out.empty() ? "" : " | ") + std::to_string(r.left) + "," +
                   std::to_string(r.top) + "-" + std::to_string(r.right) + "," +
                   std::to_string(r.bottom) + " " + e.file;
        }
        return out;
    }
    std::vector<std::string> Titles() const {
        std::vector<std::string> titles;
        for (const MessageRequest& m : ui.messages) titles.push_back(m.title);
        return titles;
    }

    FsImportReport report;
};

TEST_F(FsImport, TheCommandAsksToSaveNotesUndoesAndChoosesTheFile) {
    Fill();
    doc.modified = true;
    ui.QueueAnswer(Answer::Cancel);
    EXPECT_FALSE(doc.ImportFsGauge());
    EXPECT_EQ(Titles(), std::vector<std::string>{"Save before exit..."});
    EXPECT_TRUE(host.undoCodes.empty());

    doc.modified = false;
    ui.messages.clear();
    EXPECT_FALSE(doc.ImportFsGauge());  // the file dialog is cancelled
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(Message(0),
              std::make_tuple("Import FS Gauge", Icon::Warning,
                              "Please, take note that this is an experimental option that does "
                              "not implement all the options that you can find on a FS XML "
                              "gauge.\r\n\r\nAt this moment, this only can read, and import, "
                              "some options of the grafic information of the gauge."));
    EXPECT_EQ(host.undoCodes, std::vector<int>{4});
    EXPECT_EQ(ui.fileRequests.at(0).title, "Import a MS-FSn Xml Gauge");
    EXPECT_EQ(doc.elements.Count(), 4u);

    // The chosen path is taken lower-cased and still reaches the file.
    Bitmap("src/Art/Dial.bmp", 30, 40);
    dir.Write("src/Panel.XML", FsGaugeXml("art", "<Image Name=\"dial.bmp\"/>"));
    ui.QueueFile(dir.File("src/Panel.XML"));
    EXPECT_TRUE(doc.ImportFsGauge());
    EXPECT_EQ(Elements(), "0,0-30,40 art/dial.bmp");
}

TEST_F(FsImport, WrongVersionsRootsAndFilesLeaveTheGaugeAsItWas) {
    Fill();
    const std::string before = Summary();
    // The version's message text is dwtool's import test.
    const std::pair<std::string, const char*> refused[] = {
        {dir.Write("v.xml", FsGaugeXml("art", "", "1.0")), "Invalid file format."},
        {dir.Write("root.xml", "<gauge version=\"1,0\"/>"), "XML Parsing error"},
        {dir.Write("cut.xml", FsGaugeXml("art", "").substr(0, 120)), "XML Parsing error"}};
    for (const auto& [path, title] : refused) {
        EXPECT_FALSE(Import(path)) << path;
        EXPECT_EQ(Titles(), std::vector<std::string>{title});
        ui.messages.clear();
    }
    EXPECT_EQ(Summary(), before);
}

TEST_F(FsImport, TheGaugeBecomesBlackTenFramesNamedAndUnmodified) {
    Fill();  // background 0x102030, 25 fps
    doc.modified = true;
    const std::string xml =
        "<SimBase.Document version=\"1,0\"><Descr><FileName>Panel\\ASI.XML</FileName></Descr>"
        "<SimGauge.Gauge id=\"Airspeed\"/></SimBase.Document>";
    ASSERT_TRUE(Import(Source(xml)));
    EXPECT_EQ(std::tie(doc.backColor, doc.fps, doc.modified, doc.gaugeName, host.title),
              std::make_tuple(Colour{0}, 10, false, "Airspeed", "ZEKO Dialwright - Airspeed"));
    EXPECT_EQ(host.backgrounds, std::vector<Colour>{0});
    EXPECT_EQ(doc.elements.Count(), 0u);  // an import that made nothing leaves no element
    const std::string folder = LowerLatin1(dir.File("src"));
    EXPECT_EQ(WorkingFolder(), folder);
    EXPECT_EQ(doc.gaugePath, folder + "/asi.dwl");  // never the source itself
}

TEST_F(FsImport, AMissingBitmapIsAskedForOnceAndItsElementsKept) {
    const std::string body = FsElement("1,1", "Gone.bmp") + FsElement("2,2", "GONE.BMP") +
                             FsElement("3,3", "gone.bmp") + FsElement("4,4", "other.bmp");
    ASSERT_TRUE(Import(Source(FsGaugeXml("C:\\Build\\Art", body))));
    EXPECT_EQ(Titles(), (std::vector<std::string>{"File not fount", "File not fount"}));
    EXPECT_THAT(std::get<2>(Message(0)), HasSubstr("[gone.bmp]"));
    EXPECT_EQ(Elements(),
              "1,1-1,1 gone.bmp | 2,2-2,2 gone.bmp | 3,3-3,3 gone.bmp | "
              "4,4-4,4 other.bmp");
    ASSERT_EQ(report.missing.size(), 2u);
    EXPECT_THAT(report.missing[0], HasSubstr("bitmap Gone.bmp not found"));

    // A file the user picks for the first element serves the others too.
    Bitmap("elsewhere/found.bmp", 6, 7);
    ui.messages.clear();
    ui.QueueAnswer(Answer::Yes);
    ui.QueueFile(dir.File("elsewhere/found.bmp"));
    ASSERT_TRUE(Import(Source(FsGaugeXml("C:\\Build\\Art", body))));
    EXPECT_EQ(Titles(), (std::vector<std::string>{"File not fount", "New path for search",
                                                  "File not fount"}));
    EXPECT_EQ(Elements(),
              "1,1-7,8 ../elsewhere/found.bmp | 2,2-8,9 ../elsewhere/found.bmp | "
              "3,3-9,10 ../elsewhere/found.bmp | 4,4-4,4 other.bmp");
}

TEST_F(FsImport, HostileSourcesAreBoundedOrRefused) {
    dir.Write("src/huge.png", dwtest::PngClaimingBytes(30000, 30000));
    dir.Write("src/lying.bmp", BmpBytes(2, 2, 0, 30000, 30000));  // too little data for it
    Bitmap("src/ok.bmp", 10, 10);
    const std::string body = "<Size>100000,100000</Size><Image Name=\"ok.bmp\"/>" +
                             FsElement("0,0", "huge.png") + FsElement("0,0", "lying.bmp") +
                             FsElement("99999999999,0", "ok.bmp") + FsElement("0,0", "ok.bmp");
    ASSERT_TRUE(Import(Source(FsGaugeXml("", body))));
    EXPECT_EQ(Elements(), "0,0-0,0 lying.bmp | 0,0-10,10 ok.bmp");
    EXPECT_EQ(Titles(), std::vector<std::string>{"File not fount"});  // for lying.bmp
    ASSERT_EQ(report.skipped.size(), 3u);
    EXPECT_THAT(report.skipped[0], HasSubstr("background: ok.bmp left out"));
    EXPECT_THAT(report.skipped[1], HasSubstr("30000 x 30000 pixels is larger"));
    EXPECT_THAT(report.skipped[2], HasSubstr("beyond the allowed size or position"));
    EXPECT_THAT(report.missing, testing::ElementsAre(HasSubstr("lying.bmp could not be read")));

    // Within smaller limits: too many images refuse the file.
    GaugeLimits limits;
    limits.maxElements = 5;
    CGaugeDocument small(ui, clipboard, host, &settings, ElementFactory::Instance(), limits);
    std::string many;
    for (int i = 0; i < 6; ++i) many += FsElement("0,0", "ok.bmp");
    ui.messages.clear();
    EXPECT_FALSE(small.ImportFsGaugeFile(Source(FsGaugeXml("", many))));
    EXPECT_EQ(Message(0), std::make_tuple("Import FS Gauge", Icon::Error,
                                          "The file " + dir.File("src/gauge.xml") +
                                              " holds more than 5 images, more than a gauge may "
                                              "have.\r\nNothing was imported."));
}

}  // namespace
