#pragma once
// Small procedures of the main window that need no window: the clipboard
// text check, the progress bar, the twirler, run-time error numbers and the
// paths and addresses of the program's own files.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "params/RunTimeError.h"

namespace zet {

/// Most characters the output textbox holds. Generous, so that the lists of
/// large files fit, yet bounded, so that a huge list fails visibly (the
/// textbox-full report) instead of exhausting memory; the help text states it.
inline constexpr std::size_t kOutputTextboxCapacity = 16'000'000;

/// How many leading characters of the clipboard text are examined for
/// control characters.
inline constexpr std::size_t kPlainTextSample = 3000;

/// True when `text` (Windows-1252) is empty or none of its first `n`
/// characters (all of them, if fewer) has a code below 32 other than tab
/// (9), line feed (10) and carriage return (13).
[[nodiscard]] bool IsPlainText(std::string_view text, std::size_t n) noexcept;

/// Width of the text progress bar in characters, brackets excluded.
inline constexpr int kProgressWidth = 37;
/// Input files longer than this many bytes get the progress bar.
inline constexpr std::int64_t kProgressBarThreshold = 10240;

/// The bar position, 0 to kProgressWidth, after `bytesRead` of
/// `fileLength` bytes: kProgressWidth * bytesRead / fileLength rounded to
/// the nearest integer, halves to the even neighbour. Never above the full
/// width (a file that grew while it was read), and 0 for an empty file.
[[nodiscard]] int ProgressPosition(std::uint64_t bytesRead, std::uint64_t fileLength) noexcept;

/// The bar's caption for `position`: "[" then position - 1 hyphens, ">",
/// kProgressWidth - position spaces and "]"; position 0 gives "[", ">",
/// kProgressWidth spaces and "]". Outside 0 to kProgressWidth it is clamped.
[[nodiscard]] std::string ProgressBarCaption(int position);

/// The caption of the bar before any line is read: "[", kProgressWidth
/// spaces, "]".
[[nodiscard]] std::string EmptyProgressBar();

/// The twirler's character for the `index`-th listed entry: the lower,
/// left, upper and right half blocks (U+2584, U+258C, U+2580, U+2590) for
/// index mod 4 = 0, 1, 2, 3, as UTF-8.
[[nodiscard]] std::string_view TwirlerCharacter(std::size_t index) noexcept;

/// `fileName` in `folder`, joined by one "/" (none added when the folder
/// already ends with one; just the name when the folder is empty).
[[nodiscard]] std::string PathInFolder(std::string_view folder, std::string_view fileName);

/// `text` with every "{DOCDIR}" replaced by `docFolder` made fit for a
/// file address: each byte other than an ASCII letter, digit, "-", ".",
/// "_", "~" and "/" is written as "%" and two upper-case hex digits.
[[nodiscard]] std::string ExpandDocDir(std::string_view text, std::string_view docFolder);

}  // namespace zet
