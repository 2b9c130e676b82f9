#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "Celestial/AVSystemController.h"
#include "SimDevice/DeviceModel.h"
#include "UIKit/UILabel.h"
#include "UIKit/UISlider.h"
#include "UIKit/UIWindow.h"
#include "mixer/OrbelleView.h"
#include "support/DeviceFixture.h"
#include "support/LogCapture.h"
#include "support/PlistFixture.h"
#include "support/RecordingVolumeController.h"
#include "support/TempDeviceRoot.h"

// A device root with the skin images installed, a clean controller, a recorder in front of
// it and the log captured; helpers to write the two files and to build a panel in a window on
// the screen, look at it and touch it.
class PanelFixture : public DeviceFixture {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Every setting at the value an absent key stands for.
  static void expectDefaults(const OrbelleView& view);
  std::shared_ptr<OrbelleView> build(CGFloat width = 300, CGFloat height = 290);
  // A panel that has only read its settings, and with `list` its category list too.
  std::shared_ptr<OrbelleView> loaded(bool list = false) const;

  std::shared_ptr<UILabel> label(NSInteger num) const;
  std::shared_ptr<UISlider> slider(NSInteger num) const;
  std::string text(NSInteger num) const;  // "<no label>" when there is none
  float volume(const char* category) const;
  void post(const char* category, double volume) const;  // as the controller would
  // Changes made elsewhere, with the controller's answers arriving on the run loop's next turn.
  void setVolumeTo(float volume, const char* category) const;
  void setRoute(const char* category, std::optional<std::string> route) const;
  // Lets the controller's answers to the changes made so far arrive.
  static void settle();

  // Where slider `num` shows `percent`, on the screen.
  CGPoint thumbAt(NSInteger num, float percent) const;
  // A finger on slider `num`: down on its thumb, moved to `percent` in `steps`, lifted.
  void drag(NSInteger num, float percent, int steps = 4);

  LogCapture log;
  std::shared_ptr<AVSystemController> controller = AVSystemController::sharedAVSystemController();
  std::shared_ptr<RecordingVolumeController> recorder;
  std::shared_ptr<OrbelleView> panel;
  std::shared_ptr<UIWindow> window;
  std::string savedModel = DeviceModel::identifier();
};
