#pragma once

#include <cstddef>

// The kernel's sysctlbyname(3), for the names the simulated device answers ("hw.machine").
// With `oldp` null, `*oldlenp` receives the value's length (a string's terminating NUL
// included); otherwise up to `*oldlenp` bytes are copied and `*oldlenp` is set to the length
// copied. Answers 0, or -1 with errno (ENOENT: unknown name, ENOMEM: buffer too short,
// EPERM: `newp` given, the values are read-only).
int sysctlbyname(const char* name, void* oldp, std::size_t* oldlenp, const void* newp,
                 std::size_t newlen);
