#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "Foundation/PropertyListFile.h"
#include "common/ChildProgram.h"
#include "packages/DebPackage.h"
#include "packages/PackageManager.h"
#include "support/DebFixture.h"
#include "support/DevicePaths.h"
#include "support/ProgramRun.h"
#include "support/TempDeviceRoot.h"

namespace {

namespace fs = std::filesystem;
using deb_fixture::Member;

constexpr char kPackage[] = "com.zentrik.orbelle2";
constexpr char kTweak[] = "/Library/MobileSubstrate/DynamicLibraries/Orbelle2.dylib";

bool contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

std::string dpkgDeb(const std::string& option) {
  const auto ran =
      ChildProgram::run({"dpkg-deb", option, ORBELLE_DEB}, std::chrono::seconds(20), 1 << 24);
  EXPECT_TRUE(ran) << (ran ? "" : ran.error());
  return ran ? ran->out : std::string();
}

// Every file under the root, with its bytes: what a refused package must leave as it was.
std::map<std::string, std::string> everything(const fs::path& root) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    std::ifstream in(entry.path(), std::ios::binary);
    files[entry.path().string()] =
        entry.is_regular_file() ? std::string(std::istreambuf_iterator<char>(in), {}) : "(folder)";
  }
  return files;
}

TEST(BuiltPackage, NamesTheTweakItsDependenciesAndHoldsTheTreeOwnedByRoot) {
  const auto info = dpkgDeb("--info");
  for (const char* field :
       {" Package: com.zentrik.orbelle2\n", " Name: Orbelle 2\n", " Version: 2.0.0\n",
        " Depends: mobilesubstrate, preferenceloader, libactivator\n", " Section: Tweaks\n",
        " Maintainer: ", " Description: ", "not a phone's"}) {
    EXPECT_TRUE(contains(info, field)) << field << "\n" << info;
  }
  const auto arch = ChildProgram::run({"dpkg", "--print-architecture"}, std::chrono::seconds(5));
  ASSERT_TRUE(arch);
  EXPECT_TRUE(contains(info, " Architecture: " + arch->out)) << info;
  const auto contents = dpkgDeb("--contents");
  for (const char* line :
       {"-rwxr-xr-x root/root", "./Library/MobileSubstrate/DynamicLibraries/Orbelle2.dylib\n",
        "-rw-r--r-- root/root", "./Library/MobileSubstrate/DynamicLibraries/Orbelle2.plist\n",
        "./Library/PreferenceLoader/Preferences/Orbelle2.plist\n",
        "./Library/PreferenceBundles/Orbelle2Prefs.bundle/Root.plist\n",
        "./Library/Application Support/Orbelle 2/thumb_metal@3x.png\n"}) {
    EXPECT_TRUE(contains(contents, line)) << line;
  }
  EXPECT_FALSE(contains(contents, " 0/0 ") || contains(contents, "rwxrwx") ||
               contains(contents, "-rw-rw"))
      << contents;
  std::size_t lines = 0, root = 0;
  for (std::size_t at = 0; (at = contents.find('\n', at)) != std::string::npos; ++at) ++lines;
  for (std::size_t at = 0; (at = contents.find(" root/root ", at)) != std::string::npos; ++at) {
    ++root;
  }
  EXPECT_EQ(root, lines) << "every member is root's";
}

class PackageTest : public ::testing::Test {
 protected:
  // The test's own folder for the packages it makes, under a name no one can foresee.
  PackageTest() {
    std::string pattern = (fs::path(::testing::TempDir()) / "orbelle2-debs.XXXXXX").string();
    if (mkdtemp(pattern.data())) debs = pattern;
  }
  ~PackageTest() override {
    std::error_code ignored;
    if (!debs.empty()) fs::remove_all(debs, ignored);
  }

  TempDeviceRoot root;
  fs::path debs;
};

TEST_F(PackageTest, RemoveTakesExactlyThePackagesFilesAndInstallBringsThemBack) {
  const auto run = runSim(root.path().string(),
                          "prefs selectedSkin Metal\n"
                          "remove com.zentrik.orbelle2\n"
                          "remove com.zentrik.orbelle2\n"
                          "respring\n"
                          "hold up\n"
                          "install " ORBELLE_DEB
                          "\n"
                          "install " ORBELLE_DEB
                          "\n"
                          "respring\n"
                          "hold up\n"
                          "remove com.zentrik.orbelle2\n");
  EXPECT_TRUE(contains(run.out,
                       "removed com.zentrik.orbelle2: 52 files removed\n"
                       "error: package \"com.zentrik.orbelle2\" is not installed\n"
                       "respring: 0 tweaks loaded\n"
                       "unhandled Ringtone 0.5625 hud=shown\n"
                       "installed com.zentrik.orbelle2 2.0.0: 52 files, 0 unchanged\n"
                       "installed com.zentrik.orbelle2 2.0.0: 52 files, 52 unchanged\n"
                       "respring: 1 tweak loaded\n"
                       "handled\n"
                       "removed com.zentrik.orbelle2: 52 files removed\n"))
      << run.out << run.err;
  EXPECT_FALSE(root.exists(kTweak));
  EXPECT_FALSE(root.exists("/Library/MobileSubstrate")) << "its folders left empty go too";
  EXPECT_FALSE(root.exists("/var/lib/dpkg/info/com.zentrik.orbelle2.list"));
  const auto prefs = PropertyListFile::readDictionary(device_paths::kPrefs);
  ASSERT_TRUE(prefs) << "the preference files stay";
  EXPECT_EQ(prefs->at("selectedSkin"), PlistValue("Metal"));
  EXPECT_TRUE(root.exists(device_paths::kList));
  EXPECT_TRUE(root.exists("/Library/PreferenceLoader/Preferences/LibActivator.plist"))
      << "another package's file in a shared folder stays";
}

