#include "scene/floor_batches.h"

namespace cw::scene {
namespace {

constexpr std::size_t kFamilies = static_cast<std::size_t>(BrushFamily::kOtherEntity) + 1;

std::size_t SlotOf(const FacePolygon& face) {
  return face.texture * kFamilies + static_cast<std::size_t>(face.family);
}

}  // namespace

FloorBatches MergeFloor(
    const std::map<std::pair<std::int32_t, std::int32_t>, CellGeometry>& cells) {
  // Texture numbers are small and dense: a batch per texture and family is found by index. The
  // sizes first, so that each batch is allocated once.
  struct Slot {
    std::size_t vertices = 0;
    std::size_t indices = 0;
    std::size_t batch = 0;
  };
  std::vector<Slot> slots;
  for (const auto& [key, cell] : cells) {
    for (const FacePolygon& face : cell.faces) {
      if (SlotOf(face) >= slots.size()) slots.resize(SlotOf(face) + 1);
      Slot& slot = slots[SlotOf(face)];
      slot.vertices += face.vertexCount;
      slot.indices += 3 * (face.vertexCount - 2);
    }
  }
  FloorBatches floor;
  for (std::size_t i = 0; i < slots.size(); ++i) {
    if (slots[i].vertices == 0) continue;
    slots[i].batch = floor.batches.size();
    DrawBatch& batch = floor.batches.emplace_back();
    batch.texture = static_cast<std::uint32_t>(i / kFamilies);
    batch.family = static_cast<BrushFamily>(i % kFamilies);
    batch.vertices.reserve(slots[i].vertices);
    batch.indices.resize(slots[i].indices);
    slots[i].indices = 0;  // from here: the indices written so far
  }
  for (const auto& [key, cell] : cells) {
    for (const FacePolygon& face : cell.faces) {
      Slot& slot = slots[SlotOf(face)];
      DrawBatch& batch = floor.batches[slot.batch];
      const auto base = static_cast<std::uint32_t>(batch.vertices.size());
      const auto first = cell.vertices.begin() + face.firstVertex;
      batch.vertices.insert(batch.vertices.end(), first, first + face.vertexCount);
      std::uint32_t* index = batch.indices.data() + slot.indices;
      for (std::uint32_t i = 1; i + 1 < face.vertexCount; ++i) {
        *index++ = base;
        *index++ = base + i;
        *index++ = base + i + 1;
      }
      slot.indices = static_cast<std::size_t>(index - batch.indices.data());
    }
  }
  return floor;
}

}  // namespace cw::scene
