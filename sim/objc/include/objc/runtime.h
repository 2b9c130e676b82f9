#pragma once

// A small Objective-C-style runtime: classes registered by name, each with a table of method
// implementations by selector. A message send looks the implementation up in the receiver's
// class at call time, so replacing a method takes effect for every instance at once.

struct objc_class;
struct objc_selector;
using Class = objc_class*;
using SEL = const objc_selector*;
using IMP = void (*)();

// Every object the runtime dispatches on starts with its class.
struct objc_object {
  Class isa = nullptr;
};
using id = objc_object*;

// The class of that name; null when no such class is registered.
Class objc_getClass(const char* name);
// Registers a class (or answers the one already registered under the name).
Class objc_registerClass(const char* name);

SEL sel_registerName(const char* name);
const char* sel_getName(SEL selector);
const char* class_getName(Class cls);

// False when the class already has a method for the selector.
bool class_addMethod(Class cls, SEL selector, IMP implementation);
// Installs `implementation` and answers the one it replaced (null when there was none).
IMP class_replaceMethod(Class cls, SEL selector, IMP implementation);
// Null when the class has no method for the selector.
IMP class_getMethodImplementation(Class cls, SEL selector);

// A typed message send: looks the method up now and calls it; `fallback` when the receiver's
// class has none.
template <class Result, class... Args>
Result objc_msgSend(id self, SEL selector, Result fallback, Args... args) {
  const IMP imp = self ? class_getMethodImplementation(self->isa, selector) : nullptr;
  if (imp == nullptr) return fallback;
  return reinterpret_cast<Result (*)(id, SEL, Args...)>(imp)(self, selector, args...);
}
