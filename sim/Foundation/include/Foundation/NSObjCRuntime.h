#pragma once

// The platform's word-sized integer types, as on 64-bit iOS.
using NSInteger = long;
using NSUInteger = unsigned long;
