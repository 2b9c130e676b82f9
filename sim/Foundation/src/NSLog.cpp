#include "Foundation/NSLog.h"

#include "SimDevice/SystemLog.h"

void NSLog(std::string_view message) {
  SystemLog::write(message);
}
