#pragma once

#include <string>
#include <string_view>

// A device for one fuzzing process: a fresh root, made once, removed at exit.
namespace fuzz_device {

// Sets the device root (and, with `bootSpringBoard`, installs the package and boots
// SpringBoard with the tweak loaded). Aborts when the device cannot be made.
void prepare(bool bootSpringBoard);
void writeFile(std::string_view devicePath, std::string_view bytes);
void removeFile(std::string_view devicePath);

}  // namespace fuzz_device
