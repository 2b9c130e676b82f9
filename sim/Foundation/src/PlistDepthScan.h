#pragma once

#include <string_view>

// Checks, before libplist parses (and recurses into) them, that the bytes of a property list
// nest no deeper than `maxDepth` arrays and dictionaries. libplist 2.2 recurses once per level
// and runs out of stack on a file a million levels deep; these scans keep their own stacks.
namespace plist_depth {

// "<array>" and "<dict>" openings not yet closed, outside comments, CDATA and declarations.
bool xmlWithin(std::string_view xml, int maxDepth);

// The longest chain of container references from the top object of a "bplist00" file. A
// malformed table, a reference cycle or a dictionary key that is not a string answers false:
// libplist refuses the first two itself, and aborts the process on the third. So does a string
// that holds a NUL, which libplist would cut short.
bool binaryWithin(std::string_view bplist, int maxDepth);

}  // namespace plist_depth
