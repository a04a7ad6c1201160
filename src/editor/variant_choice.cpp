#include "editor/variant_choice.h"

#include <cassert>

namespace cw::editor {
namespace {

// The finaliser of SplitMix64: every bit of the input moves about half of the output's bits.
std::uint64_t Mix(std::uint64_t value) {
  value += 0x9E3779B97F4A7C15ULL;
  value = (value ^ (value >> 30)) * 0xBF58476D1CE4E5B9ULL;
  value = (value ^ (value >> 27)) * 0x94D049BB133111EBULL;
  return value ^ (value >> 31);
}

std::uint64_t Bits(std::int32_t number) {
  return static_cast<std::uint32_t>(number);
}

}  // namespace

std::uint64_t CellHash(std::uint32_t pattern, const document::Cell& cell) {
  std::uint64_t hash = Mix(pattern);
  hash = Mix(hash ^ Bits(cell.floor));
  hash = Mix(hash ^ Bits(cell.column));
  return Mix(hash ^ Bits(cell.row));
}

const Variant& ChooseVariant(const std::vector<Variant>& variants, std::uint64_t hash) {
  assert(!variants.empty());
  // Weights are at most a million each and a file holds far fewer than 2^44 of them: no overflow.
  std::uint64_t total = 0;
  for (const Variant& variant : variants) total += variant.weight;
  std::uint64_t pick = total == 0 ? 0 : hash % total;
  for (const Variant& variant : variants) {
    if (pick < variant.weight) return variant;
    pick -= variant.weight;
  }
  return variants.front();
}

}  // namespace cw::editor
