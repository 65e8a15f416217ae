#include "engine/PartialCount.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <limits>

#include "params/ScanSnapshot.h"
#include "scanner/Folding.h"
#include "scanner/TextCodec.h"

namespace zet {
namespace {

constexpr std::string_view kMagic = "ZET-PARTIAL ";
constexpr std::string_view kEndLine = "end ";
constexpr std::uint64_t kFnvOffset = 0xcbf29ce484222325ULL;
constexpr std::uint64_t kFnvPrime = 0x100000001b3ULL;

std::string Hex64(std::uint64_t value) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string text(16, '0');
  for (int i = 15; i >= 0; --i, value >>= 4)
    text[static_cast<std::size_t>(i)] = kDigits[value & 15];
  return text;
}

std::string HexBytes(std::string_view bytes) {
  std::string text;
  for (const char c : bytes) text += Hex64(static_cast<unsigned char>(c)).substr(14);
  return text;
}

// Numbers as the writer writes them: decimal, no sign, no leading zero.
template <typename T>
bool ParseNumber(std::string_view text, T& value) {
  if (text.empty() || (text.size() > 1 && text[0] == '0')) return false;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && end == text.data() + text.size() && value >= 0;
}

bool ParseHex64(std::string_view text, std::uint64_t& value) {
  if (text.size() != 16) return false;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
  return ec == std::errc() && end == text.data() + text.size() && Hex64(value) == text;
}

void AppendNumber(std::uint64_t value, std::string& out) {
  char digits[24];
  const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, value);
  out.append(digits, end);
}

// A word or key field: UTF-8 of Windows-1252 text, read back to exactly the
// bytes that were written.
bool DecodeText(std::string_view field, std::string& text) {
  if (field.empty()) return false;
  bool ascii = true;
  for (const char c : field) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7f) return false;
    ascii = ascii && u < 0x80;
  }
  if (ascii) {
    text.assign(field);
    return true;
  }
  DecodeToCp1252(field, text);
  return EncodeUtf8(text) == field;
}

// Splits `line` at tabs into exactly `n` fields.
bool SplitTabs(std::string_view line, std::string_view* fields, std::size_t n) {
  for (std::size_t i = 0; i + 1 < n; ++i) {
    const std::size_t tab = line.find('\t');
    if (tab == std::string_view::npos) return false;
    fields[i] = line.substr(0, tab);
    line.remove_prefix(tab + 1);
  }
  fields[n - 1] = line;
  return line.find('\t') == std::string_view::npos;
}

// The six fields of an entry; an empty string or what is wrong with them.
std::string ParseEntryFields(const std::string_view* f, PartialEntry& e, std::string& keyBuffer) {
  if (!DecodeText(f[0], e.key)) return "a key that is no word's";
  if (!DecodeText(f[1], e.word) || e.word.size() > WordTable::kMaxWordLength)
    return "a spelling that is no word";
  if (MakeWordKey(e.word, keyBuffer) != e.key) return "a key that is not its spelling's";
  if (!ParseNumber(f[2], e.source) || !ParseNumber(f[3], e.offset)) return "a bad position";
  if (!ParseNumber(f[4], e.count) || e.count < 1) return "a bad count";
  if (!ParseNumber(f[5], e.files) || e.files < 1 || e.files > e.count)
    return "a bad number of files";
  return {};
}

void AppendEntry(const PartialEntry& e, std::string& out) {
  AppendUtf8(e.key, out);
  out += '\t';
  AppendUtf8(e.word, out);
  out += '\t';
  AppendNumber(e.source, out);
  out += '\t';
  AppendNumber(e.offset, out);
  out += '\t';
  AppendNumber(static_cast<std::uint64_t>(e.count), out);
  out += '\t';
  AppendNumber(static_cast<std::uint64_t>(e.files), out);
}

Problem BadPartial(const std::string& name, std::string_view why) {
  Problem p;
  p.kind = ProblemKind::BadFile;
  p.message = name + ": " + std::string(why);
  p.title = "Partial count";
  p.file = name;
  return p;
}

// Takes the next line of `rest` (without its LF); false when no LF is left.
bool NextLine(std::string_view& rest, std::string_view& line) {
  const std::size_t lf = rest.find('\n');
  if (lf == std::string_view::npos) return false;
  line = rest.substr(0, lf);
  rest.remove_prefix(lf + 1);
  return true;
}

}  // namespace

