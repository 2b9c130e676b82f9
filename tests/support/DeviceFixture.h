#pragma once

#include <gtest/gtest.h>

#include "support/DevicePaths.h"
#include "support/PlistFixture.h"
#include "support/TempDeviceRoot.h"

// A fresh device root for one test, and the two preference files written onto it whole, as the
// preferences bundle or a user would.
class DeviceFixture : public ::testing::Test {
 protected:
  static constexpr auto& kPrefs = device_paths::kPrefs;
  static constexpr auto& kList = device_paths::kList;

  void writePrefs(const plist_fixture::Node& dict) const {
    root.writeBytes(kPrefs, plist_fixture::xml(dict));
  }
  void writeList(const plist_fixture::Node& array) const {
    root.writeBytes(kList, plist_fixture::xml(array));
  }

  TempDeviceRoot root;
};
