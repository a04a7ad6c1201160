#pragma once

#include <string_view>

namespace cw::editor {

// Whether the pixel data that a Windows BMP's headers announce can be in the file at all. A
// damaged or hostile header may claim a picture of many megapixels in a file of a few bytes; the
// picture must be refused before anything of that size is allocated for it. Uncompressed data
// must be there in full; run-length data must at least be long enough for the announced pixels
// at the best rate that run-length coding reaches. Files that are not BMPs, or whose headers are
// too short to tell, are left to the decoder, which refuses them without allocating.
bool BitmapFitsItsFile(std::string_view bytes);

}  // namespace cw::editor
