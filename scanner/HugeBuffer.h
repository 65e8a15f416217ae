#pragma once
// Large zero-filled memory blocks for the word table.

#include <cstddef>

namespace zet {

/// A block of zero-filled memory taken straight from the system (below
/// 64 KiB, from the heap). Blocks of
/// 2 MiB and more are aligned for, and advised to use, huge pages: a table
/// of millions of words then costs a few hundred page faults instead of
/// tens of thousands, and its random lookups miss the TLB far less.
/// Throws std::bad_alloc when the memory cannot be had.
class HugeBuffer {
 public:
  static constexpr std::size_t kHugePage = std::size_t{2} << 20;

  HugeBuffer() = default;
  /// `bytes` zero-filled bytes; `huge` asks for huge pages when the size
  /// allows them.
  explicit HugeBuffer(std::size_t bytes, bool huge = true);
  ~HugeBuffer();
  HugeBuffer(HugeBuffer&& other) noexcept;
  HugeBuffer& operator=(HugeBuffer&& other) noexcept;
  HugeBuffer(const HugeBuffer&) = delete;
  HugeBuffer& operator=(const HugeBuffer&) = delete;

  [[nodiscard]] void* data() const noexcept { return data_; }
  [[nodiscard]] char* chars() const noexcept { return static_cast<char*>(data_); }
  [[nodiscard]] std::size_t size() const noexcept { return size_; }

 private:
  void Release() noexcept;

  void* data_ = nullptr;
  std::size_t size_ = 0;
};

}  // namespace zet
