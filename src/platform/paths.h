#pragma once

#include <string_view>

namespace cw::platform {

// The characters that separate the folders of a path on this platform. A "\" is an ordinary
// character of a POSIX file name; Windows takes both.
#ifdef _WIN32
inline constexpr std::string_view kPathSeparators = "/\\";
#else
inline constexpr std::string_view kPathSeparators = "/";
#endif

}  // namespace cw::platform
