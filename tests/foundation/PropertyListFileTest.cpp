#include "Foundation/PropertyListFile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "SimDevice/DeviceRoot.h"
#include "support/FileSizeLimit.h"
#include "support/PlistFixture.h"
#include "support/TempDeviceRoot.h"

namespace {

namespace fx = plist_fixture;
constexpr char kFile[] = "/var/mobile/Library/Preferences/test.plist";

class PropertyListFileTest : public ::testing::Test {
 protected:
  TempDeviceRoot root;
};

TEST_F(PropertyListFileTest, ReadsEveryEncodingFoundationReads) {
  const auto node = fx::dict({{"name", plist_new_string("Sonnerie \u266A \U0001F514")},
                              {"count", plist_new_uint(static_cast<uint64_t>(-3))},
                              {"on", plist_new_bool(1)},
                              {"level", plist_new_real(0.5)}});
  for (const auto& [encoding, bytes] : fx::everyEncoding(node)) {
    SCOPED_TRACE(encoding);
    root.writeBytes(kFile, bytes);
    const auto read = PropertyListFile::readDictionary(kFile);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->at("name"), PlistValue("Sonnerie \u266A \U0001F514"));
    EXPECT_EQ(read->at("count"), PlistValue(-3)) << "integers come back signed";
    EXPECT_EQ(read->at("on"), PlistValue(true));
    EXPECT_EQ(read->at("level"), PlistValue(0.5));
  }
}

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

TEST(DeviceRootTest, DevicePathsNeverLeaveTheRoot) {
  TempDeviceRoot root;
  EXPECT_EQ(DeviceRoot::resolve("/var/mobile/a.plist"), root.path() / "var/mobile/a.plist");
  EXPECT_EQ(DeviceRoot::resolve("/../../etc/passwd"), root.path() / "etc/passwd");
  EXPECT_EQ(DeviceRoot::resolve("var/../../x"), root.path() / "x");
  EXPECT_EQ(DeviceRoot::resolve("/"), root.path());
}

}  // namespace
