#pragma once

#include <string>

// The device's model identifier ("iPhone10,4"); empty when the system will not say.
std::string machineModel();
