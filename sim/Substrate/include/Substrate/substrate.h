#pragma once

#include "objc/runtime.h"

// Replaces the implementation of `selector` in `cls` with `replacement`, storing the former
// one in `*result` (when `result` is given) so the replacement can call through. A null class
// or selector, or a class without the method, hooks nothing and leaves `*result` as it was;
// the last is logged as "MS:Error: message not found [CLASS SELECTOR]".
void MSHookMessageEx(Class cls, SEL selector, IMP replacement, IMP* result);
