// Memory in whole pages of its own that reads zero from the start: the system provides a page
// only when the program first touches it, so parts never used cost no memory and no page fault.
#pragma once

#include <cstddef>

namespace platform {

/// `size` bytes of zeroed, page-aligned memory; throws std::bad_alloc when there is none.
void* AllocateZeroedPages(std::size_t size);

/// Gives back memory of AllocateZeroedPages(`size`); nothing for a null pointer.
void FreeZeroedPages(void* memory, std::size_t size) noexcept;

}  // namespace platform
