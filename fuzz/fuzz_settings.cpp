// The settings reader under arbitrary bytes. Beyond "no crash, no undefined behaviour":
// - reading is deterministic;
// - a "[Block]" section with Bx put before the text is read (the first key in a file counts);
// - a section of another name added after the text changes nothing.
#include <cstdint>
#include <string>

#include "settings/settings.h"
#include "support/fuzz_support.h"

namespace {

bool SameSettings(const cw::settings::Settings& a, const cw::settings::Settings& b) {
  return a.block.Bx == b.block.Bx && a.block.By == b.block.By && a.block.Bz == b.block.Bz &&
         a.block.Ox == b.block.Ox && a.block.Oy == b.block.Oy && a.Ax == b.Ax && a.Ay == b.Ay &&
         a.block.map.keepFaceFlags == b.block.map.keepFaceFlags &&
         a.block.map.worldKeys == b.block.map.worldKeys;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using cw::fuzz::Require;
  const std::string text(cw::fuzz::InputText(data, size));
  const cw::settings::Settings settings = cw::settings::ParseSettings(text);
  Require(SameSettings(settings, cw::settings::ParseSettings(text)), "reading is deterministic");

  const cw::settings::Settings prefixed =
      cw::settings::ParseSettings("[Block]\r\nBx=77\r\n" + text);
  Require(prefixed.block.Bx == 77, "the first Bx of the first Block section counts");

  // A text with a byte 26 ends there, so the added section would not be seen at all; either way
  // nothing may change. A last line without a line end is closed first.
  const cw::settings::Settings suffixed =
      cw::settings::ParseSettings(text + "\r\n[Other]\r\nBx=5\r\nAy=6\r\n[]\r\nBy=7\r\n");
  Require(SameSettings(settings, suffixed), "another section after the text changes nothing");
  return 0;
}
