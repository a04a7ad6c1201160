#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace cw::scene {

// What a point entity is drawn as: a small box in the colour of its family.
enum class PointFamily : std::uint8_t { kPlayerStart, kLight, kTeleportDestination, kOther };

// Whose brush a face belongs to: the world's are drawn as they are, those of doors, buttons and
// triggers tinted so that they stand out.
enum class BrushFamily : std::uint8_t { kWorld, kDoor, kButton, kTrigger, kOtherEntity };

// A player start when the classname begins with one of playerStarts (the settings' PlayerStarts,
// as Check counts them); a light for "light" and the classnames that begin with it; a teleport
// destination for Quake's "info_teleport_destination" and Quake 2's "misc_teleporter_dest".
PointFamily PointFamilyOf(std::string_view classname, const std::vector<std::string>& playerStarts);

// A door for "func_door" and the classnames that begin with it, a button for "func_button...",
// a trigger for "trigger_..."; any other brush entity is kOtherEntity.
BrushFamily BrushFamilyOf(std::string_view classname);

}  // namespace cw::scene
