// The page's cells, one kind for each cell type, and what their controls write.
#include <cmath>
#include <cstdio>

#include "Preferences/PSListController.h"
#include "Preferences/PSTableCell.h"
#include "UIKit/UIImage.h"
#include "UIKit/UISegmentedControl.h"
#include "UIKit/UISlider.h"
#include "UIKit/UISwitch.h"
#include "UIKit/UITextField.h"

namespace {

constexpr CGFloat kFieldWidth = 170;
constexpr CGFloat kSegmentWidth = 180;
const UIColor kDimmed{0.56, 0.56, 0.58, 1};

std::string textOf(const PlistValue& value) {
  if (const auto* text = value.asString()) return *text;
  if (const auto number = value.floatValue(); number && !value.boolValue().has_value()) {
    char shown[32];
    std::snprintf(shown, sizeof shown, "%g", static_cast<double>(*number));
    return shown;
  }
  return "";
}

// A slider's value as its cell shows it, to two places.
std::string sliderText(float value) {
  char shown[32];
  std::snprintf(shown, sizeof shown, "%.2f", static_cast<double>(value));
  return shown;
}

std::shared_ptr<UITableViewCell> cellOfClass(const PSSpecifier& specifier, bool& unknown) {
  const std::string name = specifier.property("cellClass");
  if (name.empty()) return nullptr;
  auto cell = PSTableCell::cellNamed(name);
  unknown = !cell;
  if (cell) cell->refreshCellContentsWithSpecifier(specifier);
  return cell;
}

}  // namespace

std::shared_ptr<UITableViewCell> PSListController::cellForRowAtIndexPath(NSIndexPath path) {
  return makeCell(indexAt(path));
}

std::shared_ptr<UITableViewCell> PSListController::makeCell(std::size_t index) {
  const PSSpecifier& specifier = specifiers_[index];
  bool unknownClass = false;
  if (auto own = cellOfClass(specifier, unknownClass)) return own;
  if (unknownClass)
    logOnce(specifier.label() + ": no cell class " + specifier.property("cellClass"));
  auto cell = std::make_shared<UITableViewCell>();
  cell->textLabel()->setText(specifier.label());
  if (const std::string icon = specifier.property("icon"); !icon.empty()) {
    if (auto image = UIImage::imageWithContentsOfFile(bundlePath_ + icon)) {
      cell->imageView()->setImage(std::move(image));
    }
  }
  if (specifier.cell() == PSSpecifier::Cell::Unknown) {
    logOnce(specifier.label() + ": no cell type " + specifier.cellName());
  } else {
    showControl(*cell, index);
  }
  if (!specifier.isEnabled()) cell->textLabel()->setTextColor(kDimmed);
  cell->layoutSubviews();
  return cell;
}

