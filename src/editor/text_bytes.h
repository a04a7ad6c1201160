#pragma once

#include <QString>
#include <string>

namespace cw::editor {

// Texts of names and paths: the bytes of the file system's names, in the program's strings.
std::string ToBytes(const QString& text);
QString FromBytes(const std::string& bytes);

}  // namespace cw::editor
