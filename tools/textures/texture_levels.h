#pragma once

#include <string>

#include "formats/m8_file.h"
#include "formats/mip_texture.h"
#include "textures/rgb_image.h"
#include "textures/texture_colours.h"

namespace cw::textures {

using formats::M8Texture;
using formats::MipTexture;

// The texture of a full-colour picture: each mip level is the one before at half size, its
// pixels means of the full-colour pixels, then matched to the palette by the quantiser. The size
// must be a mip texture size.
MipTexture MakeMipTexture(std::string name, const RgbImage& image, const Quantiser& quantiser);

// The texture of a full-colour picture: each level is the one before at half size, its pixels
// means of the full-colour pixels, then matched to the palette by the quantiser. The size must
// be an .m8 texture size.
M8Texture MakeM8Texture(std::string name, const RgbImage& image, const Quantiser& quantiser);

}  // namespace cw::textures
