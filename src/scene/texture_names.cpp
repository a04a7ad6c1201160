#include "scene/texture_names.h"

namespace cw::scene {

std::uint32_t TextureNames::Number(std::string_view name) {
  const auto [found, added] =
      numbers_.try_emplace(std::string(name), static_cast<std::uint32_t>(names_.size()));
  if (added) names_.emplace_back(name);
  return found->second;
}

}  // namespace cw::scene
