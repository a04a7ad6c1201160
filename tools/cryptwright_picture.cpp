// cryptwright-picture: draws a block template from above into the block's 32 x 32 picture.
//   cryptwright-picture TEMPLATE.map OUT.bmp [CUT]   the block's picture (CUT: section height, 110)
//   cryptwright-picture --empty OUT.bmp              the background tile "Empty.bmp"
//   cryptwright-picture --unknown OUT.bmp            the picture of a missing block
// The template is checked too; each problem is printed, and the exit status is 1 when there was
// any (the picture is written all the same), 2 when nothing could be written.
#include <charconv>
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>

#include "formats/bmp_file.h"
#include "formats/map_text.h"
#include "pictures/block_picture.h"
#include "pictures/template_check.h"
#include "platform/file_reader.h"
#include "platform/replacing_file_writer.h"
#include "scene/polyhedron.h"

namespace {

using namespace cw::pictures;
using cw::formats::EncodeBmp8;
using cw::formats::MapBrush;
using cw::formats::ParsedMap;
using cw::formats::ParseMapText;
using cw::scene::CheckBrush;

int Usage() {
  std::cerr << "usage: cryptwright-picture TEMPLATE.map OUT.bmp [CUT]\n"
               "       cryptwright-picture --empty OUT.bmp\n"
               "       cryptwright-picture --unknown OUT.bmp\n";
  return 2;
}

bool WriteFile(const std::string& path, const std::string& bytes) {
  cw::platform::ReplacingFileWriter writer(path);
  cw::platform::IoResult result = writer.Open();
  if (result) {
    writer.Write(bytes);
    result = writer.Commit();
  }
  if (!result) std::cerr << result.error << "\n";
  return result.ok();
}

int CountProblems(const std::string& path, const std::string& text, const ParsedMap& map) {
  int count = 0;
  for (const std::string& problem : CheckTemplateText(text)) {
    std::cerr << path << ": " << problem << "\n";
    ++count;
  }
  for (const std::string& error : map.errors) {
    std::cerr << path << ": " << error << "\n";
    ++count;
  }
  for (const MapEntity& entity : map.entities) {
    for (const MapBrush& brush : entity.brushes) {
      for (const std::string& problem : CheckBrush(brush).problems) {
        std::cerr << path << ": brush at line " << brush.line << ": " << problem << "\n";
        ++count;
      }
    }
  }
  return count;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3 || argc > 4) return Usage();
  std::string_view first = argv[1];
  std::string out = argv[2];
  if (first == "--empty" || first == "--unknown") {
    if (argc != 3) return Usage();
    IndexedPicture picture = first == "--empty" ? EmptyPicture() : UnknownPicture();
    return WriteFile(out, EncodeBmp8(picture)) ? 0 : 2;
  }

  PictureView view;
  if (argc == 4) {
    std::string_view cut = argv[3];
    auto [end, ec] = std::from_chars(cut.data(), cut.data() + cut.size(), view.cutHeight);
    if (ec != std::errc() || end != cut.data() + cut.size() || view.cutHeight <= 0) {
      std::cerr << "CUT must be a positive number, not \"" << cut << "\"\n";
      return 2;
    }
  }
  const cw::platform::IoValue<std::string> read =
      cw::platform::ReadWholeFile(argv[1], cw::platform::kTemplateFileLimit);
  if (!read) {
    std::cerr << "cannot be read: " << read.error << "\n";
    return 2;
  }
  const std::string& text = read.value;
  ParsedMap map = ParseMapText(text);
  int problems = CountProblems(argv[1], text, map);
  if (!WriteFile(out, EncodeBmp8(RenderBlockPicture(map.entities, view)))) return 2;
  return problems == 0 ? 0 : 1;
}
