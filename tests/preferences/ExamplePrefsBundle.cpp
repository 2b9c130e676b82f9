// A preference bundle of another tweak, as the framework loads one: its principal class with
// an action and two data sources of its own.
#include "Foundation/NSLog.h"
#include "Preferences/PSListController.h"

namespace {

class EXRootListController : public PSListController {
 public:
  EXRootListController() {
    addAction("refresh:", [](const PSSpecifier&) { NSLog("EX: refreshed"); });
    addDataSource("themeValues:", [](const PSSpecifier&) {
      return PlistValue::Array{PlistValue("dark"), PlistValue("light")};
    });
    addDataSource("themeTitles:", [](const PSSpecifier&) {
      return PlistValue::Array{PlistValue("Dark"), PlistValue("Light")};
    });
  }
};

const bool registered = [] {
  PSListController::registerControllerClass<EXRootListController>("EXRootListController");
  return true;
}();

}  // namespace
