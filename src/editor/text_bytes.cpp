#include "editor/text_bytes.h"

#include <QFile>

namespace cw::editor {

std::string ToBytes(const QString& text) {
  return QFile::encodeName(text).toStdString();
}

QString FromBytes(const std::string& bytes) {
  return QFile::decodeName(QByteArray::fromStdString(bytes));
}

}  // namespace cw::editor
