// The one way the program stops itself: a box titled "错误", then exit -1.
#pragma once

#include <cstddef>
#include <string>

namespace keyloom {

// Shows the fatal error box for message (may be empty) and code (0 means
// none), skips the exit routine, unloads the skin library and ends the
// process with exit code -1.
[[noreturn]] void FatalError(const char* message, int code);

// Writes the box text into out (capacity bytes, always zero-terminated);
// returns its length. Allocates nothing, so it works when memory is out.
std::size_t FormatFatalErrorText(char* out, std::size_t capacity, const char* message, int code);

// The same text as a string, for callers that may allocate.
std::string FatalErrorText(const char* message, int code);

// The message for a block of size bytes that could not be allocated.
std::size_t FormatAllocationFailure(char* out, std::size_t capacity, unsigned long long size);

}  // namespace keyloom
