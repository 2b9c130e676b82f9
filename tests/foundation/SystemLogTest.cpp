#include <gtest/gtest.h>
#include <unistd.h>

#include <regex>

#include "Foundation/NSLog.h"
#include "SimDevice/SystemLog.h"
#include "support/LogCapture.h"

namespace {

TEST(SystemLogTest, LinesHaveFoundationsForm) {
  SystemLog::setProcessName("SpringBoard");
  LogCapture capture;
  NSLog("OB: width=300.000000");
  ASSERT_EQ(capture.messages(), std::vector<std::string>{"OB: width=300.000000"});
  const std::regex form(R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3} SpringBoard\[(\d+):(\d+)\] (.*))");
  std::smatch match;
  ASSERT_TRUE(std::regex_match(capture.lines()[0], match, form)) << capture.lines()[0];
  EXPECT_EQ(match[1], std::to_string(getpid()));
  EXPECT_EQ(match[3], "OB: width=300.000000");
}

}  // namespace
