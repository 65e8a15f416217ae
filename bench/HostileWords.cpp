// Sixteen-letter words for the hash-flooding benchmark (bench/hostile-hash.sh):
//   zet_hostile_words colliding N BITS   N words whose hashes under the
//                                        table's former, unkeyed hash share
//                                        their top BITS bits
//   zet_hostile_words random N           N different random words
// One word a line, lower-case a-z; the same arguments give the same words.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <unordered_set>

namespace {

std::uint64_t Load64(const char* p) {
  std::uint64_t v;
  std::memcpy(&v, p, 8);
  return v;
}

// The word table's hash before it took a secret key, for a key of exactly
// sixteen bytes (no loop; the two halves are the two loads).
std::uint32_t FormerHash16(const char* p) {
  std::uint64_t h = 0x9E3779B97F4A7C15ULL ^ 16;
  h = (h ^ Load64(p)) * 0xbf58476d1ce4e5b9ULL;
  h = (h ^ Load64(p + 8) ^ (h >> 31)) * 0x94d049bb133111ebULL;
  return static_cast<std::uint32_t>(h >> 32);
}

// Eight random letters from one random number.
void RandomLetters(std::mt19937_64& rng, char* out) {
  const std::uint64_t r = rng();
  for (int i = 0; i < 8; ++i) out[i] = static_cast<char>('a' + (((r >> (8 * i)) & 0xFF) * 26 >> 8));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3 || (std::strcmp(argv[1], "colliding") != 0 && std::strcmp(argv[1], "random") != 0)) {
    std::fprintf(stderr, "usage: %s colliding N BITS | random N\n", argv[0]);
    return 2;
  }
  const bool colliding = std::strcmp(argv[1], "colliding") == 0;
  const long count = std::atol(argv[2]);
  const int bits = colliding && argc > 3 ? std::atoi(argv[3]) : 0;
  std::mt19937_64 rng(colliding ? 16 : 61);
  std::unordered_set<std::string> seen;
  char word[17] = {};
  std::uint32_t target = 0;
  bool haveTarget = false;
  RandomLetters(rng, word);
  while (static_cast<long>(seen.size()) < count) {
    // The first half is shared by a thousand words and the second half
    // searched: a try costs a random number and two multiplications.
    RandomLetters(rng, word + 8);
    if (colliding) {
      const std::uint32_t top = FormerHash16(word) >> (32 - bits);
      if (!haveTarget) {
        target = top;
        haveTarget = true;
      }
      if (top != target) continue;
    }
    if (!seen.insert(word).second) continue;
    std::printf("%s\n", word);
    if (seen.size() % 1000 == 0) RandomLetters(rng, word);
  }
  return 0;
}
