// The audio properties dialog: filled from the element, OK and Cancel, the sound chooser and
// the "Play" preview.
#include <QPushButton>
#include <QTest>
#include <cstdint>

#include "DialogTestSupport.h"
#include "editor/dialogs/AudioPreview.h"
#include "editor/dialogs/CAudioProperties.h"
#include "runtime/CAudio.h"

namespace {

using namespace dialogtest;
using dw::dialogs::CAudioProperties;

// A mono 8 kHz, 16-bit WAV file of the given number of silent samples.
std::string SilentWav(std::uint32_t samples) {
    const auto le32 = [](std::uint32_t v) {
        return std::string{char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
    };
    // The format chunk: PCM, one channel, 8000 samples and 16000 bytes a second, 16 bits.
    const std::string format("\x10\0\0\0\x01\0\x01\0\x40\x1f\0\0\x80\x3e\0\0\x02\0\x10\0", 20);
    return "RIFF" + le32(36 + samples * 2) + "WAVEfmt " + format + "data" + le32(samples * 2) +
           std::string(samples * 2, '\0');
}

using AudioPropertiesTest = ElementDialogFixture;

TEST_F(AudioPropertiesTest, OkTakesNameProgramAndFileAndClearsTheLink) {
    dir.Write("bell.wav", SilentWav(80));
    dw::CAudio audio(nullptr, {10, 10, 48, 48});
    audio.name = "alarm";
    audio.mainProgram = "link offset 12 server 1\r\nplay\r\n";
    audio.linkedServer = 1;
    audio.linkedOffset = 12;
    OnNextModal<CAudioProperties>([](CAudioProperties& dialog) {
        EXPECT_EQ(dialog.windowTitle().toStdString(), "Audio Properties");
        EXPECT_EQ(Text(Control<QLineEdit>(dialog, "nameEdit")), "alarm");
        Control<QLineEdit>(dialog, "nameEdit")->setText("bell");
        Control<QLineEdit>(dialog, "fileEdit")->setText("bell.wav");
        Control<QPlainTextEdit>(dialog, "scriptEdit")->setPlainText("play loop");
        QTest::mouseClick(Control<QPushButton>(dialog, "okButton"), Qt::LeftButton);
    });
    audio.EditProperties();
    EXPECT_EQ(audio.name, "bell");
    EXPECT_EQ(audio.file, "bell.wav");
    EXPECT_EQ(audio.mainProgram, "play loop\r\n");
    EXPECT_EQ(std::make_pair(audio.linkedServer, audio.linkedOffset), std::make_pair(0, -1));

    // Cancel keeps every field but still rebuilds the element.
    audio.playing = true;
    OnNextModal<CAudioProperties>([](CAudioProperties& dialog) {
        Control<QLineEdit>(dialog, "nameEdit")->setText("other");
        dialog.reject();
    });
    audio.EditProperties();
    EXPECT_EQ(audio.name, "bell");
    EXPECT_FALSE(audio.playing) << "rebuilt after Cancel";
}

TEST_F(AudioPropertiesTest, PlayTogglesThePreviewAndTheEndOfTheSoundClearsIt) {
    dir.Write("tick.wav", SilentWav(80000));  // ten seconds: still playing when stopped
    dir.Write("short.wav", SilentWav(800));   // a tenth of a second
    CAudioProperties dialog(context);
    dialog.SetValues({"", "TICK.WAV", ""});
    auto* play = Control<QPushButton>(dialog, "playButton");
    QTest::mouseClick(play, Qt::LeftButton);
    EXPECT_TRUE(dialog.Preview().IsPlaying());
    EXPECT_TRUE(play->isChecked());
    QTest::mouseClick(play, Qt::LeftButton);
    EXPECT_FALSE(dialog.Preview().IsPlaying());
    EXPECT_FALSE(play->isChecked());

    dialog.SetValues({"", "short.wav", ""});
    QTest::mouseClick(play, Qt::LeftButton);
    ASSERT_TRUE(dialog.Preview().IsPlaying());
    QTRY_VERIFY_WITH_TIMEOUT(!dialog.Preview().IsPlaying(), 30000);
    EXPECT_FALSE(play->isChecked());

    // A missing file is not reported: the button still toggles; closing stops it.
    dialog.SetValues({"", "missing.wav", ""});
    QTest::mouseClick(play, Qt::LeftButton);
    EXPECT_TRUE(dialog.Preview().IsPlaying());
    EXPECT_TRUE(user.messages.empty());
    dialog.reject();
    EXPECT_FALSE(dialog.Preview().IsPlaying());
}

}  // namespace
