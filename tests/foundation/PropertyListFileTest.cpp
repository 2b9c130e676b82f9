#include "Foundation/PropertyListFile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "Foundation/NSFileManager.h"
#include "SimDevice/DeviceRoot.h"
#include "support/FileSizeLimit.h"
#include "support/TempDeviceRoot.h"

namespace {

constexpr char kFile[] = "/var/mobile/Library/Preferences/test.plist";

class PropertyListFileTest : public ::testing::Test {
 protected:
  TempDeviceRoot root;
};

TEST_F(PropertyListFileTest, WritesXmlThatReadsBackTheSame) {
  const PlistValue value(PlistValue::Array{
      PlistValue::Dictionary{{"name", "Audio/Video"}, {"visible", true}},
      -42,
      0.125,
      PlistValue::Data{0, 1, 255},
      "caf\xc3\xa9 <&>",
  });
  ASSERT_TRUE(PropertyListFile::write(value, kFile));
  EXPECT_TRUE(root.readBytes(kFile).starts_with("<?xml"));
  const auto read = PropertyListFile::readArray(kFile);
  ASSERT_TRUE(read);
  EXPECT_EQ(PlistValue(*read), value);
}

// Integers written by hand are decimal, as Core Foundation reads them, whatever zeros lead;
// a string or a comment that looks like one is left as written.
TEST_F(PropertyListFileTest, IntegersAreDecimalWithLeadingZeros) {
  root.writeBytes(kFile,
                  "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><array>"
                  "<integer>010</integer><integer> -007 </integer><integer>000</integer>"
                  "<!-- <integer>010</integer> --><string><![CDATA[<integer>010</integer>]]>"
                  "</string></array></plist>");
  const auto read = PropertyListFile::readArray(kFile);
  ASSERT_TRUE(read);
  EXPECT_EQ(PlistValue(*read), PlistValue(PlistValue::Array{10, -7, 0, "<integer>010</integer>"}));
}

TEST_F(PropertyListFileTest, WritesLeaveNoTemporaryFileAndAFailedOneKeepsTheOldFile) {
  const PlistValue old(PlistValue::Array{"old"});
  ASSERT_TRUE(PropertyListFile::write(PlistValue(PlistValue::Array{"older"}), kFile));
  ASSERT_TRUE(PropertyListFile::write(old, kFile));
  const std::string before = root.readBytes(kFile);

  PlistValue::Array big(2000, PlistValue("a long enough string to pass the limit"));
  {
    FileSizeLimit limit(before.size() + 100);
    EXPECT_FALSE(PropertyListFile::write(PlistValue(big), kFile));
  }
  EXPECT_EQ(root.readBytes(kFile), before);
  const auto folder = DeviceRoot::resolve(kFile).parent_path();
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
}

// As Foundation's, a move never replaces what is at its destination.
TEST_F(PropertyListFileTest, AMoveNeverReplacesAnItem) {
  auto& files = NSFileManager::defaultManager();
  ASSERT_TRUE(files.createFileAtPath("/var/mobile/a.plist", "new"));
  ASSERT_TRUE(files.createFileAtPath("/var/mobile/b.plist", "old"));
  NSError why;
  EXPECT_FALSE(files.moveItemAtPath("/var/mobile/a.plist", "/var/mobile/b.plist", &why));
  EXPECT_NE(why.localizedDescription.find("b.plist"), std::string::npos)
      << why.localizedDescription;
  EXPECT_EQ(files.contentsAtPath("/var/mobile/b.plist"), "old");
  EXPECT_EQ(files.contentsAtPath("/var/mobile/a.plist"), "new");
  EXPECT_TRUE(files.moveItemAtPath("/var/mobile/a.plist", "/var/mobile/c.plist"));
  EXPECT_EQ(files.contentsAtPath("/var/mobile/c.plist"), "new");
}

TEST(DeviceRootTest, DevicePathsNeverLeaveTheRoot) {
  TempDeviceRoot root;
  EXPECT_EQ(DeviceRoot::resolve("/var/mobile/a.plist"), root.path() / "var/mobile/a.plist");
  EXPECT_EQ(DeviceRoot::resolve("/../../etc/passwd"), root.path() / "etc/passwd");
  EXPECT_EQ(DeviceRoot::resolve("var/../../x"), root.path() / "x");
  EXPECT_EQ(DeviceRoot::resolve("/"), root.path());
}

}  // namespace
