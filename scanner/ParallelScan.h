#pragma once
// Counting one regular file on several threads.

#include <atomic>
#include <cstdint>

#include "scanner/Encoding.h"
#include "scanner/ScanSettings.h"
#include "scanner/SourceReader.h"
#include "scanner/WordTable.h"

namespace zet {

/// The fewest bytes worth a thread of their own.
inline constexpr std::uint64_t kMinParallelPart = std::uint64_t{1} << 20;

/// Counts the regular file open on `fd` (`size` bytes, read with pread, so
/// the descriptor's offset does not matter) into `table`, on up to `jobs`
/// threads: the file is cut into parts after line feeds, each part is
/// scanned by its own Scanner into its own table, and the tables are merged
/// in file order, so every count and every first spelling is what one pass
/// gives. A part that begins inside a comment the part before left open is
/// scanned again from that comment; such parts cost twice, and results stay
/// exact. UTF-16 sources, files too small to be worth it and `jobs` of 1
/// are scanned in one pass; so is a text whose start (a sample scanned
/// before the file is cut) holds mostly different words, since merging
/// their tables would cost what the threads saved.
///
/// `progress` is called from the calling thread with the bytes scanned so
/// far, every few milliseconds; `stop` (may be null), when it becomes true,
/// ends every part after its current word, and the table then holds what
/// was counted. Returns the outcome of the whole file: the first failure of
/// any part, the bytes read, the first byte that was not valid UTF-8.
/// `minPart` is the fewest bytes worth a thread (tests cut small files).
ReadOutcome ScanFileParallel(int fd, std::uint64_t size, const ScanSettings& settings,
                             Encoding encoding, unsigned jobs, WordTable& table,
                             const LineProgress& progress = {},
                             const std::atomic<bool>* stop = nullptr,
                             std::uint64_t minPart = kMinParallelPart);

/// How many parts ScanFileParallel cuts a file of `size` bytes in `encoding`
/// into on `jobs` threads (at most; a file with few line feeds may give
/// fewer); 1: it is scanned in one pass on the calling thread.
[[nodiscard]] std::uint64_t ParallelParts(std::uint64_t size, Encoding encoding, unsigned jobs,
                                          std::uint64_t minPart = kMinParallelPart) noexcept;

/// The number of threads `--jobs 0` means: the cores this process may use.
[[nodiscard]] unsigned DefaultJobs() noexcept;

}  // namespace zet
