#pragma once
// The options of counts that merge: partial counts, their merge, and the
// map and reduce steps of Hadoop streaming or Spark's pipe.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zet {

struct PartialOptions {
  std::optional<std::string> output;  ///< --partial FILE: write the count there
  bool merge = false;                 ///< --merge PART...: the files are partial counts
  bool map = false;                   ///< --map: count the input, write key/value lines
  bool reduce = false;                ///< --reduce: merge key/value lines
  bool list = false;                  ///< --list: with --reduce, list instead of writing lines
  std::uint64_t source = 0;           ///< --source N: the ordinal of the (first) source counted
  std::uint64_t offset = 0;           ///< --offset N: where in its source the counted piece begins
  std::vector<std::string> files;     ///< --merge's partial counts, in order

  [[nodiscard]] bool Active() const noexcept { return output || merge || map || reduce; }
};

}  // namespace zet
