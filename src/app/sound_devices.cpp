#include "app/sound_devices.h"

#include "app/tform1.h"

namespace corvanta {

SoundDevices::SoundDevices() : defaultOutput_(std::make_shared<NullMidiOutput>()) {}
SoundDevices::~SoundDevices() = default;

void SoundDevices::AttachMenu(TForm1&) {}

}  // namespace corvanta
