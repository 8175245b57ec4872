// CAudio: playback. Play and Stop run on the player's frame thread (scripts), OnPlayNotify
// on its window thread; the three flags are atomic and the devices live in MediaDevices.
#include "model/GlobalSwitch.h"
#include "runtime/CAudio.h"
#include "runtime/MediaDevices.h"

namespace dw {

void CAudio::Play(bool loop) {
    // Only in a running player (its variable tables are set) with the global switch on.
    if (values1 == nullptr || !IsGlobalSwitchOn() || playing.load()) return;
    MediaDevices* media = MediaDevices::Instance();
    if (media == nullptr) {
        // No media framework: as a device that could not be opened.
        deviceId = 0;
        playing = true;
        return;
    }
    if (const std::uint32_t previous = deviceId.load()) media->Close(previous);
    const std::uint32_t device = MediaDevices::NextDeviceId();
    deviceId = device;
    looping = loop;
    media->Play(device, file);
    // Set also when the device fails to open: until a stop or a rebuild clears it, later
    // plays do nothing.
    playing = true;
}

void CAudio::Stop() {
    looping = false;
    playing = false;
    const std::uint32_t device = deviceId.load();
    if (device == 0) return;
    if (MediaDevices* media = MediaDevices::Instance()) media->Stop(device);
}

void CAudio::OnPlayNotify(std::uint32_t device) {
    if (device != deviceId.load()) return;
    playing = false;
    if (MediaDevices* media = MediaDevices::Instance()) media->Close(device);
    if (IsRunMode() && looping.load()) Play(true);
}

}  // namespace dw
