// orbelle2-prefs: what the preferences bundle does, from a shell, on a device root.
#include <algorithm>
#include <csignal>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "SimDevice/DeviceRoot.h"
#include "common/Arguments.h"
#include "common/DisplayText.h"
#include "common/Report.h"
#include "common/UserFolder.h"
#include "orbelle2/CategoryKeys.h"
#include "orbelle2/PreferenceFiles.h"
#include "prefs/PreferencesEditor.h"

namespace {

constexpr char kUsage[] =
    "usage: orbelle2-prefs [--root DIR] COMMAND\n"
    "  get KEY | set KEY VALUE | unset KEY      the preferences file\n"
    "  categories                               the category list, numbered\n"
    "  hide N | show N | rename N NAME | move FROM TO | reset\n"
    "  files                                    where the two files are on this host\n"
    "Keys:\n";

using Words = arguments::Words;

int usage() {
  std::cout << kUsage << PreferencesEditor::keysHelp();
  return 0;
}

int misused(const std::string& why) {
  failed(fail(why + " (orbelle2-prefs --help for the usage)"));
  return 2;
}

int report(const Result<std::string>& outcome) {
  return ::report(outcome ? std::cout : std::cerr, outcome) ? 0 : 1;
}

Result<std::string> get(const std::string& key) {
  const auto prefs = PreferencesEditor::readPreferences();
  if (!prefs) return prefs.failure();
  const auto found = prefs->find(key);
  if (found == prefs->end()) return fail(key + " is not set; the tweak uses its default");
  return PreferencesEditor::describe(found->second);
}

// An entry's text field as the list holds it; "?" when absent or not text.
std::string field(const PlistValue& entry, const char* key) {
  const PlistValue* value = entry.objectForKey(key);
  const std::string* text = value ? value->asString() : nullptr;
  return text ? *text : "?";
}

Result<std::string> listCategories() {
  const auto list = PreferencesEditor::readCategories();
  if (!list) return list.failure();
  std::string out;
  for (std::size_t i = 0; i < list->size(); ++i) {
    const PlistValue& entry = (*list)[i];
    const PlistValue* visible = entry.objectForKey(category_keys::kVisible);
    out += std::to_string(i) + "  " +
           display_text::printable(field(entry, category_keys::kCategoryName)) + "  " +
           display_text::quoted(field(entry, category_keys::kPrettyCategoryName)) + "  " +
           (visible && visible->boolValue().value_or(false) ? "shown" : "hidden") + "\n";
  }
  if (!out.empty()) out.pop_back();
  return out;
}

// Runs a command known() took, with the words it takes.
int run(const Words& args) {
  const std::string& command = args[0];
  if (command == "get") return report(get(args[1]));
  if (command == "set") return report(PreferencesEditor::setPreferenceFromText(args[1], args[2]));
  if (command == "unset") return report(PreferencesEditor::unsetPreference(args[1]));
  if (command == "categories") return report(listCategories());
  if (command == "files") {
    return report("preferences " + DeviceRoot::resolve(kPreferencesPath).string() +
                  "\ncategories " + DeviceRoot::resolve(kCategoriesPath).string());
  }
  if (command == "reset") return report(PreferencesEditor::resetCategories());
  // hide N, show N, rename N NAME, move FROM TO
  return report(PreferencesEditor::editCategory(args));
}

// Whether `args` is a command the tool knows, with the words it takes; why not otherwise.
Result<Ok> known(const Words& args) {
  static const std::pair<const char*, const char*> kCommands[] = {
      {"get", "KEY"}, {"set", "KEY VALUE"}, {"unset", "KEY"},    {"categories", ""}, {"hide", "N"},
      {"show", "N"},  {"rename", "N NAME"}, {"move", "FROM TO"}, {"reset", ""},      {"files", ""}};
  for (const auto& [name, words] : kCommands) {
    if (args[0] != name) continue;
    const std::string usage = words;
    const std::size_t wanted = usage.empty() ? 0 : std::count(usage.begin(), usage.end(), ' ') + 1;
    if (args.size() - 1 == wanted) return Ok{};
    return fail(std::string(name) + (usage.empty() ? " takes nothing more" : " takes " + usage));
  }
  return fail("unknown command " + display_text::quoted(args[0]));
}

// Whether the words of a known command are ones it takes: a key the tweak reads (unset takes any,
// so that a stray key can be taken out), a value that key stores, category numbers.
Result<Ok> wellFormed(const Words& args) {
  const std::string& command = args[0];
  if (command == "get") return PreferencesEditor::checkKey(args[1]);
  if (command == "set") {
    const auto value = PreferencesEditor::preferenceFromText(args[1], args[2]);
    return value ? Result<Ok>(Ok{}) : value.failure();
  }
  const bool numbered = command == "hide" || command == "show" || command == "rename";
  if (numbered || command == "move") {
    const auto n = PreferencesEditor::categoryNumber(args[1]);
    if (!n) return n.failure();
  }
  if (command == "move") {
    const auto to = PreferencesEditor::categoryNumber(args[2]);
    if (!to) return to.failure();
  }
  if (command == "rename") return PreferencesEditor::checkName(args[2]);
  return Ok{};
}

}  // namespace

int main(int argc, char** argv) {
  // Past a file-size limit a write fails (EFBIG) and is reported; the signal would end the
  // program midway instead.
  std::signal(SIGXFSZ, SIG_IGN);
  Words args(argv + 1, argv + argc);
  std::filesystem::path root = UserFolder::deviceRoot();
  if (!args.empty() && args[0] == "--root") {
    if (args.size() < 2 || args[1].empty()) return misused("--root takes a folder");
    root = args[1];
    args.erase(args.begin(), args.begin() + 2);
  }
  if (args.empty() || args[0] == "--help") return usage();
  if (const auto command = known(args); !command) return misused(command.error());
  if (const auto words = wellFormed(args); !words) return misused(words.error());
  if (root.empty())
    return report(fail("no home folder for the default device root; give --root DIR"));
  std::error_code error;
  if (!std::filesystem::is_directory(root, error)) {
    return report(fail("no device at " + display_text::quoted(root.string())));
  }
  if (auto own = UserFolder::ownedByTheUser(root); !own) {
    return report(fail("cannot use that device root: " + own.error()));
  }
  DeviceRoot::setPath(std::filesystem::absolute(root, error));
  return run(args);
}
