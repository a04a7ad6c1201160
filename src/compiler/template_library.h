#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>

#include "compiler/block_template.h"
#include "platform/io_result.h"

namespace cw::compiler {

// Where block templates come from, by block name: the text of a block's template, or why there
// is none ("file: reason").
class TemplateSource {
 public:
  virtual ~TemplateSource() = default;
  virtual platform::IoValue<std::string> Read(const std::string& blockName) = 0;
};

// The file of a block's template in the working folder, the block name followed by ".map";
// nothing for a name that would name a file elsewhere or holds a NUL byte (such a block has no
// template).
std::optional<std::string> TemplateFileName(const std::string& blockName);

// Templates as files named by the block name followed by ".map", opened by that relative name,
// so from the current directory.
class FileTemplateSource final : public TemplateSource {
 public:
  platform::IoValue<std::string> Read(const std::string& blockName) override;
};

// Templates held in memory, by block name.
class MemoryTemplateSource final : public TemplateSource {
 public:
  void Add(const std::string& blockName, std::string bytes) {
    texts_[blockName] = std::move(bytes);
  }
  platform::IoValue<std::string> Read(const std::string& blockName) override;

 private:
  std::map<std::string, std::string> texts_;
};

// Each template is read and prepared once per build and reused by every block that names it;
// a missing template gives two empty sections.
class TemplateLibrary {
 public:
  explicit TemplateLibrary(TemplateSource& source) : source_(source) {}

  struct Entry {
    BlockTemplate blockTemplate;
    bool found = false;
    std::string problem;
  };
  const Entry& Get(const std::string& blockName);

 private:
  TemplateSource& source_;
  std::map<std::string, std::unique_ptr<Entry>> entries_;
};

}  // namespace cw::compiler
