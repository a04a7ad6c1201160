#include "compiler/template_library.h"

#include <cerrno>

#include "platform/io_result.h"
#include "platform/text_lines.h"

namespace cw::compiler {

TemplateText FileTemplateSource::Read(const std::string& blockName) {
  const std::string path = blockName + kTemplateExtension;
  // A name with a NUL byte would open a different, shorter file name.
  if (path.find('\0') != std::string::npos) {
    std::string shown = path;
    for (char& c : shown) {
      if (c == '\0') c = '?';
    }
    return {false, {}, platform::ErrnoMessage(shown, ENOENT)};
  }
  platform::ReadResult read = platform::ReadWholeFile(path);
  if (read.status != platform::ReadStatus::kOk) return {false, {}, read.error};
  return {true, std::move(read.bytes), {}};
}

TemplateText MemoryTemplateSource::Read(const std::string& blockName) {
  const auto found = texts_.find(blockName);
  if (found == texts_.end()) {
    return {false, {}, platform::ErrnoMessage(blockName + kTemplateExtension, ENOENT)};
  }
  return {true, found->second, {}};
}

const TemplateLibrary::Entry& TemplateLibrary::Get(const std::string& blockName) {
  std::unique_ptr<Entry>& entry = entries_[blockName];
  if (!entry) {
    entry = std::make_unique<Entry>();
    TemplateText text = source_.Read(blockName);
    entry->found = text.found;
    entry->problem = std::move(text.problem);
    if (text.found) {
      entry->blockTemplate = PrepareBlockTemplate(ReadTemplateSections(text.bytes));
    }
  }
  return *entry;
}

}  // namespace cw::compiler
