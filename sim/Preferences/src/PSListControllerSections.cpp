// The table's sections, as the specifiers make them: a group item opens one, with its header,
// its footer and its rows' heights.
#include "Preferences/PSListController.h"
#include "UIKit/UITableViewCell.h"

std::size_t PSListController::indexAt(NSIndexPath path) const {
  return sections_.at(static_cast<std::size_t>(path.section))
      .items.at(static_cast<std::size_t>(path.row));
}

NSInteger PSListController::numberOfSections() {
  return static_cast<NSInteger>(sections_.size());
}

NSInteger PSListController::numberOfRowsInSection(NSInteger section) {
  return static_cast<NSInteger>(sections_.at(static_cast<std::size_t>(section)).items.size());
}

std::optional<std::string> PSListController::titleForHeaderInSection(NSInteger section) {
  const auto& group = sections_.at(static_cast<std::size_t>(section)).group;
  if (!group || specifiers_[*group].label().empty()) return std::nullopt;
  return specifiers_[*group].label();
}

std::optional<std::string> PSListController::titleForFooterInSection(NSInteger section) {
  const auto& group = sections_.at(static_cast<std::size_t>(section)).group;
  const std::string footer = group ? specifiers_[*group].property("footerText") : std::string();
  if (footer.empty()) return std::nullopt;
  return footer;
}

std::shared_ptr<UIView> PSListController::viewForFooterInSection(NSInteger section) {
  // A subclass may lay out sections of its own: only the page's own groups have an alignment.
  if (section < 0 || static_cast<std::size_t>(section) >= sections_.size()) return nullptr;
  const auto& group = sections_[static_cast<std::size_t>(section)].group;
  const auto text = titleForFooterInSection(section);
  if (!group || !text) return nullptr;
  auto label = UITableView::footerLabel(*text);
  const auto alignment =
      static_cast<long>(specifiers_[*group].number("footerAlignment", NSTextAlignmentLeft));
  if (alignment == NSTextAlignmentCenter || alignment == NSTextAlignmentRight) {
    label->setTextAlignment(static_cast<NSTextAlignment>(alignment));
  }
  return label;
}

CGFloat PSListController::heightForRowAtIndexPath(NSIndexPath path) {
  const bool own = path.section >= 0 && static_cast<std::size_t>(path.section) < sections_.size() &&
                   path.row >= 0 &&
                   static_cast<std::size_t>(path.row) <
                       sections_[static_cast<std::size_t>(path.section)].items.size();
  if (!own) return UITableViewCell::kHeight;
  const double height = specifiers_[indexAt(path)].number("height", UITableViewCell::kHeight);
  return height > 0 ? height : UITableViewCell::kHeight;
}
