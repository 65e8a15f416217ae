#include "unicode/UnicodeTable.h"

#include "scanner/Cp1252.h"
#include "scanner/KeyHash.h"
#include "scanner/StrProc.h"
#include "scanner/TextCodec.h"
#include "unicode/UnicodeWordChecks.h"

namespace zet {
namespace {

constexpr std::size_t kMaxKey = 255;  // the word table keeps key lengths in a byte

bool IsApostropheFragment(std::string_view word) {
  if (word.size() > 7) return false;
  if (word.size() == 1 && (cp1252::ToLower(word[0]) == 's' || cp1252::ToLower(word[0]) == 't'))
    return true;
  return IsContractionStem(word);
}

}  // namespace

std::unique_ptr<UnicodeTable> UnicodeTable::Create(const UnicodeSettings& settings) {
  std::unique_ptr<WordCollator> collator = WordCollator::Open(settings.locale);
  if (!collator) return nullptr;
  return std::unique_ptr<UnicodeTable>(new UnicodeTable(settings, std::move(collator)));
}

UnicodeTable::UnicodeTable(const UnicodeSettings& settings, std::unique_ptr<WordCollator> collator)
    : settings_(settings), collator_(std::move(collator)) {}

UnicodeTable::Counted UnicodeTable::Count(std::string_view spelling) {
  const Spelling& s = Spell(spelling);
  if (s.word.empty()) return Counted::NotAWord;
  return words_.AddHashed(s.word, s.key, s.keyHash) == WordTable::AddResult::New ? Counted::New
                                                                                 : Counted::Again;
}

std::string_view UnicodeTable::WordOf(std::string_view spelling) { return Spell(spelling).word; }

std::string UnicodeTable::KeyOf(std::string_view word) {
  collator_->SortKey(word, key_);
  return key_;
}

const Spelling& UnicodeTable::Spell(std::string_view spelling) {
  static const Spelling kNone;
  if (spelling.size() > SpellingTable::kMaxSpelling) return kNone;
  const std::uint32_t hash = words_.KeyHash(spelling);
  if (const Spelling* known = spellings_.Find(spelling, hash)) return *known;
  return spellings_.Add(spelling, hash, MakeSpelling(spelling));
}

Spelling UnicodeTable::MakeSpelling(std::string_view spelling) {
  std::string_view word = spelling;
  if (!settings_.scan.blnCaseSignificant) {
    if (collator_->LowersAsciiPlainly() && IsAscii(spelling)) {
      lower_ = cp1252::Lower(spelling);
    } else {
      collator_->Lower(spelling, lower_);
    }
    word = lower_;
  }
  if (settings_.scan.blnDropFinalS && IsLatinWord(word)) word = word.substr(0, DropFinalS(word));
  if (!settings_.scan.allow.blnAllowApostrophes && IsApostropheFragment(word)) return {};
  if (word.empty() || word.size() > WordTable::kMaxWordLength) return {};
  collator_->SortKey(word, key_);
  // A word of characters without primary weight (a lone tatweel) has no
  // key to be told apart by: it is not counted.
  if (key_.empty() || key_.size() > kMaxKey) return {};
  return {word, key_, words_.KeyHash(key_)};
}

}  // namespace zet
