#include "support/hostile_inputs.h"

#include <random>
#include <string_view>

namespace cw::testing {
namespace {

using namespace std::string_literals;

constexpr std::size_t kTenMegabytes = 10'000'000;
constexpr const char* kForty = "1234567890123456789012345678901234567890";

std::string Lines(std::initializer_list<std::string_view> lines) {
  std::string text;
  for (std::string_view line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

// A template whose world brush and entity carry the given face and key lines.
std::string TemplateWith(std::string_view faceLine, std::string_view keyLine) {
  std::string text = Lines({"{", "\"classname\" \"worldspawn\"", "{"});
  text += std::string(faceLine) + "\r\n";
  text += Lines({"}", "}", "{", "\"classname\" \"light\""});
  text += std::string(keyLine) + "\r\n";
  text += Lines({"{"});
  text += std::string(faceLine) + "\r\n";
  text += Lines({"}", "}"});
  return text;
}

}  // namespace

std::string BinaryGarbage(std::size_t size, std::uint32_t seed) {
  std::mt19937 random(seed);
  std::string bytes(size, '\0');
  for (char& byte : bytes) byte = static_cast<char>(random() & 0xff);
  return bytes;
}

std::vector<HostileInput> HostileLevelFiles() {
  std::vector<HostileInput> inputs;
  inputs.push_back({"binary garbage", BinaryGarbage(64 * 1024, 7), 2});
  inputs.push_back({"NUL bytes", "0 0 0 0 A\0junk\r\n\0\0\0\r\n:0 0\0 0 0 1 1\r\n"s, 3});
  inputs.push_back(
      {"10 MB line", "0 0 0 0 " + std::string(kTenMegabytes, 'L') + "\r\n0 1 0 0 B\r\n", 2});
  std::string many;
  for (int i = 0; i < 100'000; ++i) {
    many += std::to_string(i % 16 - 8) + ' ' + std::to_string(i % 32) + ' ' +
            std::to_string(i / 32 % 32) + ' ' + std::to_string(i % 8) + " B\r\n";
    if (i % 10 == 0) many += ':' + std::to_string(i % 16 - 8) + " 0 0 0 1 1\r\n";
  }
  inputs.push_back({"100,000 records", many, 110000});
  inputs.push_back({"40-digit numbers",
                    Lines({std::string(kForty) + " 0 0 0 A", std::string("0 -") + kForty + " 0 0 A",
                           std::string(":0 0 0 0 0 ") + kForty}),
                    3});
  inputs.push_back(
      {"32-bit limits",
       Lines({"-2147483648 -2147483648 -2147483648 7 A", "2147483648 0 0 0 A",
              "2147483647 0 0 -2147483648 A", ":-2147483648 2147483647 0 2147483647 -2147483648 0",
              ":2147483648 0 0 0 0 0"}),
       5});
  inputs.push_back({"negative floors and cells",
                    Lines({"-8 -1 -1 0 A", "-9 -32 -99 5 A", "-0 -0 -0 -0 A", ":-8 -1 -1 7 -5 -5"}),
                    4});
  inputs.push_back(
      {"10,000-character block name", Lines({"0 0 0 0 " + std::string(10'000, 'N')}), 1});
  inputs.push_back(
      {"link records beginning with /", Lines({":/0 0 0 0 1 1", ":/", "://", "/0 0 0 0 A"}), 4});
  inputs.push_back({"only colons and blanks", Lines({":", "", " ", "::", "\t:"}), 5});
  inputs.push_back(
      {"CR and Ctrl-Z everywhere", std::string("\r\r0 0\r 0 0 A\r\r\n\r\n\x1a\n1 1 1 1 B"), 2});
  return inputs;
}

std::vector<HostileInput> HostileTemplates() {
  std::vector<HostileInput> inputs;
  inputs.push_back({"binary garbage", BinaryGarbage(64 * 1024, 11), 9});
  inputs.push_back({"NUL bytes",
                    "{\n\"classname\" \"worldspawn\"\n{\n( 0 0 0 ) ( 0\0 64 0 ) "
                    "( 64 64 0 ) W 1 1 0 1 1\n}\n}\n{\n\"origin\" \"1\0 2 3\"\n}\n"s,
                    9});
  inputs.push_back({"world entity never closes",
                    Lines({"{", "\"classname\" \"worldspawn\"", "{",
                           "( 0 0 0 ) ( 0 64 0 ) ( 64 64 0 ) WALL 16 16 0 1 1", "}", "{"}),
                    6});
  inputs.push_back({"only closing lines", Lines({"}", "}", "}", "}", "}", "}"}), 6});
  std::string nested = Lines({"{", "\"classname\" \"worldspawn\""});
  for (int i = 0; i < 10'000; ++i) nested += "{\r\n";
  inputs.push_back({"nested opening lines without end", nested, 10002});
  inputs.push_back(
      {"10 MB line",
       Lines({"{", "\"classname\" \"worldspawn\"", "{"}) + "( 0 0 0 ) ( 0 64 0 ) ( 64 64 0 ) " +
           std::string(kTenMegabytes, 'T') + " 1 1 0 1 1\r\n" +
           Lines(
               {"}", "}", "{", "\"targetname\" \"" + std::string(kTenMegabytes, 'n') + "\"", "}"}),
       9});
  for (const char* scale : {"0", "nan", "inf", "-inf", "1e40", "-0", "1e-45", "0x1p-149", "-nan"}) {
    const std::string face =
        std::string("( 0 0 0 ) ( 0 64 0 ) ( 64 64 0 ) WALL 16 16 0 ") + scale + ' ' + scale;
    inputs.push_back({std::string("scale ") + scale, TemplateWith(face, "\"angle\" \"90\""), 13});
  }
  const std::string forty(kForty);
  inputs.push_back(
      {"40-digit numbers",
       TemplateWith("( " + forty + " 0 0 ) ( 0 64 0 ) ( 64 64 0 ) W " + forty + " 1 0 1 1",
                    "\"origin\" \"" + forty + " 0 0\""),
       13});
  inputs.push_back(
      {"32-bit limits",
       TemplateWith("( -2147483648 2147483647 -2147483648 ) ( 2147483647 -2147483648 2147483647 ) "
                    "( 0 2147483647 -2147483648 ) W 2147483647 -2147483648 2147483647 1e-30 -1e-30",
                    "\"origin\" \"-2147483648 2147483647 -2147483648\"") +
           Lines({"{", "\"angle\" \"2147483647\"", "\"distance\" \"-2147483648\"",
                  "\"angle\" \"2147483648\"", "}"}),
       18});
  // Key and face lines cut at every position, each cut line in an entity of its own.
  const std::string keys[] = {"\"origin\" \"-16 32 24\"", "\"angle\" \"270\"",
                              "\"distance\" \"-90\"",     "\"target\" \"k0\"",
                              "\"target\" \"i0\"",        "\"target\" \"t0\"",
                              "\"targetname\" \"door\""};
  std::string cutKeys = Lines({"{", "\"classname\" \"worldspawn\"", "}"});
  for (const std::string& key : keys) {
    for (std::size_t length = 0; length <= key.size(); ++length) {
      cutKeys += Lines({"{", key.substr(0, length), "}"});
    }
  }
  inputs.push_back({"key lines cut at every position", cutKeys, 345});
  const std::string face = "( 0 0 0 ) ( 0 64 0 ) ( 64 64 0 ) WALL 16 16 0 0.5 -0.25";
  std::string cutFaces = Lines({"{", "\"classname\" \"worldspawn\"", "{"});
  for (std::size_t length = 0; length <= face.size(); ++length)
    cutFaces += face.substr(0, length) + "\r\n";
  cutFaces += Lines({"}", "}"});
  inputs.push_back({"face lines cut at every position", cutFaces, 61});
  return inputs;
}

std::vector<HostileInput> HostileSettingsFiles() {
  std::vector<HostileInput> inputs;
  inputs.push_back({"binary garbage", BinaryGarbage(16 * 1024, 3)});
  inputs.push_back({"NUL bytes",
                    "[Block]\nBx=1\0"
                    "2\nBy\0=5\n[Ar\0ea]\nAx=7\n"s});
  inputs.push_back(
      {"40-digit numbers", Lines({"[Block]", std::string("Bx=") + kForty,
                                  std::string("By=-") + kForty, std::string("Bz=0x") + kForty})});
  inputs.push_back(
      {"32-bit limits", Lines({"[Block]", "Bx=-2147483648", "By=2147483648", "Bz=0xFFFFFFFF",
                               "Ox=$80000000", "Oy=-2147483649", "[Area]", "Ax=2147483647"})});
  inputs.push_back({"cut sections and keys",
                    Lines({"[Block", "Bx=1", "[", "]", "=", "Bx", "By=", "=5", "[Area]]"})});
  inputs.push_back(
      {"10 MB line", "[Block]\r\nBx=" + std::string(kTenMegabytes, '9') + "\r\nBy=5\r\n"});
  return inputs;
}

}  // namespace cw::testing
