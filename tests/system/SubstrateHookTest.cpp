#include <gtest/gtest.h>

#include "Substrate/substrate.h"
#include "support/LogCapture.h"

namespace {

int original(id, SEL) {
  return 1;
}
int replacement(id, SEL) {
  return 2;
}

// A hook replaces a method the class has and hands back the old one; a selector the class
// lacks is not added, and the failure is logged.
TEST(SubstrateHook, HooksOnlyAMethodTheClassHas) {
  const Class cls = objc_registerClass("SubstrateHookTestClass");
  const SEL has = sel_registerName("has");
  const SEL lacks = sel_registerName("lacks");
  class_addMethod(cls, has, reinterpret_cast<IMP>(&original));
  LogCapture log;

  IMP previous = nullptr;
  MSHookMessageEx(cls, has, reinterpret_cast<IMP>(&replacement), &previous);
  EXPECT_EQ(previous, reinterpret_cast<IMP>(&original));
  objc_object object{cls};
  EXPECT_EQ(objc_msgSend<int>(&object, has, 0), 2);

  IMP untouched = reinterpret_cast<IMP>(&original);
  MSHookMessageEx(cls, lacks, reinterpret_cast<IMP>(&replacement), &untouched);
  EXPECT_EQ(untouched, reinterpret_cast<IMP>(&original)) << "left as it was";
  EXPECT_EQ(class_getMethodImplementation(cls, lacks), nullptr) << "nothing added";
  EXPECT_EQ(
      log.messages(),
      (std::vector<std::string>{"MS:Error: message not found [SubstrateHookTestClass lacks]"}));
}

}  // namespace
