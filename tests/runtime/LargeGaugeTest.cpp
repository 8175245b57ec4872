// Large sizes: elements wider than any one screen draw over their whole width and go through
// save and open unchanged; elements the surface budget can't hold are kept, drawn empty and
// reported once.
#include <QImage>
#include <QPainter>

#include "GaugeTestSupport.h"
#include "model/SurfaceBudget.h"
#include "support/BudgetGuard.h"

namespace {

using namespace dw;
using dwtest::BudgetGuard;
using dwtest::HasSubstr;
using LargeGauge = dwtest::GaugeDocumentTest;

constexpr int kWide = 5000;  // wider than the 4096 pixels surfaces once stopped at

// A picture kWide x 20: blue, with its last 1000 columns green.
std::string WritePicture(dwtest::TempDir& dir, const std::string& name) {
    QImage picture(kWide, 20, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    QPainter(&picture).fillRect(kWide - 1000, 0, 1000, 20, Qt::green);
    const std::string path = dir.File(name);
    EXPECT_TRUE(picture.save(QString::fromStdString(path), "PNG"));
    return path;
}

// The gauge drawn into a bitmap of w x h on grey.
QImage Drawn(const ElementList& elements, int w, int h) {
    QImage target(w, h, QImage::Format_RGB32);
    target.fill(QColor(128, 128, 128));
    QPainter painter(&target);
    for (CElement& element : elements) element.Draw(painter);
    return target;
}

TEST_F(LargeGauge, WiderThanAScreenDrawsFullyAndSurvivesSaveAndOpen) {
    WritePicture(dir, "wide.png");
    const std::string elements =
        "<element type=\"graph\" file=\"wide.png\" left=\"0\" top=\"0\"/>\n"  // its size
        "<element type=\"primitive\" subtype=\"FillRect\" style=\"-1\" left=\"0\" top=\"20\" "
        "width=\"5760\" "
        "height=\"10\" borderwith=\"0\" color=\"0\" colorf=\"255\"/>\n";
    ASSERT_TRUE(Open(WriteGauge("wide.dwl", "2.0.0.0", "name=\"Wide\"", elements)));
    EXPECT_TRUE(ui.messages.empty());
    ASSERT_EQ(doc.elements.Count(), 2u);
    EXPECT_EQ(doc.elements.Head()->GetRect(), (Rect{0, 0, kWide, 20}));

    const QImage drawn = Drawn(doc.elements, 5760, 30);
    EXPECT_EQ(drawn.pixel(10, 10), qRgb(0, 0, 255));
    EXPECT_EQ(drawn.pixel(4990, 10), qRgb(0, 255, 0));  // the far edge of the picture
    EXPECT_EQ(drawn.pixel(5750, 25), qRgb(255, 0, 0));  // the rectangle to its end

    // What is written reads back: save and open.
    doc.gaugePath = dir.File("saved.dwl");
    ASSERT_TRUE(doc.WriteGauge());
    EXPECT_THAT(dwtest::ReadFile(doc.gaugePath), HasSubstr("width=\"5000\" height=\"20\""));
    const std::string snapshot = doc.SnapshotText();
    ASSERT_TRUE(Open(doc.gaugePath));
    EXPECT_EQ(doc.SnapshotText(), snapshot);
    EXPECT_EQ(Drawn(doc.elements, 5760, 30), drawn);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(LargeGauge, ElementsBeyondTheBudgetAreKeptDrawnEmptyAndReportedOnce) {
    // Room for the surfaces (source and shown bitmap) of two 100 x 100 elements.
    const BudgetGuard budget(2 * 2 * SurfaceBudget::SurfaceBytes(100, 100));
    const int emptyBefore = SurfaceBudget::Instance().SurfacesDrawnEmpty();
    std::string elements;
    for (int i = 0; i < 5; ++i)
        elements += "<element type=\"primitive\" subtype=\"FillRect\" style=\"-1\" left=\"" +
                    std::to_string(i * 100) +
                    "\" top=\"0\" width=\"100\" height=\"100\" borderwith=\"0\" "
                    "colorf=\"255\"/>\n";
    ASSERT_TRUE(Open(WriteGauge("heavy.dwl", "2.0.0.0", "", elements)));
    ASSERT_EQ(doc.elements.Count(), 5u);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(std::get<0>(Message(0)), "Gauge too large to draw");
    EXPECT_THAT(std::get<2>(Message(0)), HasSubstr("3 elements"));
    EXPECT_EQ(SurfaceBudget::Instance().SurfacesDrawnEmpty(), emptyBefore + 3);

    const QImage drawn = Drawn(doc.elements, 500, 100);
    EXPECT_EQ(drawn.pixel(150, 50), qRgb(255, 0, 0));      // drawn
    EXPECT_EQ(drawn.pixel(250, 50), qRgb(128, 128, 128));  // kept, drawn empty

    // Undo of the same gauge, and saving it, tell nothing new and keep every element.
    const std::string snapshot = doc.SnapshotText();
    ASSERT_TRUE(doc.RestoreSnapshot(snapshot));
    EXPECT_EQ(doc.elements.Count(), 5u);
    EXPECT_EQ(Drawn(doc.elements, 500, 100), drawn);
    doc.gaugePath = dir.File("heavy-saved.dwl");
    ASSERT_TRUE(doc.WriteGauge());
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(doc.SnapshotText(), snapshot);

    // Gone with the gauge, the budget is whole again.
    doc.elements.Clear();
    EXPECT_EQ(SurfaceBudget::Instance().SurfacesDrawnEmpty(), emptyBefore);
}

TEST_F(LargeGauge, AudioIconsAreChargedToTheBudgetLikeEveryOtherSurface) {
    const BudgetGuard budget(SurfaceBudget::SurfaceBytes(100, 100));
    const int emptyBefore = SurfaceBudget::Instance().SurfacesDrawnEmpty();
    const std::int64_t inUseBefore = SurfaceBudget::Instance().InUse();
    ASSERT_TRUE(Open(WriteGauge(
        "loud.dwl", "2.0.0.0", "",
        "<element type=\"audio\" file=\"a.wav\" left=\"0\" top=\"0\" width=\"16384\" "
        "height=\"16384\"/>\n<element type=\"audio\" file=\"b.wav\" left=\"0\" top=\"0\" "
        "width=\"40\" height=\"48\"/>\n")));
    ASSERT_EQ(doc.elements.Count(), 2u);
    EXPECT_EQ(SurfaceBudget::Instance().SurfacesDrawnEmpty(), emptyBefore + 1);
    EXPECT_EQ(SurfaceBudget::Instance().InUse() - inUseBefore, SurfaceBudget::SurfaceBytes(40, 48));
    doc.elements.Clear();
    EXPECT_EQ(SurfaceBudget::Instance().InUse(), inUseBefore);
}

}  // namespace
