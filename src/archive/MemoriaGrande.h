#pragma once
// Memory for the large blocks a study fills once from end to end (the archive
// text, the records, the per-draw tables). They come straight from the system
// with their pages already in place, in huge pages where the system offers
// them: faulting thousands of fresh pages in one at a time costs more than
// filling them. Small blocks take the ordinary heap.

#include <cstddef>
#include <memory>
#include <new>
#include <vector>

namespace ruotario {

// Blocks from this size on come from the system.
inline constexpr std::size_t kBloccoGrande = std::size_t{256} << 10;

// A block of `byte` bytes (at least kBloccoGrande), aligned to a page; throws std::bad_alloc.
void* AllocaGrande(std::size_t byte);
// Gives back a block from AllocaGrande of the same size.
void LiberaGrande(void* blocco, std::size_t byte) noexcept;

template <typename T>
struct AllocatoreGrande {
  using value_type = T;
  AllocatoreGrande() = default;
  template <typename U>
  AllocatoreGrande(const AllocatoreGrande<U>&) noexcept {}

  T* allocate(std::size_t n) {
    if (n * sizeof(T) < kBloccoGrande) return std::allocator<T>{}.allocate(n);
    return static_cast<T*>(AllocaGrande(n * sizeof(T)));
  }
  void deallocate(T* p, std::size_t n) noexcept {
    if (n * sizeof(T) < kBloccoGrande)
      std::allocator<T>{}.deallocate(p, n);
    else
      LiberaGrande(p, n * sizeof(T));
  }
  template <typename U>
  bool operator==(const AllocatoreGrande<U>&) const noexcept {
    return true;
  }
};

template <typename T>
using VettoreGrande = std::vector<T, AllocatoreGrande<T>>;

}  // namespace ruotario
