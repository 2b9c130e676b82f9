#include "Substrate/substrate.h"

void MSHookMessageEx(Class cls, SEL selector, IMP replacement, IMP* result) {
  if (cls == nullptr || selector == nullptr) return;
  const IMP previous = class_replaceMethod(cls, selector, replacement);
  if (result != nullptr) *result = previous;
}
