#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "CoreGraphics/CGGeometry.h"
#include "SimDevice/DeviceModel.h"
#include "common/Result.h"

// The simulated device a run uses: its root folder, model and screen.
struct DeviceOptions {
  std::filesystem::path root;  // empty: UserFolder::deviceRoot()
  std::string model = DeviceModel::defaultIdentifier();
  std::optional<CGSize> screen;  // empty: the model's own screen
};

class Device {
 public:
  // The device path of the lock file a simulator holds its root by.
  static constexpr char kRootClaim[] = "/var/run/orbelle2-sim.pid";

  // The tweak's package: $ORBELLE2_DEB, else the one the build made in "../packages" beside
  // this program.
  static std::filesystem::path packageFile();

  // Creates the root if missing, claims it for this process (one SpringBoard per device),
  // installs the package over older copies (the preferences files stay as they are), sets
  // model and screen (an unknown model is refused), and boots SpringBoard, which loads the
  // tweak.
  static Result<> boot(const DeviceOptions& options);
  // Puts the simulated system's own files on the current device root, then installs the
  // tweak's package there as dpkg does (see PackageManager): never through a link in the root,
  // never rewriting a file in place, so a library another process has mapped stays whole.
  static Result<> installPackage();
  // Holds the current device root for the rest of this process; refused while another
  // simulator holds it.
  static Result<> claimRoot();
  // Puts the simulator's own apps (Settings) on SpringBoard's home screen, once.
  static void installApps();
};
