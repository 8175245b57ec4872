// The audio element in player runs: played to its end, looped until stopped, two at once,
// plays that are ignored, the device alias counter, media errors, file formats and the icon.
#include <QPainter>

#include "PlayerTestSupport.h"
#include "render/RenderServices.h"
#include "runtime/CAudio.h"
#include "runtime/MediaDevices.h"

namespace playertest {
namespace {

using namespace dw;

// A mono 16-bit 8 kHz WAV file of `ms` milliseconds of a quiet tone.
std::string WriteWav(const dwtest::TempDir& folder, const std::string& name, int ms) {
    const std::uint32_t samples = 8 * static_cast<std::uint32_t>(ms);
    std::string bytes = "RIFF";
    auto put32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) bytes += static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    auto put16 = [&](std::uint16_t v) {
        bytes += static_cast<char>(v & 0xFF);
        bytes += static_cast<char>(v >> 8);
    };
    put32(36 + samples * 2);
    bytes += "WAVEfmt ";
    put32(16), put16(1), put16(1), put32(8000), put32(16000), put16(2), put16(16);
    bytes += "data";
    put32(samples * 2);
    for (std::uint32_t i = 0; i < samples; ++i) put16(static_cast<std::uint16_t>((i % 16) * 64));
    folder.Write(name, bytes);
    return name;
}

class AudioTest : public PlayerTest {
protected:
    CAudio* Audio(Gauge& gauge, const std::string& file, const std::string& program) {
        auto audio = std::make_unique<CAudio>(nullptr, Rect{0, 0, 40, 48});
        audio->file = file;
        audio->mainProgram = program;
        return static_cast<CAudio*>(gauge.Add(std::move(audio)));
    }
    // Plays the gauge in the player window, calling `step` every 5 ms until it returns true;
    // then the run ends.
    void Run(Gauge& gauge, const std::function<bool()>& step) {
        CPlayerDlg player(Request(gauge.Head()));
        Play(player, [&](CPlayerDlg& p) {
            frames = p.Session().FramesDrawn();
            if (!step()) return false;
            p.Session().RequestEnd();
            return true;
        });
    }
    static std::size_t OpenDevices() { return MediaDevices::Instance()->OpenCount(); }
    static bool IsOpen(std::uint32_t device) { return MediaDevices::Instance()->IsOpen(device); }
    std::uint64_t frames = 0;  // drawn so far in the current run
};

TEST_F(AudioTest, PlaysOnceToTheEndThenClosesItsDevice) {
    Gauge gauge;
    CAudio* audio =
        Audio(gauge, WriteWav(folder, "beep.wav", 150), Lines({"link offset 5 server 1", "play"}));
    std::uint32_t device = 0;
    bool ended = false;
    Run(gauge, [&] {
        if (device == 0) device = audio->deviceId.load();
        return ended = device != 0 && !audio->playing.load() && !IsOpen(device);
    });
    EXPECT_TRUE(ended);
    EXPECT_EQ(audio->deviceId.load(), device);  // played once, not again
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(AudioTest, PlayLoopStartsAgainUntilStop) {
    Gauge gauge;
    CAudio* audio = Audio(
        gauge, WriteWav(folder, "loop.wav", 100),
        Lines({"link offset 5 server 1", "if value = 1", "stop", "else", "play loop", "endif"}));
    std::uint32_t first = 0, stoppedAt = 0;
    int phase = 0;
    Run(gauge, [&] {
        const std::uint32_t device = audio->deviceId.load();
        if (phase == 0 && device != 0) first = device, phase = 1;
        if (phase == 1 && device >= first + 2) {  // it started again twice
            server.Send("Arn.Resp:5=1:");
            phase = 2;
        }
        if (phase == 2 && !audio->playing.load() && OpenDevices() == 0) {
            stoppedAt = device;
            phase = 3;
            return false;
        }
        // Stopped stays stopped: no new device after the aborted play was handed back.
        return phase == 3 && OpenDevices() == 0 && audio->deviceId.load() == stoppedAt;
    });
    EXPECT_EQ(phase, 3);
    EXPECT_FALSE(audio->looping.load());
    EXPECT_EQ(audio->deviceId.load(), stoppedAt);
}

TEST_F(AudioTest, TwoElementsPlayAtOnceAndOnlyTheFinishedOneCloses) {
    Gauge gauge;
    CAudio* shortOne =
        Audio(gauge, WriteWav(folder, "short.wav", 100), Lines({"link offset 5 server 1", "play"}));
    CAudio* longOne =
        Audio(gauge, WriteWav(folder, "long.wav", 4000), Lines({"link offset 6 server 1", "play"}));
    bool longStillPlaying = false;
    Run(gauge, [&] {
        const std::uint32_t a = shortOne->deviceId.load(), b = longOne->deviceId.load();
        if (a == 0 || b == 0 || IsOpen(a)) return false;
        longStillPlaying = longOne->playing.load() && IsOpen(b);
        return true;
    });
    EXPECT_TRUE(longStillPlaying);
    EXPECT_FALSE(shortOne->playing.load());
}

TEST_F(AudioTest, PlayIsIgnoredWhilePlayingAndWhileSwitchedOff) {
    Gauge gauge;
    CAudio* playingOne =
        Audio(gauge, WriteWav(folder, "long.wav", 4000), Lines({"link offset 5 server 1", "play"}));
    std::uint32_t first = 0;
    int phase = 0;
    Run(gauge, [&] {
        if (phase == 0 && playingOne->deviceId.load() != 0) {
            first = playingOne->deviceId.load();
            server.Send("Arn.Resp:5=2:");  // the script runs again and plays again
            phase = 1;
        }
        return phase == 1 && playingOne->lastValue == 2.0f;
    });
    EXPECT_EQ(playingOne->deviceId.load(), first);

    Gauge offGauge;
    CAudio* switchedOff = Audio(offGauge, WriteWav(folder, "off.wav", 100),
                                Lines({"link offset 6 server 1", "switchoff", "play"}));
    Run(offGauge, [&] { return frames > 2; });
    EXPECT_EQ(switchedOff->deviceId.load(), 0u);
    EXPECT_FALSE(switchedOff->playing.load());
}

TEST_F(AudioTest, AliasCounterGoesOnAcrossRunsAndEveryRunStartsWithTheScript) {
    Gauge gauge;
    CAudio* audio =
        Audio(gauge, WriteWav(folder, "beep.wav", 50), Lines({"link offset 5 server 1", "play"}));
    std::uint32_t devices[2] = {};
    for (std::uint32_t& device : devices) {
        Run(gauge, [&] { return (device = audio->deviceId.load()) != 0; });
        // The editor draws the element after a run: its last value is forgotten.
        QImage canvas(64, 64, QImage::Format_RGB32);
        QPainter painter(&canvas);
        audio->Draw(painter);
    }
    EXPECT_EQ(devices[1], devices[0] + 1);
    EXPECT_EQ(MediaDevices::AliasOf(devices[1]), "Wav-" + std::to_string(devices[1]));
}

TEST_F(AudioTest, UnplayableFileShowsTheMediaErrorAndIsNotTriedAgain) {
    Gauge gauge;
    folder.Write("broken.wav", "this is no sound");
    CAudio* audio = Audio(gauge, "broken.wav", Lines({"link offset 5 server 1", "play"}));
    bool stillPlaying = false;
    std::uint32_t device = 1;
    int phase = 0;
    Run(gauge, [&] {
        if (phase == 0 && !ui.messages.empty()) {
            server.Send("Arn.Resp:5=1:");  // the script runs and plays again
            phase = 1;
        }
        if (phase != 1 || audio->lastValue != 1.0f) return false;
        stillPlaying = audio->playing.load();
        device = audio->deviceId.load();
        return true;
    });
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "Media Error");
    EXPECT_FALSE(ui.messages[0].text.empty());
    EXPECT_EQ(ui.messages[0].buttons, Buttons::Ok);
    EXPECT_EQ(device, 0u);
    EXPECT_TRUE(stillPlaying);
}

TEST(AudioElementTest, RebuildChecksTheExtensionAndDrawsTheIcon) {
    dwtest::ScriptedInteraction ui;
    const RenderServices previous = CurrentRenderServices();
    InstallRenderServices({&ui, nullptr});
    struct Case {
        const char* file;
        bool accepted;
    };
    for (const Case& c :
         {Case{"sounds/ALARM.MP3", true}, Case{"voice.wma", true}, Case{"alarm.mpeg", false}}) {
        ui.messages.clear();
        CAudio audio(nullptr, Rect{0, 0, 40, 48});
        audio.file = c.file;
        audio.Rebuild();
        const bool iconDrawn = audio.iconBitmap.pixel(20, 24) != QColor(Qt::black).rgb() ||
                               audio.iconBitmap.pixel(10, 24) != QColor(Qt::black).rgb();
        EXPECT_EQ(iconDrawn, c.accepted) << c.file;
        if (c.accepted) {
            EXPECT_TRUE(ui.messages.empty()) << c.file;
        } else {
            ASSERT_EQ(ui.messages.size(), 1u) << c.file;
            EXPECT_EQ(ui.messages[0].title, "Error");
            EXPECT_EQ(ui.messages[0].text,
                      "The audio you are loading is on an incompatible format.");
            EXPECT_EQ(audio.file, c.file);  // kept as it was
        }
    }
    InstallRenderServices(previous);
}

}  // namespace
}  // namespace playertest
