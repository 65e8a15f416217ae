#pragma once
// Sorting of word keys by their first eight bytes.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace zet {

#pragma pack(push, 4)
/// A key's first eight bytes as a big-endian number, with the key's index.
struct PrefixIndex {
  std::uint64_t prefix;
  std::uint32_t index;
};
#pragma pack(pop)

/// The first eight bytes of `key` as a big-endian number, zero padded:
/// comparing two of these compares the keys' first eight bytes in byte
/// order, and a key that is a proper prefix of another (keys hold no zero
/// bytes) comes first.
[[nodiscard]] std::uint64_t KeyPrefix(std::string_view key) noexcept;

/// Sorts `items` by prefix in place (most-significant-byte radix sort, no
/// extra memory beyond a small stack). The order of equal prefixes is
/// unspecified.
void SortByPrefix(PrefixIndex* items, std::size_t count) noexcept;

}  // namespace zet
