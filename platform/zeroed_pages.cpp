#include "platform/zeroed_pages.h"

#include <sys/mman.h>

#include <new>

namespace platform {

void* AllocateZeroedPages(std::size_t size) {
    // A private anonymous mapping: every page reads zero until written, and is mapped only
    // when first touched.
    void* memory =
        ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED) throw std::bad_alloc();
    return memory;
}

void FreeZeroedPages(void* memory, std::size_t size) noexcept {
    if (memory != nullptr) ::munmap(memory, size);
}

}  // namespace platform
