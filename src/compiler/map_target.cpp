#include "compiler/map_target.h"

#include <set>

#include "compiler/template_library.h"
#include "compiler/template_reader.h"
#include "document/records.h"
#include "platform/file_place.h"
#include "platform/native_files.h"
#include "platform/shown_text.h"
#include "settings/settings.h"

namespace cw::compiler {
namespace {

// Whether a file name ends in the extension, as the working folder's files are matched: pictures
// in any letter case (as the palette lists them); templates exactly on POSIX, whose files are
// opened by the exact name, and in any case on Windows.
bool HasExtension(const std::string& name, std::string_view extension, bool anyCase) {
  if (name.size() <= extension.size()) return false;
  const std::string_view tail = std::string_view(name).substr(name.size() - extension.size());
  for (std::size_t i = 0; i < tail.size(); ++i) {
    const char c = tail[i];
    const char lower = (anyCase && c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    if (lower != extension[i]) return false;
  }
  return true;
}

constexpr std::string_view kTemplate = kTemplateExtension;
#ifdef _WIN32
constexpr bool kTemplateNamesAnyCase = true;
#else
constexpr bool kTemplateNamesAnyCase = false;
#endif

// Whether the map, a file NAME.map of the working folder, is the template of a block: one with a
// picture NAME.bmp there, or one that the level places.
bool IsBlockTemplate(const platform::FilePlace& map, const document::Level& level) {
  const std::string stem = map.name().substr(0, map.name().size() - kTemplate.size());
  if (platform::native::Inspect(stem + ".bmp").exists) return true;
  std::set<std::string> names;
  for (const std::string& record : level.BlockList) {
    if (auto block = document::ParseBlockRecord(record)) names.insert(std::move(block->name));
  }
  for (const std::string& name : names) {
    const std::optional<std::string> file = TemplateFileName(name);
    if (file && platform::FilePlace(*file) == map) return true;
  }
  return false;
}

}  // namespace

platform::IoResult CheckMapTarget(const std::string& mapPath, const std::string& levelPath,
                                  const document::Level& level) {
  const auto refuse = [&](const std::string& what) {
    return platform::IoResult::Failure(
        platform::PathMessage(mapPath, "the map must not replace " + what));
  };
  const platform::FilePlace map(mapPath);
  if (!levelPath.empty() && map == platform::FilePlace(levelPath)) {
    return refuse("the level file it is built from");
  }
  if (map == platform::FilePlace(settings::kSettingsFileName)) {
    return refuse("the settings file " + platform::QuotedText(settings::kSettingsFileName));
  }
  // The rest are files of the working folder: the map must be one under its own name there.
  if (!(map == platform::FilePlace(map.name()))) return platform::IoResult::Success();
  if (HasExtension(map.name(), ".bmp", true)) {
    return refuse("the block picture " + platform::QuotedText(map.name()));
  }
  if (HasExtension(map.name(), kTemplate, kTemplateNamesAnyCase) && IsBlockTemplate(map, level)) {
    return refuse("the block template " + platform::QuotedText(map.name()));
  }
  return platform::IoResult::Success();
}

}  // namespace cw::compiler
