#include "Substrate/substrate.h"

#include <string>

#include "Foundation/NSLog.h"

void MSHookMessageEx(Class cls, SEL selector, IMP replacement, IMP* result) {
  if (cls == nullptr || selector == nullptr) return;
  if (class_getMethodImplementation(cls, selector) == nullptr) {
    // Nothing to hook: the class is left as it was, without the method.
    NSLog(std::string("MS:Error: message not found [") + class_getName(cls) + " " +
          sel_getName(selector) + "]");
    return;
  }
  const IMP previous = class_replaceMethod(cls, selector, replacement);
  if (result != nullptr) *result = previous;
}
