#include "editor/palette.h"

#include <QStringDecoder>
#include <algorithm>
#include <filesystem>
#include <numeric>
#include <system_error>
#include <vector>

#include "editor/block_picture.h"

namespace cw::editor {

namespace {

bool EndsWithBmp(const std::string& name) {
  if (name.size() < 4) return false;
  const std::string tail = name.substr(name.size() - 4);
  return tail.size() == 4 && tail[0] == '.' && (tail[1] | 0x20) == 'b' && (tail[2] | 0x20) == 'm' &&
         (tail[3] | 0x20) == 'p';
}

bool IsControlCharacter(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte < 0x20 || byte == 0x7F;
}

bool HoldsControlCharacter(const std::string& name) {
  return std::any_of(name.begin(), name.end(), IsControlCharacter);
}

std::string ShownWithoutControlCharacters(std::string name) {
  std::replace_if(name.begin(), name.end(), IsControlCharacter, '?');
  return name;
}

}  // namespace

PaletteScan ScanPaletteItems(const std::string& folder) {
  namespace fs = std::filesystem;
  PaletteScan scan;
  std::error_code error;
  fs::directory_iterator entries(folder, error);
  if (error) return scan;
  for (const fs::directory_entry& entry : entries) {
    const std::string name = entry.path().filename().string();
    // Names starting with a dot are the hidden files of this platform.
    if (name.empty() || name[0] == '.' || !EndsWithBmp(name)) continue;
    std::error_code typeError;
    if (!entry.is_regular_file(typeError)) continue;
    if (HoldsControlCharacter(name)) {
      scan.refused.push_back(ShownWithoutControlCharacters(name));
      continue;
    }
    const std::string blockName = name.substr(0, name.size() - 4);
    scan.items.push_back(blockName == kEmptyBlockName ? std::string() : blockName);
  }
  return scan;
}

void SortPaletteItems(std::vector<std::string>& items) {
  std::vector<QString> shown;
  shown.reserve(items.size());
  for (const std::string& item : items) shown.push_back(DisplayName(item));
  std::vector<std::size_t> order(items.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    const int folded = QString::compare(shown[a], shown[b], Qt::CaseInsensitive);
    if (folded != 0) return folded < 0;
    return QString::compare(shown[a], shown[b], Qt::CaseSensitive) < 0;
  });
  std::vector<std::string> sorted;
  sorted.reserve(items.size());
  for (std::size_t index : order) sorted.push_back(std::move(items[index]));
  items = std::move(sorted);
}

std::string ItemPictureFileName(const std::string& item) {
  return PictureFileName(item.empty() ? std::string(kEmptyBlockName) : item);
}

QString DisplayName(const std::string& bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = utf8(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
  if (!utf8.hasError()) return text;
  return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

}  // namespace cw::editor
