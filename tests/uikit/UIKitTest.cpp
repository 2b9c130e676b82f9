#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>

#include "CoreFoundation/CFRunLoop.h"

#include "UIKit/UIAccessibilitySettings.h"
#include "UIKit/UIAlertController.h"
#include "UIKit/UIApplication.h"
#include "UIKit/UIButton.h"
#include "UIKit/UIImage.h"
#include "UIKit/UILabel.h"
#include "UIKit/UINavigationController.h"
#include "UIKit/UIScreen.h"
#include "UIKit/UIScreenSetup.h"
#include "UIKit/UIScrollView.h"
#include "UIKit/UISlider.h"
#include "UIKit/UISwitch.h"
#include "UIKit/UITableView.h"
#include "UIKit/UITableViewCell.h"
#include "UIKit/UITextField.h"
#include "UIKit/UITouches.h"
#include "UIKit/UIWindow.h"
#include "support/DevicePaths.h"
#include "support/TempDeviceRoot.h"

namespace {

std::shared_ptr<UIView> view(CGFloat x, CGFloat y, CGFloat w, CGFloat h, NSInteger tag = 0) {
  auto v = std::make_shared<UIView>(CGRectMake(x, y, w, h));
  v->setTag(tag);
  return v;
}

TEST(UIViewTree, ViewWithTagSearchesSelfThenSubtreesInOrder) {
  const auto root = view(0, 0, 100, 100, 1);
  const auto a = view(0, 0, 10, 10, 2);
  const auto aChild = view(0, 0, 5, 5, 3);
  const auto b = view(0, 0, 10, 10, 3);
  root->addSubview(a);
  a->addSubview(aChild);
  root->addSubview(b);
  EXPECT_EQ(root->viewWithTag(1), root);
  EXPECT_EQ(root->viewWithTag(3), aChild) << "depth first: a's tree before b";
  EXPECT_EQ(b->viewWithTag(2), nullptr);
}

TEST(UIViewTree, HitTestPrefersFrontmostDeepestVisibleInteractiveView) {
  const auto root = view(0, 0, 100, 100);
  const auto back = view(0, 0, 100, 100, 1);
  const auto front = view(10, 10, 50, 50, 2);
  const auto inner = view(5, 5, 10, 10, 3);
  root->addSubview(back);
  root->addSubview(front);
  front->addSubview(inner);
  EXPECT_EQ(root->hitTest({20, 20}), inner);
  EXPECT_EQ(root->hitTest({30, 30}), front);
  EXPECT_EQ(root->hitTest({80, 80}), back);
  EXPECT_EQ(root->hitTest({150, 5}), nullptr);
  inner->setHidden(true);
  EXPECT_EQ(root->hitTest({20, 20}), front);
  const auto label = std::make_shared<UILabel>(CGRectMake(0, 0, 50, 50));
  front->addSubview(label);
  EXPECT_EQ(root->hitTest({20, 20}), front) << "labels let touches through";
}

struct Counter {
  int count = 0;
  void hit() { ++count; }
  void slid(UISlider& slider) { values.push_back(slider.value()); }
  std::vector<float> values;
};

// A window on the screen holding `content`, so that touches reach it as they reach any view.
std::shared_ptr<UIWindow> onScreen(const std::shared_ptr<UIView>& content) {
  auto window = std::make_shared<UIWindow>();
  window->addSubview(content);
  window->makeKeyAndVisible();
  return window;
}

// A view is laid out in the layout pass before the run loop waits, once it is new in its window
// or its size changed, never inside setFrame.
TEST(UIViewTree, LayoutWaitsForThePassAfterANewSize) {
  struct Laid : UIView {
    using UIView::UIView;
    void layoutSubviews() override { ++passes; }
    int passes = 0;
  };
  const auto view = std::make_shared<Laid>(CGRectMake(0, 0, 100, 100));
  const auto window = onScreen(view);
  EXPECT_EQ(view->passes, 0);
  CFRunLoop::main().runUntilIdle();
  EXPECT_EQ(view->passes, 1) << "new in its window";
  view->setFrame(CGRectMake(0, 0, 200, 100));
  view->setFrame(CGRectMake(10, 0, 200, 100));
  EXPECT_EQ(view->passes, 1) << "not inside setFrame";
  CFRunLoop::main().runUntilIdle();
  EXPECT_EQ(view->passes, 2) << "once for the new size";
  CFRunLoop::main().runUntilIdle();
  EXPECT_EQ(view->passes, 2);
}

TEST(UIControls, SliderFollowsTheFingerAndSendsEachMove) {
  const auto slider = std::make_shared<UISlider>(CGRectMake(20, 20, 260, 30));
  slider->setMaximumValue(100);
  const auto window = onScreen(slider);
  const auto counter = std::make_shared<Counter>();
  slider->addTarget(counter, &Counter::slid, UIControlEventValueChanged);
  const auto at = [&](float value) {
    return slider->convertPointToView(slider->pointForValue(value), nullptr);
  };

  auto& touches = UITouches::shared();
  ASSERT_EQ(touches.touchDown(at(0)), slider);
  EXPECT_TRUE(slider->isHighlighted());
  EXPECT_TRUE(counter->values.empty()) << "touching down moves nothing";
  touches.touchMoved(at(25));
  touches.touchMoved({1000, 35});
  EXPECT_NEAR(counter->values.at(0), 25.0f, 1e-3);
  EXPECT_EQ(counter->values.at(1), 100.0f) << "clamped at the track's end";
  touches.touchUp({1000, 35});
  EXPECT_FALSE(slider->isHighlighted());
  EXPECT_EQ(counter->values.size(), 2u);
}

// In a scroll view taller than its bounds, as the mixer's rows are: the slider takes only a
// finger that lands on its thumb (or near it); one on its track scrolls the content instead.
// From the thumb, the way the finger goes first decides: down, and the scroll view takes it
// from the slider; along the track, and the slider keeps it.
TEST(UIControls, ASliderInAScrollViewTakesOnlyAFingerThatGoesAlongFromItsThumb) {
  const auto scroller = std::make_shared<UIScrollView>(CGRectMake(0, 0, 300, 200));
  scroller->setContentSize({300, 600});
  const auto slider = std::make_shared<UISlider>(CGRectMake(20, 100, 260, 30));
  slider->setMaximumValue(100);
  slider->setValue(50);
  scroller->addSubview(slider);
  const auto window = onScreen(scroller);
  const auto events = std::make_shared<Counter>();
  slider->addTarget(events, &Counter::slid, UIControlEventValueChanged);
  slider->addTarget(events, &Counter::hit, UIControlEventTouchCancel);
  const auto thumb = [&] { return slider->convertPointToView(slider->pointForValue(50), nullptr); };
  auto& touches = UITouches::shared();

  CGPoint at = thumb();
  ASSERT_EQ(touches.touchDown({at.x - 80, at.y}), scroller) << "on the track";
  touches.touchMoved({at.x - 78, at.y});
  touches.touchMoved({at.x - 78, at.y - 60});
  touches.touchUp({at.x - 78, at.y - 60});
  EXPECT_EQ(slider->value(), 50) << "a track never moves the slider";
  EXPECT_EQ(scroller->contentOffset().y, 60) << "it scrolled";
  ASSERT_TRUE(scroller->verticalScrollIndicator()) << "the indicator shows while it scrolls";
  CFRunLoop::main().runFor(std::chrono::milliseconds(1200));
  EXPECT_FALSE(scroller->verticalScrollIndicator()) << "and fades after";

  at = thumb();
  const CGPoint nearThumb{at.x + 14 + UISlider::kThumbSlop - 1, at.y};
  ASSERT_EQ(touches.touchDown(nearThumb), slider) << "within the slop around the thumb";
  EXPECT_TRUE(slider->isHighlighted());
  touches.touchMoved({nearThumb.x + 3, nearThumb.y + 6});
  EXPECT_TRUE(slider->isHighlighted()) << "not yet decided";
  touches.touchMoved({nearThumb.x + 3, nearThumb.y + 40});
  EXPECT_EQ(events->count, 1) << "down first: the slider gets a cancel";
  EXPECT_FALSE(slider->isHighlighted());
  EXPECT_EQ(scroller->contentOffset().y, 20) << "and the content follows the finger";
  touches.touchUp({nearThumb.x, nearThumb.y + 40});
  EXPECT_EQ(slider->value(), 50);
  EXPECT_TRUE(events->values.empty()) << "no volume moved";

  at = thumb();
  const CGFloat quarter = slider->pointForValue(75).x - slider->pointForValue(50).x;
  touches.touchDown(at);
  touches.touchMoved({at.x + quarter, at.y + 3});
  touches.touchMoved({at.x + quarter, at.y + 40});
  touches.touchMoved({at.x + quarter, at.y - 40});
  touches.touchUp({at.x + quarter, at.y - 40});
  EXPECT_NEAR(slider->value(), 75, 0.01) << "along first: by the finger's travel";
  EXPECT_EQ(events->values.size(), 1u) << "moves that change nothing send nothing";
  EXPECT_EQ(scroller->contentOffset().y, 20) << "the slider's finger scrolls nothing";
}

// UIKit's control events around a finger: 70 points of slop, the highlight following it.
TEST(UIControls, AControlFollowsItsFingerOutAndBackWithinTheSlop) {
  const auto button = UIButton::buttonWithType(UIButtonTypeCustom);
  button->setFrame(CGRectMake(100, 100, 50, 50));
  const auto window = onScreen(button);
  struct Events {
    std::string seen;
    void exit() { seen += "exit "; }
    void enter() { seen += "enter "; }
    void upInside() { seen += "up-inside "; }
    void upOutside() { seen += "up-outside "; }
  };
  const auto events = std::make_shared<Events>();
  button->addTarget(events, &Events::exit, UIControlEventTouchDragExit);
  button->addTarget(events, &Events::enter, UIControlEventTouchDragEnter);
  button->addTarget(events, &Events::upInside, UIControlEventTouchUpInside);
  button->addTarget(events, &Events::upOutside, UIControlEventTouchUpOutside);
  auto& touches = UITouches::shared();

  touches.touchDown({110, 110});
  touches.touchMoved({100 + 50 + 69, 110});
  EXPECT_TRUE(button->isHighlighted()) << "69 points out is still inside";
  touches.touchMoved({100 + 50 + 71, 110});
  EXPECT_FALSE(button->isHighlighted());
  touches.touchMoved({120, 30});
  EXPECT_TRUE(button->isHighlighted());
  touches.touchUp({120, 31});
  EXPECT_EQ(events->seen, "exit enter up-inside ");
  touches.touchDown({110, 110});
  touches.touchUp({300, 110});
  EXPECT_EQ(events->seen, "exit enter up-inside up-outside ") << "no move, no exit";
  EXPECT_FALSE(button->isHighlighted());
}

// A window whose hit-test finds nothing, as a status bar's across the screen, passes touches
// to the windows below; a view at alpha 0.01 still takes them, one below it does not.
TEST(UIControls, TouchesPassThroughWindowsThatTakeNone) {
  const auto button = UIButton::buttonWithType(UIButtonTypeCustom);
  button->setFrame(CGRectMake(0, 0, 50, 50));
  const auto below = onScreen(button);
  const auto cover = std::make_shared<UIWindow>();
  cover->setWindowLevel(UIWindowLevelStatusBar);
  cover->setUserInteractionEnabled(false);
  cover->makeKeyAndVisible();
  auto& touches = UITouches::shared();
  EXPECT_EQ(touches.tap({10, 10}), button);
  button->setAlpha(0.01);
  EXPECT_EQ(touches.tap({10, 10}), button);
  button->setAlpha(0.0099);
  EXPECT_EQ(touches.tap({10, 10}), below);
}

TEST(UIControls, SliderValueIsClampedAndNanIgnored) {
  UISlider slider;
  slider.setMaximumValue(100);
  slider.setValue(150, true);
  EXPECT_EQ(slider.value(), 100.0f);
  EXPECT_TRUE(slider.lastSetWasAnimated());
  slider.setValue(-3);
  EXPECT_EQ(slider.value(), 0.0f);
  slider.setValue(std::nanf(""));
  EXPECT_EQ(slider.value(), 0.0f);
}

// A grouped table as a preferences page has it: sections under their headers, a tap on a row
// selects it (grey while the finger is on it), a drag scrolls instead, and a switch in a row
// takes its own touches.
TEST(UITableViews, ARowTappedIsChosenADragScrollsAndASwitchKeepsItsTouch) {
  struct Page : UITableViewDataSource, UITableViewDelegate {
    NSInteger numberOfSections() override { return 2; }
    NSInteger numberOfRowsInSection(NSInteger section) override { return section == 0 ? 2 : rows; }
    std::shared_ptr<UITableViewCell> cellForRowAtIndexPath(NSIndexPath path) override {
      auto cell = std::make_shared<UITableViewCell>();
      cell->textLabel()->setText("Row " + std::to_string(path.row));
      if (path.section == 0 && path.row == 1) cell->setAccessoryView(toggle);
      return cell;
    }
    std::optional<std::string> titleForHeaderInSection(NSInteger section) override {
      return section == 0 ? std::optional<std::string>("Panel") : std::nullopt;
    }
    void didSelectRowAtIndexPath(NSIndexPath path) override { chosen.push_back(path); }
    std::shared_ptr<UISwitch> toggle = std::make_shared<UISwitch>();
    std::vector<NSIndexPath> chosen;
    NSInteger rows = 9;
  };
  const auto page = std::make_shared<Page>();
  const auto table = std::make_shared<UITableView>(CGRectMake(0, 0, 320, 400));
  table->setDataSource(page);
  table->setDelegate(page);
  table->reloadData();
  const auto window = onScreen(table);
  EXPECT_EQ(table->cellForRowAtIndexPath({0, 0})->frame(), CGRectMake(0, 55, 320, 44));
  EXPECT_EQ(table->cellForRowAtIndexPath({1, 0})->frame().origin.y, 55 + 88 + 35);
  EXPECT_EQ(table->contentSize().height, 55 + 88 + 35 + 9 * 44 + 35);
  auto& touches = UITouches::shared();

  touches.touchDown({100, 70});
  EXPECT_TRUE(table->cellForRowAtIndexPath({0, 0})->isHighlighted());
  touches.touchUp({100, 72});
  EXPECT_EQ(page->chosen, (std::vector<NSIndexPath>{NSIndexPath{0, 0}}));
  EXPECT_TRUE(table->cellForRowAtIndexPath({0, 0})->isHighlighted()) << "selected until let go";
  table->deselectRowAtIndexPath({0, 0});
  EXPECT_FALSE(table->cellForRowAtIndexPath({0, 0})->isHighlighted());

  touches.touchDown({100, 300});
  touches.touchMoved({100, 250});
  touches.touchUp({100, 250});
  EXPECT_EQ(page->chosen.size(), 1u) << "a drag is no choice";
  EXPECT_EQ(table->contentOffset().y, 50);

  const CGPoint knob = page->toggle->convertPointToView(CGPoint{25, 15}, nullptr);
  EXPECT_EQ(touches.tap(knob), page->toggle);
  EXPECT_TRUE(page->toggle->isOn());
  EXPECT_EQ(page->chosen.size(), 1u);

  table->scrollBy({0, 1000});
  EXPECT_EQ(table->contentOffset().y, 609 - 400) << "to the end of the content";
  page->rows = 6;
  table->reloadData();
  EXPECT_EQ(table->contentOffset().y, 609 - 3 * 44 - 400) << "the content shrank under it";
  page->rows = 1;
  table->reloadData();
  EXPECT_EQ(table->contentOffset().y, 0) << "all of it fits";
}

// Pages pushed under a navigation bar: the bar names the top one, its back button the one
// beneath, and a tap on the back button goes back; the root stays.
TEST(UINavigation, TheBackButtonNamesThePageBeneathAndGoesBackToIt) {
  const auto root = std::make_shared<UIViewController>();
  root->setTitle("Settings");
  const auto page = std::make_shared<UIViewController>();
  page->setTitle("Orbelle 2");
  const auto navigation = UINavigationController::make(root);
  const auto window = std::make_shared<UIWindow>();
  window->setRootViewController(navigation);
  window->makeKeyAndVisible();
  EXPECT_TRUE(navigation->backButton()->isHidden()) << "nothing beneath the root";
  EXPECT_EQ(navigation->titleLabel()->text(), "Settings");

  navigation->pushViewController(page);
  EXPECT_EQ(navigation->titleLabel()->text(), "Orbelle 2");
  EXPECT_EQ(page->view()->frame().origin.y, 64) << "below the status bar and the bar";
  EXPECT_FALSE(root->view()->superview()) << "only the top page is shown";
  EXPECT_EQ(UITouches::shared().tap({30, 40}), navigation->backButton());
  EXPECT_EQ(navigation->viewControllers().size(), 1u);
  EXPECT_EQ(navigation->titleLabel()->text(), "Settings");
  EXPECT_EQ(navigation->popViewController(), nullptr);

  // A back title that would reach the title centred in the bar says "Back", then only "‹".
  const auto before = UILabel::systemMeasure();
  UIScreenSetup::setTextMeasure(
      [](std::string_view text, const UIFont&) { return 8.0 * double(text.size()); });
  const auto backTitle = [&] {
    return std::static_pointer_cast<UILabel>(navigation->backButton()->subviews().front())->text();
  };
  root->setTitle("At Lock Screen");
  page->setTitle("Volume Down Short Hold");
  navigation->pushViewController(page);
  EXPECT_EQ(backTitle(), "\u2039 Back");
  page->setTitle("A title as long as the bar is wide, or nearly");
  navigation->popViewController();
  navigation->pushViewController(page);
  EXPECT_EQ(backTitle(), "\u2039");
  UIScreenSetup::setTextMeasure(before);
}

TEST(UILabelLine, CutAtTheTailInWholeCharactersWhileTheTextStaysWhole) {
  UILabel label(CGRectMake(0, 0, 55, 15));
  const auto tenPointsACharacter = [](std::string_view text, const UIFont&) {
    return 10.0 * static_cast<double>(std::count_if(text.begin(), text.end(),
                                                    [](char c) { return (c & 0xC0) != 0x80; }));
  };
  label.setText("abcde");
  EXPECT_EQ(label.displayedText(tenPointsACharacter), "abcde") << "fits";
  label.setText("abcdefgh");
  EXPECT_EQ(label.displayedText(tenPointsACharacter), "abcd\u2026");
  EXPECT_EQ(label.text(), "abcdefgh");
  label.setText("\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9");
  EXPECT_EQ(label.displayedText(tenPointsACharacter), "\u00e9\u00e9\u00e9\u00e9\u2026");

  label.setNumberOfLines(0);
  label.setText("ab cd efghijk l");
  EXPECT_EQ(label.displayedLines(tenPointsACharacter),
            (std::vector<std::string>{"ab cd", "efghi", "jk l"}))
      << "broken between words, and a word too long for a line between its characters";
}

// In Edit mode a row's handle drags it: the others close up around the place it would drop
// into, and on release the data source hears from where to where, once.
TEST(UITableViews, AHandleDragsARowToAnotherPlaceInEditMode) {
  struct List : UITableViewDataSource, UITableViewDelegate {
    NSInteger numberOfRowsInSection(NSInteger) override { return NSInteger(names.size()); }
    std::shared_ptr<UITableViewCell> cellForRowAtIndexPath(NSIndexPath path) override {
      auto cell = std::make_shared<UITableViewCell>();
      cell->textLabel()->setText(names.at(std::size_t(path.row)));
      return cell;
    }
    bool canMoveRowAtIndexPath(NSIndexPath) override { return true; }
    void moveRowAtIndexPath(NSIndexPath from, NSIndexPath to) override {
      const std::string moving = names[std::size_t(from.row)];
      names.erase(names.begin() + from.row);
      names.insert(names.begin() + to.row, moving);
      ++moves;
    }
    void didSelectRowAtIndexPath(NSIndexPath) override { ++chosen; }
    std::vector<std::string> names{"a", "b", "c", "d"};
    int moves = 0, chosen = 0;
  };
  const auto list = std::make_shared<List>();
  const auto table = std::make_shared<UITableView>(CGRectMake(0, 0, 320, 400));
  table->setDataSource(list);
  table->setDelegate(list);
  table->reloadData();
  const auto window = onScreen(table);
  auto& touches = UITouches::shared();
  EXPECT_FALSE(table->cellForRowAtIndexPath({0, 0})->showsReorderControl());
  touches.touchDown({300, 57});
  touches.touchUp({300, 57});
  EXPECT_EQ(list->moves, 0) << "no handles outside Edit mode";
  EXPECT_EQ(list->chosen, 1) << "a tap there chooses the row";

  table->setEditing(true);
  // Row "a" (y 35 to 79) held by its handle at the right edge, dragged two rows down.
  touches.touchDown({300, 57});
  touches.touchMoved({300, 100});
  touches.touchMoved({300, 145});
  EXPECT_EQ(table->cellForRowAtIndexPath({0, 1})->frame().origin.y, 35) << "b closed up";
  EXPECT_EQ(table->cellForRowAtIndexPath({0, 3})->frame().origin.y, 167) << "d stays below";
  touches.touchUp({300, 145});
  EXPECT_EQ(list->names, (std::vector<std::string>{"b", "c", "a", "d"}));
  EXPECT_EQ(list->moves, 1);
  EXPECT_EQ(table->contentOffset().y, 0) << "a drag by the handle never scrolls";
  EXPECT_EQ(table->cellForRowAtIndexPath({0, 2})->textLabel()->text(), "a");

  touches.touchDown({300, 57});
  touches.touchMoved({300, -300});
  touches.touchUp({300, -300});
  EXPECT_EQ(list->moves, 1) << "held at the top of its section, where it was: no move";
  EXPECT_EQ(list->chosen, 1) << "a drag by the handle chooses nothing";

  // "b" held and taken down by 1.4 rows, then "c" by 1.6: each lands in the slot its middle is
  // over.
  touches.touchDown({300, 57});
  touches.touchMoved({300, 57 + 1.4 * 44});
  touches.touchUp({300, 57 + 1.4 * 44});
  EXPECT_EQ(list->names, (std::vector<std::string>{"c", "b", "a", "d"}));
  touches.touchDown({300, 57});
  touches.touchMoved({300, 57 + 1.6 * 44});
  touches.touchUp({300, 57 + 1.6 * 44});
  EXPECT_EQ(list->names, (std::vector<std::string>{"b", "a", "c", "d"}));

  // Twenty rows: held near the bottom of what shows, the table scrolls on under the finger.
  list->names.clear();
  for (char name = 'a'; name < 'a' + 20; ++name) list->names.emplace_back(1, name);
  table->reloadData();
  touches.touchDown({300, 57});
  touches.touchMoved({300, 390});
  CFRunLoop::main().runFor(std::chrono::milliseconds(1500));
  EXPECT_EQ(table->contentOffset().y, table->maximumContentOffset().y) << "to the end";
  touches.touchUp({300, 390});
  EXPECT_EQ(list->names.back(), "a") << "taken past the visible part, to the last slot";
}

// A field takes the keys while it has the focus: typing adds, Backspace takes whole UTF-8
// characters, a selection is replaced; Return sends its event before editing ends, Escape
// only ends it; a field off screen has no focus.
TEST(UITextFields, KeysGoToTheFocusedFieldUntilReturnOrEscape) {
  const auto field = std::make_shared<UITextField>(CGRectMake(10, 10, 200, 30));
  const auto window = onScreen(field);
  auto& touches = UITouches::shared();
  struct Recorder {
    void returned() { events.push_back("return"); }
    void ended() { events.push_back("end"); }
    std::vector<std::string> events;
  };
  const auto recorder = std::make_shared<Recorder>();
  field->addTarget(recorder, &Recorder::returned, UIControlEventEditingDidEndOnExit);
  field->addTarget(recorder, &Recorder::ended, UIControlEventEditingDidEnd);
  EXPECT_EQ(touches.tap({50, 25}), field);
  EXPECT_TRUE(field->isFirstResponder());
  field->insertText("Caf\u00e9");
  field->pressKey(UITextField::Key::Backspace);
  EXPECT_EQ(field->text(), "Caf") << "a whole character";
  field->selectAll();
  field->insertText("Tunes");
  EXPECT_EQ(field->text(), "Tunes") << "the selection replaced";
  window->setHidden(true);
  EXPECT_EQ(UIApplication::sharedApplication().focusedField(), nullptr)
      << "no keys to a field off screen";
  window->setHidden(false);
  field->pressKey(UITextField::Key::Return);
  EXPECT_FALSE(field->isFirstResponder());
  field->becomeFirstResponder();
  field->pressKey(UITextField::Key::Escape);
  EXPECT_FALSE(field->isFirstResponder());
  EXPECT_EQ(field->text(), "Tunes");
  EXPECT_EQ(recorder->events, (std::vector<std::string>{"return", "end", "end"}));

  // Return ends nothing where no one listens for it; a field leaving its window ends its
  // editing; one in no window takes no focus.
  const auto plain = std::make_shared<UITextField>(CGRectMake(10, 50, 200, 30));
  window->addSubview(plain);
  plain->addTarget(recorder, &Recorder::ended, UIControlEventEditingDidEnd);
  ASSERT_TRUE(plain->becomeFirstResponder());
  plain->pressKey(UITextField::Key::Return);
  EXPECT_TRUE(plain->isFirstResponder());
  plain->removeFromSuperview();
  EXPECT_EQ(recorder->events.size(), 4u) << "editing-did-end as it left";
  EXPECT_FALSE(plain->becomeFirstResponder());
}

// An alert over a window: its buttons side by side, the dimmed view under it taking every
// other touch; a tap on a button takes the alert away, then runs the button's handler.
TEST(UIAlerts, AButtonDismissesTheAlertThenRunsItsHandler) {
  const auto page = std::make_shared<UIViewController>();
  const auto window = std::make_shared<UIWindow>();
  window->setRootViewController(page);
  window->makeKeyAndVisible();
  bool presentedDuringHandler = true;
  auto alert = UIAlertController::alertControllerWithTitle("Reset?", "It cannot be undone.");
  alert->addAction(UIAlertAction::actionWithTitle("Cancel", UIAlertActionStyleCancel));
  alert->addAction(UIAlertAction::actionWithTitle("Reset", UIAlertActionStyleDestructive, [&] {
    presentedDuringHandler = page->presentedViewController() != nullptr;
  }));
  page->presentViewController(alert);
  ASSERT_EQ(page->presentedViewController(), alert);
  const auto middleOfBox = [&] {
    const CGRect box = alert->view()->subviews().front()->frame();
    return CGPoint{box.origin.x + box.size.width / 2, box.origin.y + box.size.height / 2};
  };
  UIScreenSetup::setOrientation(UIInterfaceOrientationLandscapeLeft);
  const auto turned = UIScreen::mainScreen().bounds().size;
  EXPECT_NEAR(middleOfBox().x, turned.width / 2, 1) << "in the middle again after a turn";
  EXPECT_NEAR(middleOfBox().y, turned.height / 2, 1);
  UIScreenSetup::setOrientation(UIInterfaceOrientationPortrait);
  const auto screen = UIScreen::mainScreen().bounds().size;
  auto& touches = UITouches::shared();
  EXPECT_EQ(touches.tap({5, 5}), alert->view()) << "the dimmed view takes what is outside";
  const CGPoint reset{screen.width / 2 + 60, screen.height / 2 + 40};
  const auto button = std::dynamic_pointer_cast<UIButton>(touches.tap(reset));
  ASSERT_TRUE(button);
  EXPECT_EQ(button->titleLabel()->text(), "Reset");
  EXPECT_FALSE(presentedDuringHandler);
  EXPECT_EQ(page->presentedViewController(), nullptr);
  EXPECT_FALSE(alert->view()->superview());

  // Cancel stands on the left of two and at the bottom of three, however added; there is one.
  const auto titles = [](UIAlertController& shown) {
    std::vector<std::string> order;
    for (const auto& view : shown.view()->subviews().front()->subviews()) {
      if (const auto* each = dynamic_cast<const UIButton*>(view.get())) {
        order.push_back(each->titleLabel()->text().value_or(""));
      }
    }
    return order;
  };
  auto two = UIAlertController::alertControllerWithTitle("Two", "");
  two->addAction(UIAlertAction::actionWithTitle("Go", UIAlertActionStyleDefault));
  two->addAction(UIAlertAction::actionWithTitle("Stop", UIAlertActionStyleCancel));
  two->addAction(UIAlertAction::actionWithTitle("Halt", UIAlertActionStyleCancel));
  EXPECT_EQ(two->actions().size(), 2u) << "a second Cancel is refused";
  EXPECT_EQ(titles(*two), (std::vector<std::string>{"Stop", "Go"}));
  two->addAction(UIAlertAction::actionWithTitle("Later", UIAlertActionStyleDefault));
  EXPECT_EQ(titles(*two), (std::vector<std::string>{"Go", "Later", "Stop"}));
}

TEST(UIImages, TheScreensDensityPicksTheFileAndCapsMakeANewImage) {
  TempDeviceRoot root;
  installPackage(device_paths::kSkins);
  const std::string folder = device_paths::kSkins;
  const auto thumb = UIImage::imageWithContentsOfFile(folder + "thumb_default.png");
  ASSERT_TRUE(thumb);
  EXPECT_EQ(thumb->filePath().filename(), "thumb_default@2x.png") << "a screen of scale 2";
  EXPECT_EQ(thumb->fileName(), "thumb_default.png") << "the name asked for";
  EXPECT_EQ(thumb->scale(), 2);
  EXPECT_EQ(thumb->size(), (CGSize{28, 28}));
  root.writeBytes(folder + "speaker_loud@2x.png", "not a png");
  EXPECT_EQ(UIImage::imageWithContentsOfFile(folder + "speaker_loud.png")->scale(), 1)
      << "a broken @2x file leaves the plain one";

  const auto track = UIImage::imageWithContentsOfFile(folder + "left_track_metal@2x.png");
  ASSERT_TRUE(track);
  EXPECT_EQ(track->scale(), 2) << "named @2x";
  EXPECT_EQ(track->size(), (CGSize{20, 6}));
  const auto stretchy = track->resizableImageWithCapInsets(UIEdgeInsetsMake(0, 9, 0, 9));
  EXPECT_EQ(stretchy->capInsets(), UIEdgeInsetsMake(0, 9, 0, 9));
  EXPECT_FALSE(track->capInsets()) << "the original is unchanged";

  UIScreenSetup::setScale(3);
  const auto dense = UIImage::imageWithContentsOfFile(folder + "thumb_default.png");
  EXPECT_EQ(dense->filePath().filename(), "thumb_default@3x.png");
  EXPECT_EQ(dense->size(), (CGSize{28, 28}));
  root.writeBytes(folder + "thumb_default@3x.png", "not a png");
  EXPECT_EQ(UIImage::imageWithContentsOfFile(folder + "thumb_default.png")->scale(), 2)
      << "then @2x";
  UIScreenSetup::setScale(1);
  EXPECT_EQ(UIImage::imageWithContentsOfFile(folder + "thumb_default.png")->scale(), 1);
  UIScreenSetup::setScale(2);
}

// The named colours hold the components UIKit documents for them.
TEST(UIColors, NamedColoursHaveUIKitsComponents) {
  struct Named {
    UIColor color;
    CGFloat red, green, blue;
  };
  for (const auto& [color, red, green, blue] :
       {Named{UIColor::blackColor(), 0, 0, 0}, Named{UIColor::whiteColor(), 1, 1, 1},
        Named{UIColor::grayColor(), 0.5, 0.5, 0.5}, Named{UIColor::redColor(), 1, 0, 0},
        Named{UIColor::greenColor(), 0, 1, 0}, Named{UIColor::blueColor(), 0, 0, 1},
        Named{UIColor::yellowColor(), 1, 1, 0}, Named{UIColor::orangeColor(), 1, 0.5, 0},
        Named{UIColor::purpleColor(), 0.5, 0, 0.5}, Named{UIColor::brownColor(), 0.6, 0.4, 0.2}}) {
    EXPECT_EQ(color.red(), red);
    EXPECT_EQ(color.green(), green);
    EXPECT_EQ(color.blue(), blue);
    EXPECT_EQ(color.alpha(), 1);
  }
}

}  // namespace

