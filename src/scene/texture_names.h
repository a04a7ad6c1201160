#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace cw::scene {

// The texture names of a scene, each with a number that stays the same for the scene's life, so
// that the renderer can keep its textures by number.
class TextureNames {
 public:
  // The number of the name, given to it the first time it is asked for.
  std::uint32_t Number(std::string_view name);
  const std::string& Name(std::uint32_t number) const { return names_[number]; }
  std::size_t size() const { return names_.size(); }

 private:
  std::vector<std::string> names_;
  std::unordered_map<std::string, std::uint32_t> numbers_;
};

}  // namespace cw::scene