void MergeEntry(PartialEntry& into, const PartialEntry& from) {
  if (FoundBefore(from, into)) {
    into.word = from.word;
    into.source = from.source;
    into.offset = from.offset;
  }
  into.count += from.count;
  into.files += from.files;
}

std::string PartialRules(const ParameterSet& params, std::string_view typeExtension) {
  static constexpr std::pair<ParamId, std::string_view> kAllowed[] = {
      {ParamId::chkAllowWordsWithHyphens, "hyphens"},
      {ParamId::chkAllowWordsWithApostrophes, "apostrophes"},
      {ParamId::chkAllowWordsWithUnderscores, "underscores"},
      {ParamId::chkAllowWordsWithColons, "colons"},
      {ParamId::chkAllowWordsWithBackslashes, "backslashes"},
      {ParamId::chkAllowWordsWithForwardslashes, "slashes"},
      {ParamId::chkAllowWordsWithPeriods, "periods"},
      {ParamId::chkAllowWordsWithAtSigns, "at-signs"},
      {ParamId::chkAllowWordsWithNumerals, "numerals"},
  };
  std::string allow;
  for (const auto& [id, name] : kAllowed)
    if (params.IsChecked(id)) allow += (allow.empty() ? "" : ",") + std::string(name);
  const WordRules rules = WordRulesFrom(params);
  std::string text =
      "model=windows-1252 allow=" + (allow.empty() ? "none" : allow) +
      " apostrophe-fragments=" + (rules.allow.blnKeepApostropheFragments ? "kept" : "dropped") +
      " case=" + (rules.blnCaseSignificant ? "significant" : "ignored") +
      " final-s=" + (rules.blnDropFinalS ? "dropped" : "kept") +
      " markers=" + (typeExtension.empty() ? "by-extension" : std::string(typeExtension));
  if (!params.IsChecked(ParamId::chkAllowCommentMarkers)) return text + " user-markers=off";
  const CommentMarkers user = UserMarkersFrom(params);
  return text + " user-markers=" + HexBytes(user.strStartComment[0]) + "," +
         HexBytes(user.strEndComment[0]) + "," + HexBytes(user.strStartComment[1]) + "," +
         HexBytes(user.strEndComment[1]);
}

std::string RulesDigest(std::string_view rules) {
  std::uint64_t h = kFnvOffset;
  for (const char c : rules) h = (h ^ static_cast<unsigned char>(c)) * kFnvPrime;
  return Hex64(h);
}

std::uint64_t PartialChecksum(std::string_view bytes) noexcept {
  std::uint64_t h = kFnvOffset;
  std::size_t i = 0;
  for (; i + 8 <= bytes.size(); i += 8) {
    std::uint64_t word = 0;
    for (int b = 7; b >= 0; --b)
      word = (word << 8) | static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(b)]);
    h = (h ^ word) * kFnvPrime;
  }
  for (; i < bytes.size(); ++i) h = (h ^ static_cast<unsigned char>(bytes[i])) * kFnvPrime;
  return h;
}

PartialCount PartialFromTable(const WordTable& table, std::string rules, std::uint64_t source,
                              std::uint64_t offset) {
  PartialCount count{std::move(rules), 1, {}};
  count.entries.reserve(table.size());
  const bool files = table.TracksFiles();
  for (std::size_t i = 0; i < table.size(); ++i) {
    const WordEntry& e = table[i];
    const std::uint64_t first = files ? table.FirstFileOf(i) : 0;
    count.entries.push_back({std::string(e.strKey()), std::string(e.strWord()), source + first,
                             first == 0 ? offset : 0, e.lngCount, files ? table.FilesOf(i) : 1});
  }
  return count;
}