namespace {

// UIKit's own accessibility answers, as VoiceOver reads each kind of view, and what an app sets
// coming first.
TEST(UIAccessibilityDefaults, EachKindOfViewReadsAsOnAPhone) {
  UIView plain;
  EXPECT_FALSE(plain.isAccessibilityElement()) << "draws nothing, says nothing";
  UILabel label(CGRectMake(0, 0, 100, 20));
  label.setText("Ringtone: 50%");
  EXPECT_TRUE(label.isAccessibilityElement());
  EXPECT_EQ(label.accessibilityLabel(), "Ringtone: 50%");
  EXPECT_EQ(label.accessibilityTraits(), UIAccessibilityTraitStaticText);
  label.setIsAccessibilityElement(false);
  EXPECT_FALSE(label.isAccessibilityElement()) << "the app's word first";

  const auto button = UIButton::buttonWithType(UIButtonTypeSystem);
  button->setTitle("Done");
  button->setEnabled(false);
  EXPECT_EQ(button->accessibilityLabel(), "Done");
  EXPECT_EQ(button->accessibilityTraits(),
            UIAccessibilityTraitButton | UIAccessibilityTraitNotEnabled);

  UISwitch toggle;
  toggle.setOn(true);
  EXPECT_EQ(toggle.accessibilityValue(), "on");
  UITextField field(CGRectMake(0, 0, 100, 30));
  field.setPlaceholder("Name");
  EXPECT_EQ(field.accessibilityLabel(), "Name") << "the placeholder while empty";

  UITableViewCell cell(UITableViewCellStyleSubtitle);
  cell.textLabel()->setText("Music");
  cell.detailTextLabel()->setText("Audio/Video");
  cell.setAccessoryView(std::make_shared<UISwitch>());
  EXPECT_EQ(cell.accessibilityLabel(), "Music, Audio/Video");
  EXPECT_EQ(cell.accessibilityValue(), "off");
  EXPECT_EQ(cell.accessibilityTraits(), UIAccessibilityTraitButton);
}

TEST(UIAccessibilityDefaults, ASliderReadsItsShareOfTheRangeAndStepsByATenth) {
  const auto slider = std::make_shared<UISlider>(CGRectMake(0, 0, 200, 30));
  slider->setMinimumValue(0);
  slider->setMaximumValue(100);
  slider->setValue(37.4f);
  struct ValueChanges {
    int changes = 0;
    void changed() { ++changes; }
  };
  const auto counter = std::make_shared<ValueChanges>();
  slider->addTarget(counter, &ValueChanges::changed, UIControlEventValueChanged);
  EXPECT_EQ(slider->accessibilityValue(), "37%");
  EXPECT_EQ(slider->accessibilityTraits(), UIAccessibilityTraitAdjustable);
  slider->accessibilityIncrement();
  EXPECT_FLOAT_EQ(slider->value(), 47.4f);
  slider->accessibilityDecrement();
  slider->accessibilityDecrement();
  EXPECT_EQ(slider->accessibilityValue(), "27%");
  EXPECT_EQ(counter->changes, 3) << "each step sends value-changed";
}

// What UIKit tells VoiceOver by itself, and what its own views answer to VoiceOver's gestures:
// a page pushed or popped and an alert presented or dismissed post a screen change (heard once
// the post has returned); the escape gesture pops a page and is an alert's Cancel; the bar reads
// first and its back button by the page beneath.
TEST(UIAccessibilityDefaults, NavigationAndAlertsTellVoiceOverAndAnswerTheEscapeGesture) {
  std::vector<std::pair<UIAccessibilityNotifications, std::shared_ptr<UIView>>> heard;
  UIAccessibilitySetVoiceOverRunning(true);
  UIAccessibilitySetListener([&](UIAccessibilityNotifications what,
                                 const std::shared_ptr<UIView>& element,
                                 const std::string&) { heard.emplace_back(what, element); });
  const auto root = std::make_shared<UIViewController>();
  root->setTitle("Settings");
  const auto page = std::make_shared<UIViewController>();
  page->setTitle("Orbelle 2");
  const auto navigation = UINavigationController::make(root);
  const auto window = std::make_shared<UIWindow>();
  window->setRootViewController(navigation);
  window->makeKeyAndVisible();
  navigation->pushViewController(page);
  EXPECT_TRUE(heard.empty()) << "told after the push returns";
  CFRunLoop::main().runUntilIdle();
  ASSERT_EQ(heard.size(), 1u);
  EXPECT_EQ(heard[0].first, UIAccessibilityScreenChangedNotification);
  EXPECT_EQ(navigation->backButton()->accessibilityLabel(), "Back to Settings");
  ASSERT_FALSE(navigation->view()->accessibilityElements().empty());
  EXPECT_EQ(navigation->view()->accessibilityElements().front().lock(),
            navigation->titleLabel()->superview())
      << "the bar before the page that runs under it";

  bool cancelled = false;
  auto alert = UIAlertController::alertControllerWithTitle("Reset?", "");
  alert->addAction(UIAlertAction::actionWithTitle("Reset", UIAlertActionStyleDestructive));
  EXPECT_FALSE(alert->accessibilityPerformEscape()) << "no Cancel: nothing to escape to";
  alert->addAction(UIAlertAction::actionWithTitle("Cancel", UIAlertActionStyleCancel,
                                                  [&] { cancelled = true; }));
  page->presentViewController(alert);
  EXPECT_TRUE(alert->view()->accessibilityViewIsModal());
  EXPECT_TRUE(alert->accessibilityPerformEscape());
  EXPECT_TRUE(cancelled);
  EXPECT_EQ(page->presentedViewController(), nullptr);
  CFRunLoop::main().runUntilIdle();
  ASSERT_EQ(heard.size(), 3u);
  EXPECT_EQ(heard[1].second, alert->view()) << "the cursor goes into the alert";
  EXPECT_EQ(heard[2].second, nullptr) << "and back to the page";

  EXPECT_TRUE(navigation->accessibilityPerformEscape());
  EXPECT_EQ(navigation->viewControllers().size(), 1u);
  EXPECT_FALSE(navigation->accessibilityPerformEscape()) << "the root stays";
  UIAccessibilitySetListener(nullptr);
  UIAccessibilitySetVoiceOverRunning(false);
}

// A double tap on a row with a switch turns the switch; a row's handle is read as "Reorder" and
// the row, a button (a person drags it after a double tap and hold).
TEST(UIAccessibilityDefaults, ASwitchRowTurnsAndAHandleIsNamedForItsRow) {
  UITableViewCell switchRow;
  switchRow.textLabel()->setText("Show Percentages");
  const auto toggle = std::make_shared<UISwitch>();
  switchRow.setAccessoryView(toggle);
  struct Changes {
    int count = 0;
    void changed() { ++count; }
  };
  const auto changes = std::make_shared<Changes>();
  toggle->addTarget(changes, &Changes::changed, UIControlEventValueChanged);
  EXPECT_TRUE(switchRow.accessibilityActivate());
  EXPECT_TRUE(toggle->isOn());
  EXPECT_EQ(changes->count, 1) << "as a tap on the switch sends";
  UITableViewCell plainRow;
  EXPECT_FALSE(plainRow.accessibilityActivate()) << "a touch at its middle instead";

  const auto row = std::make_shared<UITableViewCell>();
  row->textLabel()->setText("Ringtone");
  row->setShowsReorderControl(true);
  ASSERT_TRUE(row->reorderControl());
  EXPECT_EQ(row->reorderControl()->accessibilityLabel(), "Reorder Ringtone");
  EXPECT_EQ(row->reorderControl()->accessibilityTraits(), UIAccessibilityTraitButton);
}

}  // namespace
