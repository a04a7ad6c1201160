// cryptwright-picture: draws a block template from above into the block's 32 x 32 picture.
//   cryptwright-picture TEMPLATE.map OUT.bmp [CUT]   the block's picture (CUT: section height, 110)
//   cryptwright-picture --empty OUT.bmp              the background tile "Empty.bmp"
//   cryptwright-picture --unknown OUT.bmp            the picture of a missing block
// The template is checked too; each problem is printed, and the exit status is 1 when there was
// any (the picture is written all the same), 2 when nothing could be written.
#include <charconv>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>

#include "geometry/block_picture.h"
#include "geometry/indexed_picture.h"
#include "geometry/map_text.h"
#include "geometry/polyhedron.h"
#include "geometry/template_check.h"

namespace {

using namespace cw::geometry;

int Usage() {
  std::cerr << "usage: cryptwright-picture TEMPLATE.map OUT.bmp [CUT]\n"
               "       cryptwright-picture --empty OUT.bmp\n"
               "       cryptwright-picture --unknown OUT.bmp\n";
  return 2;
}

bool WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) {
    std::cerr << path << ": cannot be written\n";
    return false;
  }
  return true;
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
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::cerr << argv[1] << ": cannot be read\n";
    return 2;
  }
  std::stringstream buffer;
  buffer << in.rdbuf();
  std::string text = buffer.str();
  ParsedMap map = ParseMapText(text);
  int problems = CountProblems(argv[1], text, map);
  if (!WriteFile(out, EncodeBmp8(RenderBlockPicture(map.entities, view)))) return 2;
  return problems == 0 ? 0 : 1;
}
