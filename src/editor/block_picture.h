#pragma once

#include <QImage>
#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <unordered_map>

namespace cw::editor {

// A picture file that cannot be opened or is not a bitmap. The message names the file as the
// program tried it, for example "Impossible d'ouvrir le fichier Empty.bmp.".
class PictureError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The picture file of a block name: the name followed by ".bmp".
std::string PictureFileName(const std::string& blockName);

// Loads block pictures from files (paths relative to the current directory). The file is read at
// every call, so a picture changed on disk shows at the next draw; only decoding is skipped when
// the file holds the same bytes as last time. Pictures with fewer than 8 bits per pixel come back
// as Format_Indexed8 (one byte per pixel); deeper ones keep their format.
class PictureLoader {
 public:
  // Throws PictureError.
  QImage Load(const std::string& fileName);

  // The picture last loaded from the file, turned by the orientation flags and made opaque as
  // DrawPicture draws it (OpaquePicture). Each turn is made once per decoded picture. The file
  // must have been loaded.
  const QImage& Turned(const std::string& fileName, std::int32_t flags);

 private:
  struct Decoded {
    std::string bytes;
    QImage picture;
    std::array<QImage, 8> turned;  // by flags; flags outside 0 to 7 turn nothing
  };
  std::unordered_map<std::string, Decoded> decoded_;
};

// Draws a picture opaque, unscaled, with its top-left corner at (x, y) on an RGB32 canvas; what
// lies outside the canvas is cut off. Positions may lie far outside the canvas.
void DrawPicture(QImage& canvas, const QImage& picture, std::int64_t x, std::int64_t y);

// The picture as DrawPicture puts it on the canvas: opaque RGB32, palette indices beyond the
// picture's table black. Drawing the result gives the same pixels as drawing the picture, with
// plain row copies.
QImage OpaquePicture(const QImage& picture);

}  // namespace cw::editor
