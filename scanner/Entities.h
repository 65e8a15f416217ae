#pragma once
// The named HTML character entities of the Latin-1 letters.

#include <cstddef>
#include <string>
#include <string_view>

namespace zet {

/// Number of entities decoded: the letters U+00C0 to U+00FF except the
/// multiplication and division signs.
inline constexpr std::size_t kEntityCount = 62;

/// The Windows-1252 letter of a whole entity such as "&eacute;" (exact,
/// case-sensitive), or 0 when it is not one of the 62.
[[nodiscard]] char LookUpEntity(std::string_view entity) noexcept;

/// Replaces, left to right, each candidate "&...;" (from an ampersand to the
/// next semicolon) that is one of the 62 entities by its letter. A candidate
/// that is not an entity stays as it is, and the search goes on after its
/// semicolon, so an ampersand without a semicolon of its own hides the
/// entity that follows it ("R&D &eacute;" is left unchanged). No other
/// entity, named or numeric, is decoded.
void DecodeEntities(std::string& text);

/// DecodeEntities over `size` characters at `text`, in place (an entity is
/// always longer than its letter); returns the new length.
std::size_t DecodeEntities(char* text, std::size_t size) noexcept;

/// Whether `text` begins with an entity-like sequence: longer than three
/// characters, an ampersand first, a letter or "#" second, and a semicolon
/// within the first 20 characters with no space before it. Returns the
/// 1-based position of that semicolon, or 0.
[[nodiscard]] std::size_t IsEntityAt(std::string_view text) noexcept;

}  // namespace zet
