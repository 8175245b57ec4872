// The server links dialog and its address field.
#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include "../editor/DialogTestSupport.h"
#include "app/CZekoConfig.h"
#include "app/Ipv4Field.h"
#include "platform/SettingsKeys.h"

namespace {

using namespace dialogtest;
using dw::CZekoConfig;

class ServerLinksDialogTest : public DialogFixture {
protected:
    std::unique_ptr<CZekoConfig> Open() {
        auto dialog = std::make_unique<CZekoConfig>(context);
        dialog->SetLinks(link1, link2);
        return dialog;
    }
    static QComboBox* List(CZekoConfig& d) { return Control<QComboBox>(d, "linkCombo"); }
    static QLineEdit* Field(CZekoConfig& d, const char* name) {
        return Control<QLineEdit>(d, name);
    }

    dw::GaugeLink link1{"FlightSimulator", "127.0.0.1", 8090};
    dw::GaugeLink link2{"MORV", "10.1.2.3", 8092};
};

TEST_F(ServerLinksDialogTest, SwitchingLinksKeepsWhatWasTypedAndOkStoresTheSelectedLink) {
    auto dialog = Open();
    ASSERT_EQ(List(*dialog)->count(), 2);
    EXPECT_EQ(List(*dialog)->currentIndex(), 0);
    EXPECT_EQ(Text(Field(*dialog, "portEdit")), "8090");
    QTest::keyClicks(Field(*dialog, "aliasEdit"), "X");
    EXPECT_EQ(List(*dialog)->itemText(0).toStdString(), "1.-FlightSimulatorX");
    List(*dialog)->setCurrentIndex(1);
    EXPECT_EQ(Text(Field(*dialog, "portEdit")), "8092");
    Field(*dialog, "ipEdit")->setText("192.168.1.20");
    List(*dialog)->setCurrentIndex(0);
    EXPECT_EQ(Text(Field(*dialog, "aliasEdit")), "FlightSimulatorX");
    Field(*dialog, "portEdit")->setText("9001");  // typed, then Ok without switching
    QTest::mouseClick(Control<QPushButton>(*dialog, "okButton"), Qt::LeftButton);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->Link(0).port, 9001);
    EXPECT_EQ(dialog->Link(0).alias, "FlightSimulatorX");
    EXPECT_EQ(dialog->Link(0).ip, "127.0.0.1");
    EXPECT_EQ(dialog->Link(1).ip, "192.168.1.20");
    EXPECT_EQ(dialog->Link(1).port, 8092);
}

TEST_F(ServerLinksDialogTest, LinkTwoComesFirstAfterItFailedAndHostNamesComeBackAsZeros) {
    settings.SeedInt(dw::settings::kRunTime, dw::settings::kLastError, 9002);
    link1.ip = "sim.local";
    link2.ip = "";
    auto dialog = Open();
    EXPECT_EQ(List(*dialog)->currentIndex(), 1);
    EXPECT_EQ(Text(Field(*dialog, "portEdit")), "8092");
    List(*dialog)->setCurrentIndex(0);
    EXPECT_EQ(Text(Field(*dialog, "ipEdit")), "");
    dialog->accept();
    EXPECT_EQ(dialog->Link(0).ip, "0.0.0.0");
    EXPECT_EQ(dialog->Link(1).ip, "0.0.0.0");
}

TEST(Ipv4Field, AcceptsExactlyFourNumbersUpTo255) {
    dw::Ipv4Field field;
    struct Case {
        const char* typed;
        const char* shown;
        const char* address;
    };
    // Keys the validator refuses are dropped as they are typed.
    const Case cases[] = {{"256", "25", "25.0.0.0"},
                          {"1.2.3.4.5", "1.2.3.45", "1.2.3.45"},
                          {"sim.local", ".", "0.0.0.0"},
                          {"-1", "1", "1.0.0.0"}};
    for (const Case& c : cases) {
        field.clear();
        QTest::keyClicks(&field, c.typed);
        EXPECT_EQ(field.text().toStdString(), c.shown) << c.typed;
        EXPECT_EQ(field.Address(), c.address) << c.typed;
    }
    field.SetAddress("300.1.1.1");
    EXPECT_EQ(field.text().toStdString(), "");
}

}  // namespace
