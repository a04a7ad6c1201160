#include "compiler/key_rewrite.h"

#include "compiler/number_text.h"
#include "compiler/placement.h"
#include "formats/scanner.h"
#include "platform/number_format.h"

namespace cw::compiler {
namespace {

struct RecognisedKey {
  std::string_view token;
  KeyKind kind;
};

constexpr RecognisedKey kRecognisedKeys[] = {
    {"\"origin\"", KeyKind::kOrigin},         {"\"angle\"", KeyKind::kAngle},
    {"\"distance\"", KeyKind::kDistance},     {"\"target\"", KeyKind::kTarget},
    {"\"targetname\"", KeyKind::kTargetname},
};

std::int64_t NumberOfCell(const document::Cell& cell) {
  return CellNumber(cell.floor, cell.column, cell.row);
}

}  // namespace

std::optional<KeyLine> ParseKeyLine(std::string_view line) {
  std::size_t tokenEnd = 0;
  while (tokenEnd < line.size() && !formats::IsCSpace(line[tokenEnd])) ++tokenEnd;
  const std::string_view token = line.substr(0, tokenEnd);
  const RecognisedKey* recognised = nullptr;
  for (const RecognisedKey& key : kRecognisedKeys) {
    if (key.token == token) recognised = &key;
  }
  if (recognised == nullptr) return std::nullopt;

  // The token holds the key and its two quotes; the value follows a blank and a quote.
  const std::size_t valuePosition = token.size() + 2;
  if (valuePosition > line.size()) return std::nullopt;
  const std::string_view rest = line.substr(valuePosition);

  KeyLine key;
  key.kind = recognised->kind;
  key.token = token;
  formats::Scanner scanner(rest);
  switch (key.kind) {
    case KeyKind::kOrigin:
      if (!scanner.Int(key.numbers[0]) || !scanner.Int(key.numbers[1]) ||
          !scanner.Int(key.numbers[2])) {
        return std::nullopt;
      }
      break;
    case KeyKind::kAngle:
    case KeyKind::kDistance:
      if (!scanner.Int(key.numbers[0])) return std::nullopt;
      break;
    case KeyKind::kTarget:
    case KeyKind::kTargetname:
      key.value = rest.substr(0, rest.find('"'));
      break;
  }
  return key;
}

TargetKind KindOfTarget(std::string_view value) {
  if (value.empty()) return TargetKind::kLocal;
  if (value.front() == 'k') return TargetKind::kLink;
  if (value.front() == 'i') return TargetKind::kUnchanged;
  return TargetKind::kLocal;
}

std::string RewriteKeyLine(const KeyLine& key, const PlacementSettings& settings,
                           const document::BlockRecord& record, const LinkTaker& takeLink) {
  std::string out = key.token;
  out += " \"";
  switch (key.kind) {
    case KeyKind::kOrigin: {
      const Point3 placed =
          PlacePoint(settings, record, key.numbers[0], key.numbers[1], key.numbers[2]);
      platform::AppendDecimal(out, placed.x);
      out += ' ';
      platform::AppendDecimal(out, placed.y);
      out += ' ';
      platform::AppendDecimal(out, placed.z);
      break;
    }
    case KeyKind::kAngle:
      platform::AppendDecimal(out, OrientAngle(record.flags, key.numbers[0]));
      break;
    case KeyKind::kDistance: {
      const std::int64_t distance = key.numbers[0];
      platform::AppendDecimal(out,
                              distance < 0 && IsMirroring(record.flags) ? -distance : distance);
      break;
    }
    case KeyKind::kTargetname:
      out += key.value;
      platform::AppendDecimal(out, NumberOfCell(record.cell()));
      break;
    case KeyKind::kTarget:
      switch (KindOfTarget(key.value)) {
        case TargetKind::kLocal:
          out += key.value;
          platform::AppendDecimal(out, NumberOfCell(record.cell()));
          break;
        case TargetKind::kUnchanged:
          out += key.value;
          break;
        case TargetKind::kLink:
          if (const std::optional<document::Cell> end = takeLink(record.cell())) {
            out += "t0";
            platform::AppendDecimal(out, NumberOfCell(*end));
          } else {
            out += key.value;
          }
          break;
      }
      break;
  }
  out += '"';
  return out;
}

}  // namespace cw::compiler
