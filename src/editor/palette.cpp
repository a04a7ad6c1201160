#include "editor/palette.h"

#include <QFile>
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
    scan.items.append(blockName == kEmptyBlockName ? QString() : FromBytes(blockName));
  }
  return scan;
}

void SortPaletteItems(QStringList& items) {
  std::vector<qsizetype> order(static_cast<std::size_t>(items.size()));
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
    const int folded = QString::compare(items[a], items[b], Qt::CaseInsensitive);
    if (folded != 0) return folded < 0;
    return QString::compare(items[a], items[b], Qt::CaseSensitive) < 0;
  });
  QStringList sorted;
  sorted.reserve(items.size());
  for (qsizetype index : order) sorted.append(items[index]);
  items = std::move(sorted);
}

std::string ItemPictureFileName(const QString& itemText) {
  return PictureFileName(itemText.isEmpty() ? std::string(kEmptyBlockName) : ToBytes(itemText));
}

std::string ToBytes(const QString& text) {
  return QFile::encodeName(text).toStdString();
}

QString FromBytes(const std::string& bytes) {
  return QFile::decodeName(QByteArray::fromStdString(bytes));
}

}  // namespace cw::editor