TEST_F(PackageTest, ABadPackageIsRefusedAndTheRootStaysAsItWas) {
  ASSERT_FALSE(debs.empty()) << "no folder for the test's packages";
  const auto good = DebPackage::read(ORBELLE_DEB);
  ASSERT_TRUE(good) << good.error();
  ASSERT_TRUE(PackageManager::install(*good));
  ASSERT_TRUE(root.exists(kTweak));
  const auto before = everything(root.path());
  std::ifstream whole(ORBELLE_DEB, std::ios::binary);
  const std::string bytes(std::istreambuf_iterator<char>(whole), {});
  const std::map<std::string, std::pair<std::string, std::string>> bad{
      {"text.deb", {"not a package at all\n", "it is not a Debian package (.deb)"}},
      {"cut.deb", {bytes.substr(0, bytes.size() / 2), "cannot read"}},
      {"climbs.deb",
       {deb_fixture::deb("climbs", {{"./", '5', "", "", 0755}, {"../escaped", '0', "x", "", 0644}}),
        "member \"../escaped\" leaves the package's root"}},
      {"deep.deb",
       {deb_fixture::deb("deep", {{"./a/../../escaped", '0', "x", "", 0644}}),
        "member \"./a/../../escaped\" leaves the package's root"}},
      {"absolute.deb",
       {deb_fixture::deb("absolute", {{"/etc/escaped", '0', "x", "", 0644}}),
        "member \"/etc/escaped\" leaves the package's root"}},
      {"newline.deb",
       {deb_fixture::deb("newline", {{"./Library/a\nb", '0', "x", "", 0644}}),
        "has a control character in its name"}},
      {"link.deb",
       {deb_fixture::deb("link", {{"./Library", '5', "", "", 0755},
                                  {"./Library/passwd", '2', "", "/etc/passwd", 0777}}),
        "member \"./Library/passwd\" is a link to \"/etc/passwd\""}},
  };
  for (const auto& [name, made] : bad) {
    const fs::path file = debs / name;
    std::ofstream(file, std::ios::binary) << made.first;
    const auto read = DebPackage::read(file);
    fs::remove(file);
    ASSERT_FALSE(read) << name;
    EXPECT_TRUE(contains(read.error(), made.second)) << name << ": " << read.error();
  }
  const fs::path fifo = debs / "fifo.deb";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const auto fromFifo = DebPackage::read(fifo);
  fs::remove(fifo);
  EXPECT_FALSE(fromFifo) << "never waited on";
  // Another package's file, as dpkg refuses to overwrite one.
  const fs::path stealing = debs / "steal.deb";
  std::ofstream(stealing, std::ios::binary) << deb_fixture::deb(
      "com.test.steal",
      {{"./Library/MobileSubstrate/DynamicLibraries/Orbelle2.plist", '0', "x", "", 0644}});
  const auto steal = DebPackage::read(stealing);
  fs::remove(stealing);
  ASSERT_TRUE(steal) << steal.error();
  const auto stolen = PackageManager::install(*steal);
  ASSERT_FALSE(stolen);
  EXPECT_TRUE(contains(stolen.error(), "which is also in package com.zentrik.orbelle2"))
      << stolen.error();
  EXPECT_EQ(everything(root.path()), before) << "nothing written, nothing removed";
  EXPECT_FALSE(fs::exists(root.path().parent_path() / "escaped"));
}

TEST_F(PackageTest, AListNamingPathsOutsideTheRootRemovesNothingThere) {
  const fs::path outside = root.path() / ".." / (root.path().filename().string() + "-outside");
  std::ofstream(outside) << "keep";
  root.writeBytes("/var/lib/dpkg/info/planted.list", "/.\n/../" + outside.filename().string() +
                                                         "\n/Library/x/../../../" +
                                                         outside.filename().string() + "\n");
  EXPECT_TRUE(PackageManager::remove("planted"));
  EXPECT_TRUE(fs::exists(outside));
  fs::remove(outside);
  EXPECT_FALSE(PackageManager::remove("../planted")) << "no name with a slash";
}

}  // namespace
