#pragma once

#include <QImage>
#include <cstdint>

namespace cw::editor {

// Turns a picture in place by orientation flags (1 X flip, 2 Y flip, 4 rotate): first a quarter
// turn counter-clockwise, then the mirror left to right, then the mirror top to bottom. Pixels
// are moved whole, never recomputed, with swaps and four-pixel cycles in the picture itself.
// A picture that isn't square ignores the rotate bit; flags outside 0 to 7 change nothing.
void OrientPicture(QImage& picture, std::int32_t flags);

}  // namespace cw::editor
