#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

#include "SimDevice/DeviceModel.h"
#include "System/sysctl.h"

namespace {

class MachineModelTest : public ::testing::Test {
 protected:
  void TearDown() override { DeviceModel::setIdentifier(saved); }
  std::string saved = DeviceModel::identifier();
};

TEST_F(MachineModelTest, LengthThenBufferProtocol) {
  DeviceModel::setIdentifier("iPad7,5");
  std::size_t length = 0;
  ASSERT_EQ(sysctlbyname("hw.machine", nullptr, &length, nullptr, 0), 0);
  EXPECT_EQ(length, 8u) << "the length counts the terminating NUL";
  std::vector<char> buffer(length, 'x');
  ASSERT_EQ(sysctlbyname("hw.machine", buffer.data(), &length, nullptr, 0), 0);
  EXPECT_STREQ(buffer.data(), "iPad7,5");
}

}  // namespace
