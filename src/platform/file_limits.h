#pragma once

#include <cstdint>

namespace cw::platform {

// The largest file each reader takes. No real file comes near them (a level of every cell of
// every floor is a few megabytes, a template or a settings file a few kilobytes, a block picture
// about one); they are there so that a huge or endless input is refused with a message instead of
// filling the memory.
inline constexpr std::uint64_t kMebibyte = std::uint64_t{1} << 20;
inline constexpr std::uint64_t kLevelFileLimit = 1024 * kMebibyte;
inline constexpr std::uint64_t kTemplateFileLimit = 64 * kMebibyte;
inline constexpr std::uint64_t kSettingsFileLimit = 64 * kMebibyte;
inline constexpr std::uint64_t kPictureFileLimit = 64 * kMebibyte;
// Any other file the program reads (a palette, a recovery file, a point file).
inline constexpr std::uint64_t kAnyFileLimit = kLevelFileLimit;

}  // namespace cw::platform
