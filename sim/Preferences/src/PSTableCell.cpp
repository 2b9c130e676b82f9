#include "Preferences/PSTableCell.h"

#include <map>

namespace {

std::map<std::string, std::shared_ptr<PSTableCell> (*)()>& factories() {
  static std::map<std::string, std::shared_ptr<PSTableCell> (*)()> table;
  return table;
}

}  // namespace

void PSTableCell::registerFactory(const char* name, Factory factory) {
  factories()[name] = factory;
}

std::shared_ptr<PSTableCell> PSTableCell::cellNamed(const std::string& name) {
  const auto found = factories().find(name);
  return found == factories().end() ? nullptr : found->second();
}

void PSTableCell::refreshCellContentsWithSpecifier(const PSSpecifier& specifier) {
  textLabel()->setText(specifier.label());
}
