#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

// Wired headphones and a Bluetooth device, plugged in and out (`headphones`, `bluetooth`, and
// their keys at the window). Wired
// headphones take every category on the loudspeaker or the receiver; Bluetooth takes those and
// the ones on wired headphones. Unplugged, each category still on the plug's route goes back to
// the route it had.
class RoutePlugs {
 public:
  static constexpr char kWiredRoute[] = "Headphone";
  static constexpr char kBluetoothRoute[] = "BluetoothA2DPOutput";

  bool headphonesIn() const { return wired_.has_value(); }
  bool bluetoothOn() const { return bluetooth_.has_value(); }
  // "headphones in" or "headphones out", then each route change as `route` prints it; only the
  // first line when they are already so.
  std::vector<std::string> setHeadphones(bool in);
  // "bluetooth on" or "bluetooth off", then each route change as `route` prints it.
  std::vector<std::string> setBluetooth(bool on);

 private:
  // Each category moved, and the route it had.
  using Moved = std::map<std::string, std::optional<std::string>>;
  static Moved plugIn(const std::string& route, const std::vector<std::string>& takenFrom,
                      std::vector<std::string>& lines);
  static void unplug(const std::string& route, const Moved& moved, std::vector<std::string>& lines);

  std::optional<Moved> wired_;      // while headphones are in
  std::optional<Moved> bluetooth_;  // while Bluetooth is on
};
