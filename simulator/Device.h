#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "CoreGraphics/CGGeometry.h"

// The simulated device a run uses: its root folder, model and screen.
struct DeviceOptions {
  std::filesystem::path root;  // empty: defaultRoot()
  std::string model = "iPhone10,4";
  std::optional<CGSize> screen;  // empty: the model family's screen
};

class Device {
 public:
  // "$XDG_DATA_HOME/orbelle2-sim/device", else "~/.local/share/orbelle2-sim/device".
  static std::filesystem::path defaultRoot();
  // The built package tree: $ORBELLE2_PACKAGE, else "../package" beside this program.
  static std::filesystem::path packageDir();
  // iPhone 375x667, iPad 768x1024, iPod touch 320x568 points.
  static CGSize screenForModel(const std::string& model);

  // Creates the root if missing, installs the package over older copies (the preferences
  // files stay as they are), sets model and screen, and boots SpringBoard, which loads the
  // tweak. Answers an error message, or nothing when the device is up.
  static std::optional<std::string> boot(const DeviceOptions& options);
  // Copies the package tree onto the current device root.
  static std::optional<std::string> installPackage();
};
