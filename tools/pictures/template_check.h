#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace cw::pictures {

// Checks a block template against the rules the map compiler reads it by, and reports each
// breach as "line N: what": the world entity opens it ("{" then "\"classname\" \"worldspawn\"")
// and closes before the other entities; each line is an opening, closing, face or key line by its
// first character, or a comment or blank line (an indented line would be copied unchanged, its
// points never placed); a key line has exactly one blank between key and value; a face line
// parses, with a texture name of at most 15 characters and no "/", and after its scales either
// nothing or the three whole numbers of a Quake 2 face; "origin", "angle" and
// "distance" hold whole numbers. Lines and sections are taken exactly as the compiler takes them.
std::vector<std::string> CheckTemplateText(std::string_view text);

}  // namespace cw::pictures
