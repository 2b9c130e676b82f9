#include "SimDevice/DeviceModel.h"

#include <cstdlib>

namespace {

std::string& model() {
  static std::string identifier = DeviceModel::defaultIdentifier();
  return identifier;
}

}  // namespace

std::string DeviceModel::defaultIdentifier() {
  const char* configured = std::getenv("SIM_DEVICE_MODEL");
  return configured && *configured ? configured : "iPhone10,4";
}

std::string DeviceModel::identifier() {
  return model();
}

void DeviceModel::setIdentifier(std::string identifier) {
  model() = std::move(identifier);
}
