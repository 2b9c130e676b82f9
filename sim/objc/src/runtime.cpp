#include "objc/runtime.h"

#include <map>
#include <memory>
#include <set>
#include <string>

struct objc_class {
  std::string name;
  std::map<SEL, IMP> methods;
};

namespace {

std::map<std::string, std::unique_ptr<objc_class>, std::less<>>& classes() {
  static std::map<std::string, std::unique_ptr<objc_class>, std::less<>> table;
  return table;
}

// Selectors are interned names: one address per name for the life of the process.
std::set<std::string, std::less<>>& selectors() {
  static std::set<std::string, std::less<>> table;
  return table;
}

}  // namespace

Class objc_getClass(const char* name) {
  if (name == nullptr) return nullptr;
  const auto found = classes().find(name);
  return found == classes().end() ? nullptr : found->second.get();
}

Class objc_registerClass(const char* name) {
  if (Class existing = objc_getClass(name)) return existing;
  auto& slot = classes()[name];
  slot = std::make_unique<objc_class>();
  slot->name = name;
  return slot.get();
}

SEL sel_registerName(const char* name) {
  const auto& interned = *selectors().insert(name).first;
  return reinterpret_cast<SEL>(interned.c_str());
}

const char* sel_getName(SEL selector) {
  return selector ? reinterpret_cast<const char*>(selector) : "<null selector>";
}

const char* class_getName(Class cls) {
  return cls ? cls->name.c_str() : "nil";
}

bool class_addMethod(Class cls, SEL selector, IMP implementation) {
  if (cls == nullptr || selector == nullptr) return false;
  return cls->methods.emplace(selector, implementation).second;
}

IMP class_replaceMethod(Class cls, SEL selector, IMP implementation) {
  if (cls == nullptr || selector == nullptr) return nullptr;
  IMP& slot = cls->methods[selector];
  const IMP previous = slot;
  slot = implementation;
  return previous;
}

IMP class_getMethodImplementation(Class cls, SEL selector) {
  if (cls == nullptr) return nullptr;
  const auto found = cls->methods.find(selector);
  return found == cls->methods.end() ? nullptr : found->second;
}
