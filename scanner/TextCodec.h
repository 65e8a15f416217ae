#pragma once
// Conversion between the bytes of the outside world and counted text.
//
// Each source is read in one encoding (see Encoding.h). Text taken as UTF-8
// still decodes whatever its bytes: a byte that is not part of a valid UTF-8
// sequence is taken as its Windows-1252 character, so nothing is lost or
// invented. Everything this program writes (output files, settings, window
// texts) is UTF-8.

#include <cstddef>
#include <string>
#include <string_view>

namespace zet {

/// Decodes raw input bytes into Windows-1252 text, replacing `out`.
/// Valid UTF-8 sequences become their Windows-1252 character, or
/// cp1252::kPlaceholder when the code page lacks it; a byte outside a valid
/// sequence becomes its own Windows-1252 character (the five undefined codes
/// become the placeholder). ASCII input is copied unchanged.
void DecodeToCp1252(std::string_view bytes, std::string& out);

/// DecodeToCp1252 where the bytes are: every character takes at most as many
/// bytes as it came in, so the text is decoded over itself, from the front.
/// Returns the length of the decoded text.
std::size_t DecodeToCp1252InPlace(char* bytes, std::size_t size) noexcept;

/// Marks "no invalid byte" in DecodeToCp1252InPlace's report.
inline constexpr std::size_t kNoInvalidByte = static_cast<std::size_t>(-1);

/// DecodeToCp1252InPlace, also setting `firstInvalid` to the offset of the
/// first byte that was not part of a valid UTF-8 sequence, or kNoInvalidByte.
std::size_t DecodeToCp1252InPlace(char* bytes, std::size_t size,
                                  std::size_t& firstInvalid) noexcept;

/// Takes bytes as Windows-1252 text where they are, one character each: the
/// five undefined codes become cp1252::kPlaceholder, every other byte stays.
void TakeAsCp1252InPlace(char* bytes, std::size_t size) noexcept;

/// Convenience form of DecodeToCp1252.
[[nodiscard]] std::string DecodeToCp1252(std::string_view bytes);

/// Appends the UTF-8 form of a code point (at most U+10FFFF, no surrogate).
void AppendUtf8CodePoint(char32_t cp, std::string& out);

/// Encodes Windows-1252 text as UTF-8, appending to `out`. The placeholder
/// and the undefined codes become U+FFFD.
void AppendUtf8(std::string_view cp1252Text, std::string& out);

/// Encodes Windows-1252 text as UTF-8.
[[nodiscard]] std::string EncodeUtf8(std::string_view cp1252Text);

/// Makes any byte sequence valid UTF-8: valid UTF-8 sequences are kept as
/// they are (also characters Windows-1252 lacks), and every other byte is
/// taken as its Windows-1252 character (U+FFFD for the five undefined codes).
/// Valid UTF-8 input comes back unchanged.
[[nodiscard]] std::string ToValidUtf8(std::string_view bytes);

/// Length of a UTF-8 byte-order mark at the start of `bytes` (3 or 0).
[[nodiscard]] std::size_t Utf8BomLength(std::string_view bytes) noexcept;

/// True when every byte of `bytes` is below 0x80.
[[nodiscard]] bool IsAscii(std::string_view bytes) noexcept;

}  // namespace zet
