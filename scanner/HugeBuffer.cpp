#include "scanner/HugeBuffer.h"

#include <sys/mman.h>

#include <cstdint>
#include <cstdlib>
#include <new>
#include <utility>

namespace zet {
namespace {

constexpr std::size_t kPage = 4096;
// Smaller blocks come from the heap: a corpus of thousands of small files
// asks for a few for each file, and mapping and unmapping each (with its
// page faults) cost more than counting a file of a few KB.
constexpr std::size_t kHeapBelow = std::size_t{64} << 10;

std::size_t RoundUp(std::size_t n, std::size_t to) { return (n + to - 1) / to * to; }

}  // namespace

HugeBuffer::HugeBuffer(std::size_t bytes, bool huge) {
  if (bytes == 0) return;
  if (bytes < kHeapBelow) {
    data_ = std::calloc(bytes, 1);
    if (data_ == nullptr) throw std::bad_alloc();
    size_ = bytes;
    return;
  }
  const bool useHuge = huge && bytes >= kHugePage;
  const std::size_t size = RoundUp(bytes, useHuge ? kHugePage : kPage);
  // Huge pages need 2 MiB alignment: map more and trim both ends.
  const std::size_t mapped = useHuge ? size + kHugePage : size;
  void* p = ::mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (p == MAP_FAILED) throw std::bad_alloc();
  auto* base = static_cast<char*>(p);
  if (useHuge) {
    const auto addr = reinterpret_cast<std::uintptr_t>(base);
    char* aligned = base + (RoundUp(addr, kHugePage) - addr);
    if (aligned > base) ::munmap(base, static_cast<std::size_t>(aligned - base));
    const std::size_t tail = static_cast<std::size_t>(base + mapped - (aligned + size));
    if (tail > 0) ::munmap(aligned + size, tail);
    base = aligned;
#ifdef MADV_HUGEPAGE
    (void)::madvise(base, size, MADV_HUGEPAGE);  // advice only: fine if refused
#endif
  }
  data_ = base;
  size_ = size;
}

HugeBuffer::~HugeBuffer() { Release(); }

HugeBuffer::HugeBuffer(HugeBuffer&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)) {}

HugeBuffer& HugeBuffer::operator=(HugeBuffer&& other) noexcept {
  if (this != &other) {
    Release();
    data_ = std::exchange(other.data_, nullptr);
    size_ = std::exchange(other.size_, 0);
  }
  return *this;
}

void HugeBuffer::Release() noexcept {
  if (data_ != nullptr && size_ < kHeapBelow)
    std::free(data_);
  else if (data_ != nullptr)
    ::munmap(data_, size_);
  data_ = nullptr;
  size_ = 0;
}

}  // namespace zet
