// Reading the registry under HKEY_CLASSES_ROOT, where Windows keeps its file
// associations.
#pragma once

#include <string>

namespace keyloom {

// The default value of a key under HKEY_CLASSES_ROOT; false when the key
// cannot be opened or its default value is not text. The value ends at its
// first zero byte; an expandable string has its variables expanded.
bool ReadClassesRootDefault(const char* subKey, std::string* value);

}  // namespace keyloom