void PSListController::showControl(UITableViewCell& cell, std::size_t index) {
  const PSSpecifier& specifier = specifiers_[index];
  const bool plain = specifier.flag("isStaticText", false);
  switch (specifier.cell()) {
    case PSSpecifier::Cell::Switch: {
      auto toggle = std::make_shared<UISwitch>();
      toggle->setOn(valueOf(specifier).boolValue().value_or(false));
      addControl(toggle, index);
      return cell.setAccessoryView(toggle);
    }
    case PSSpecifier::Cell::LinkList:
      cell.detailTextLabel()->setText(specifier.titleOfValue(valueOf(specifier), true));
      if (!plain) cell.setAccessoryType(UITableViewCellAccessoryDisclosureIndicator);
      return;
    case PSSpecifier::Cell::Link:
      if (!plain) cell.setAccessoryType(UITableViewCellAccessoryDisclosureIndicator);
      return;
    case PSSpecifier::Cell::Button:
      cell.textLabel()->setTextColor(specifier.flag("isDestructive", false)
                                         ? UIColor::systemRedColor()
                                         : UIColor::systemBlueColor());
      return;
    case PSSpecifier::Cell::TitleValue:
      cell.detailTextLabel()->setText(specifier.titleOfValue(valueOf(specifier)));
      return;
    case PSSpecifier::Cell::EditText:
    case PSSpecifier::Cell::SecureText: {
      auto field = std::make_shared<UITextField>(
          CGRectMake(0, 0, kFieldWidth, UITableViewCell::kHeight - 10));
      field->setText(textOf(valueOf(specifier)));
      field->setPlaceholder(specifier.property("placeholder"));
      field->setKeyboardType(specifier.property("keyboard"));
      field->setSecureTextEntry(specifier.cell() == PSSpecifier::Cell::SecureText);
      addControl(field, index);
      return cell.setAccessoryView(field);
    }
    case PSSpecifier::Cell::Slider: {
      // The slider takes the row under the label, the value (when shown) at its right.
      auto slider = std::make_shared<UISlider>(CGRectMake(0, 0, kFieldWidth, 30));
      slider->setMinimumValue(static_cast<float>(specifier.number("min", 0)));
      slider->setMaximumValue(static_cast<float>(specifier.number("max", 1)));
      slider->setValue(valueOf(specifier).floatValue().value_or(slider->minimumValue()));
      if (specifier.flag("showValue", false)) {
        cell.detailTextLabel()->setText(sliderText(slider->value()));
      }
      addControl(slider, index);
      return cell.setAccessoryView(slider);
    }
    case PSSpecifier::Cell::Segment: {
      std::vector<std::string> titles;
      for (const auto& value : specifier.values()) titles.push_back(specifier.titleOfValue(value));
      auto segments = std::make_shared<UISegmentedControl>(
          titles, CGRectMake(0, 0, kSegmentWidth, UISegmentedControl::kHeight));
      const auto chosen = specifier.indexOfValue(valueOf(specifier));
      segments->setSelectedSegmentIndex(chosen ? static_cast<NSInteger>(*chosen)
                                               : UISegmentedControl::kNoSegment);
      addControl(segments, index);
      return cell.setAccessoryView(segments);
    }
    case PSSpecifier::Cell::Group:
    case PSSpecifier::Cell::StaticText:
    case PSSpecifier::Cell::Unknown:
      return;
  }
}

void PSListController::addControl(const std::shared_ptr<UIControl>& control, std::size_t index) {
  control->setEnabled(specifiers_[index].isEnabled());
  if (dynamic_cast<UITextField*>(control.get())) {
    // Return ends the editing, or the focus goes elsewhere: the text is written once.
    control->addTarget(sharedAs<PSListController>(), &PSListController::textEnded,
                       UIControlEventEditingDidEndOnExit | UIControlEventEditingDidEnd);
  } else {
    control->addTarget(sharedAs<PSListController>(), &PSListController::controlChanged,
                       UIControlEventValueChanged);
  }
  controls_.emplace_back(control.get(), index);
}

void PSListController::controlChanged(UIControl& sender) {
  const auto found = std::find_if(controls_.begin(), controls_.end(),
                                  [&](const auto& each) { return each.first == &sender; });
  if (found == controls_.end()) return;
  // A copy: a change may build the cells, and this list of their controls, again.
  const PSSpecifier specifier = specifiers_[found->second];
  if (const auto* toggle = dynamic_cast<UISwitch*>(&sender)) {
    return change(specifier, PlistValue(toggle->isOn()));
  }
  if (auto* slider = dynamic_cast<UISlider*>(&sender)) {
    float value = slider->value();
    const double steps = specifier.number("segmentCount", 0);
    if (specifier.flag("isSegmented", false) && steps >= 1) {
      const float step =
          (slider->maximumValue() - slider->minimumValue()) / static_cast<float>(steps);
      value = slider->minimumValue() + std::round((value - slider->minimumValue()) / step) * step;
      slider->setValue(value);
    }
    if (specifier.flag("showValue", false)) {
      if (auto* cell = dynamic_cast<UITableViewCell*>(slider->superview().get())) {
        cell->detailTextLabel()->setText(sliderText(value));
      }
    }
    return change(specifier, PlistValue(static_cast<double>(value)));
  }
  if (const auto* segments = dynamic_cast<UISegmentedControl*>(&sender)) {
    const auto chosen = static_cast<std::size_t>(segments->selectedSegmentIndex());
    if (chosen < specifier.values().size()) change(specifier, specifier.values()[chosen]);
  }
}

void PSListController::textEnded(UIControl& sender) {
  const auto found = std::find_if(controls_.begin(), controls_.end(),
                                  [&](const auto& each) { return each.first == &sender; });
  const auto* field = dynamic_cast<UITextField*>(&sender);
  if (found == controls_.end() || !field) return;
  const PSSpecifier specifier = specifiers_[found->second];
  if (PSSpecifier::sameValue(valueOf(specifier), PlistValue(field->text()))) return;
  change(specifier, PlistValue(field->text()));
}
