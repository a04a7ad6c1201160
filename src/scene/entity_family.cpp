#include "scene/entity_family.h"

namespace cw::scene {

PointFamily PointFamilyOf(std::string_view classname,
                          const std::vector<std::string>& playerStarts) {
  for (const std::string& start : playerStarts) {
    if (!start.empty() && classname.starts_with(start)) return PointFamily::kPlayerStart;
  }
  if (classname.starts_with("light")) return PointFamily::kLight;
  if (classname == "info_teleport_destination" || classname == "misc_teleporter_dest") {
    return PointFamily::kTeleportDestination;
  }
  return PointFamily::kOther;
}

BrushFamily BrushFamilyOf(std::string_view classname) {
  if (classname.starts_with("func_door")) return BrushFamily::kDoor;
  if (classname.starts_with("func_button")) return BrushFamily::kButton;
  if (classname.starts_with("trigger_")) return BrushFamily::kTrigger;
  return BrushFamily::kOtherEntity;
}

}  // namespace cw::scene