namespace {

// The entries of a count held in memory, for MergeSources.
struct CountSource {
  std::vector<PartialEntry>* entries;
  std::size_t next = 0;
  bool Next(PartialEntry& e) {
    if (next == entries->size()) {
      std::vector<PartialEntry>().swap(*entries);  // done with: its memory goes back
      return false;
    }
    e = std::move((*entries)[next++]);
    return true;
  }
};

// The k-way merge: a heap of each source's next entry, smallest key first,
// the earlier source first among equal keys. Stops at the first source
// that ends on a failure (`failed` says so) and returns its index.
template <typename Source, typename Failed>
std::optional<std::size_t> MergeSources(std::vector<Source>& sources, Failed&& failed,
                                        const std::function<void(PartialEntry&&)>& take) {
  std::vector<PartialEntry> heads(sources.size());
  std::vector<std::size_t> heap;
  for (std::size_t i = 0; i < sources.size(); ++i) {
    if (sources[i].Next(heads[i]))
      heap.push_back(i);
    else if (failed(sources[i]))
      return i;
  }
  const auto after = [&](std::size_t a, std::size_t b) {
    const int c = heads[a].key.compare(heads[b].key);
    return c != 0 ? c > 0 : a > b;
  };
  std::make_heap(heap.begin(), heap.end(), after);
  PartialEntry current;
  bool have = false;
  while (!heap.empty()) {
    std::pop_heap(heap.begin(), heap.end(), after);
    const std::size_t i = heap.back();
    if (have && current.key == heads[i].key) {
      MergeEntry(current, heads[i]);
    } else {
      if (have) take(std::move(current));
      current = std::move(heads[i]);
      have = true;
    }
    if (sources[i].Next(heads[i])) {
      std::push_heap(heap.begin(), heap.end(), after);
    } else {
      if (failed(sources[i])) return i;
      heap.pop_back();
    }
  }
  if (have) take(std::move(current));
  return std::nullopt;
}

}  // namespace

void MergePartialsInto(std::vector<PartialCount>& parts,
                       const std::function<void(PartialEntry&&)>& take) {
  std::vector<CountSource> sources;
  for (PartialCount& p : parts) sources.push_back({&p.entries});
  (void)MergeSources(
      sources, [](const CountSource&) { return false; }, take);
}

std::optional<Problem> MergeReadersInto(std::vector<PartialReader>& readers,
                                        const std::function<void(PartialEntry&&)>& take) {
  const std::optional<std::size_t> failed = MergeSources(
      readers, [](const PartialReader& r) { return r.Failure().has_value(); }, take);
  if (failed) return *readers[*failed].Failure();
  return std::nullopt;
}

PartialCount MergePartials(std::vector<PartialCount> parts) {
  PartialCount merged;
  if (parts.empty()) return merged;
  merged.rules = parts.front().rules;
  for (const PartialCount& p : parts) merged.pieces += p.pieces;
  MergePartialsInto(parts, [&](PartialEntry&& e) { merged.entries.push_back(std::move(e)); });
  return merged;
}

void TableFiller::Add(const PartialEntry& entry) {
  (void)table_.AddWithKey(entry.word, entry.key);
  counts_.push_back(entry.count);
  if (ranges_ != nullptr) ranges_->push_back(entry.files);
}

void TableFiller::Finish() {
  // The table reads in ascending key order, as the entries came.
  for (std::size_t i = 0; i < counts_.size() && i < table_.size(); ++i)
    table_[i].lngCount = counts_[i];
  counts_ = {};
}

void FillTable(const PartialCount& count, WordTable& table, std::vector<std::int64_t>* ranges) {
  TableFiller filler(table, ranges);
  for (const PartialEntry& e : count.entries) filler.Add(e);
  filler.Finish();
}

PartialWriter::PartialWriter(std::string_view rules, std::uint64_t pieces) {
  out_ += kMagic;
  AppendNumber(kPartialVersion, out_);
  out_ += "\nrules " + RulesDigest(rules) + ' ' + std::string(rules) + "\npieces ";
  AppendNumber(pieces, out_);
  out_ += '\n';
}

void PartialWriter::Add(const PartialEntry& entry) {
  AppendEntry(entry, out_);
  out_ += '\n';
  ++entries_;
}

std::string PartialWriter::Finish() {
  const std::uint64_t sum = PartialChecksum(out_);
  out_ += kEndLine;
  AppendNumber(entries_, out_);
  out_ += ' ' + Hex64(sum) + '\n';
  return std::move(out_);
}

std::string FormatPartial(const PartialCount& count) {
  PartialWriter writer(count.rules, count.pieces);
  for (const PartialEntry& e : count.entries) writer.Add(e);
  return writer.Finish();
}

