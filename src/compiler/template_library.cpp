#include "compiler/template_library.h"

#include <cerrno>

#include "platform/file_reader.h"
#include "platform/io_result.h"

namespace cw::compiler {

namespace {

// A block name is the name of a file in the working folder. One that names a folder or a path
// ("../x", "a/b", "..") would read a template from elsewhere, so it has none.
bool NamesAPath(std::string_view blockName) {
  if (blockName == "." || blockName == "..") return true;
#ifdef _WIN32
  // "C:x" is a path on the drive C, relative to that drive's folder.
  if (blockName.find(':') != std::string_view::npos) return true;
#endif
  return blockName.find_first_of("/\\") != std::string_view::npos;
}

}  // namespace

std::optional<std::string> TemplateFileName(const std::string& blockName) {
  // A name with a NUL byte would open a different, shorter file name.
  if (blockName.find('\0') != std::string::npos || NamesAPath(blockName)) return std::nullopt;
  return blockName + kTemplateExtension;
}

platform::IoValue<std::string> FileTemplateSource::Read(const std::string& blockName) {
  const std::string path = blockName + kTemplateExtension;
  if (!TemplateFileName(blockName) && path.find('\0') == std::string::npos) {
    return {platform::IoResult::Failure(
                platform::PathMessage(path, "a block name cannot name a folder or a path")),
            {}};
  }
  // A name with a NUL byte names no file.
  return platform::ReadWholeFile(path, platform::kTemplateFileLimit);
}

platform::IoValue<std::string> MemoryTemplateSource::Read(const std::string& blockName) {
  const auto found = texts_.find(blockName);
  if (found == texts_.end()) {
    return {platform::IoResult::Failure(
                platform::ErrnoMessage(blockName + kTemplateExtension, ENOENT),
                platform::IoStatus::kNotFound),
            {}};
  }
  return {platform::IoResult::Success(), found->second};
}

const TemplateLibrary::Entry& TemplateLibrary::Get(const std::string& blockName) {
  std::unique_ptr<Entry>& entry = entries_[blockName];
  if (!entry) {
    entry = std::make_unique<Entry>();
    const platform::IoValue<std::string> text = source_.Read(blockName);
    entry->found = text.ok();
    entry->problem = text.error;
    if (text) entry->blockTemplate = PrepareBlockTemplate(ReadTemplateSections(text.value));
  }
  return *entry;
}

}  // namespace cw::compiler
