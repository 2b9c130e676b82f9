#pragma once

#include <memory>
#include <string>

#include "Preferences/PSPageItem.h"
#include "UIKit/UITableViewCell.h"

// A preferences cell of a bundle's own class, as a specifier's "cellClass" names it. The
// framework makes it by name and hands it its specifier; the cell shows what it likes.
class PSTableCell : public UITableViewCell {
 public:
  template <class Cell>
  static void registerCellClass(const char* name) {
    registerFactory(name, [] { return std::shared_ptr<PSTableCell>(new Cell()); });
  }
  // Null when no loaded library has a cell class of that name.
  static std::shared_ptr<PSTableCell> cellNamed(const std::string& name);

  const char* className() const override { return "PSTableCell"; }
  virtual void refreshCellContentsWithSpecifier(const PSSpecifier& specifier);

 private:
  using Factory = std::shared_ptr<PSTableCell> (*)();
  static void registerFactory(const char* name, Factory factory);
};