Outcome<PartialReader> PartialReader::Open(std::string_view bytes, std::string name) {
  if (bytes.empty()) return BadPartial(name, "the file is empty, not a partial count");
  std::string_view rest = bytes;
  std::string_view line;
  if (!bytes.starts_with(kMagic) || !NextLine(rest, line))
    return BadPartial(name, "not a partial count of zet-count");
  if (line.substr(kMagic.size()) != std::to_string(kPartialVersion))
    return BadPartial(
        name, "a partial count of another version (" + std::string(line.substr(kMagic.size(), 20)) +
                  "); this zet-count reads version " + std::to_string(kPartialVersion));
  // The end line: the first line that starts with "end " (no entry does).
  const std::size_t endAt = bytes.find("\nend ");
  if (endAt == std::string_view::npos)
    return BadPartial(name, "the partial count is truncated (it has no end line)");
  const std::string_view body = bytes.substr(0, endAt + 1);
  std::string_view tail = bytes.substr(endAt + 1);
  std::string_view endLine;
  if (!NextLine(tail, endLine))
    return BadPartial(name, "the partial count is truncated (its end line is cut)");
  if (!tail.empty())
    return BadPartial(name, "more follows the partial count's end (files joined together?)");
  const std::size_t space = endLine.rfind(' ');
  PartialReader reader;
  std::uint64_t sum = 0;
  if (space < kEndLine.size() || !ParseNumber(endLine.substr(4, space - 4), reader.entries_) ||
      !ParseHex64(endLine.substr(space + 1), sum))
    return BadPartial(name, "the partial count's end line is damaged");
  if (PartialChecksum(body) != sum)
    return BadPartial(name, "the partial count is corrupted (its checksum does not match)");

  // The checksum matched: what is wrong now was written so.
  reader.name_ = std::move(name);
  const auto bad = [&](std::string_view why) {
    return BadPartial(reader.name_, "the partial count's " + std::string(why));
  };
  rest = body.substr(line.size() + 1);
  if (!NextLine(rest, line) || !line.starts_with("rules ") || line.size() < 24 || line[22] != ' ')
    return bad("word rules are missing");
  reader.rules_ = line.substr(23);
  if (RulesDigest(reader.rules_) != line.substr(6, 16) ||
      reader.rules_.find_first_of("\t\r") != std::string::npos)
    return bad("word rules do not match their digest");
  if (!NextLine(rest, line) || !line.starts_with("pieces ") ||
      !ParseNumber(line.substr(7), reader.pieces_) || reader.pieces_ < 1)
    return bad("number of pieces is missing");
  reader.rest_ = rest;
  return reader;
}

bool PartialReader::Fail(std::string_view why) {
  problem_ = BadPartial(name_, "line " + std::to_string(read_ + 4) +
                                   " of the partial count holds " + std::string(why));
  return false;
}

bool PartialReader::Next(PartialEntry& e) {
  if (problem_) return false;
  if (read_ == entries_) {
    if (!rest_.empty()) Fail("more entries than its end line says");
    return false;
  }
  std::string_view line;
  std::string_view fields[6];
  if (!NextLine(rest_, line) || !SplitTabs(line, fields, 6)) return Fail("no entry of six fields");
  if (const std::string why = ParseEntryFields(fields, e, keyBuffer_); !why.empty())
    return Fail(why);
  if (static_cast<std::uint64_t>(e.files) > pieces_) return Fail("more files than pieces counted");
  if (read_ > 0 && lastKey_ >= e.key) return Fail("a key out of order");
  lastKey_ = e.key;
  ++read_;
  return true;
}

Outcome<PartialCount> ReadPartial(std::string_view bytes, const std::string& name) {
  Outcome<PartialReader> opened = PartialReader::Open(bytes, name);
  if (!opened) return opened.problem();
  PartialReader& reader = opened.value();
  PartialCount count{reader.Rules(), reader.Pieces(), {}};
  for (PartialEntry e; reader.Next(e);) count.entries.push_back(std::move(e));
  if (reader.Failure()) return *reader.Failure();
  return count;
}

void AppendMapLine(const PartialEntry& entry, std::string_view rulesDigest, std::string& out) {
  AppendEntry(entry, out);
  out += '\t';
  out += rulesDigest;
  out += '\n';
}

Outcome<Done> ParseMapLine(std::string_view line, PartialEntry& entry, std::string& rulesDigest) {
  const auto bad = [](std::string why) {
    return Problem{ProblemKind::BadFile, std::move(why), {}, {}, {}};
  };
  std::string_view fields[7];
  if (!SplitTabs(line, fields, 7)) return bad("not seven tab-separated fields");
  std::string keyBuffer;
  if (std::string why = ParseEntryFields(fields, entry, keyBuffer); !why.empty())
    return bad(std::move(why));
  std::uint64_t digest = 0;
  if (!ParseHex64(fields[6], digest)) return bad("no digest of word rules");
  rulesDigest = fields[6];
  return Done{};
}

}  // namespace zet
