// Allocation that cannot be served ends the program through FatalError
// with the size asked for, instead of an exception nobody catches.
#include <cstdlib>
#include <new>

#include "platform/fatal_error.h"

static void* AllocateOrDie(std::size_t size) {
    void* block = std::malloc(size ? size : 1);
    if (!block) {
        static char message[128];
        keyloom::FormatAllocationFailure(message, sizeof message, size);
        keyloom::FatalError(message, 0);
    }
    return block;
}

void* operator new(std::size_t size) {
    return AllocateOrDie(size);
}
void* operator new[](std::size_t size) {
    return AllocateOrDie(size);
}
void operator delete(void* block) noexcept {
    std::free(block);
}
void operator delete[](void* block) noexcept {
    std::free(block);
}
void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}
void operator delete[](void* block, std::size_t) noexcept {
    std::free(block);
}
