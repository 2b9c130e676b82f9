#pragma once

// libMobileGestalt's answers about the device, as far as the system asks them here: whether the
// device has a capability, by the names an app's required capabilities use ("ipad",
// "telephony", "wifi", ...). An unknown name answers false.
bool MGGetBoolAnswer(const char* question);
