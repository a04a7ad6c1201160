#include "scene/floor_batches.h"

namespace cw::scene {
namespace {

struct Slot {
  std::size_t vertices = 0;
  std::size_t indices = 0;
  std::size_t batch = 0;
};

}  // namespace

FloorBatches MergeFloor(
    const std::map<std::pair<std::int32_t, std::int32_t>, CellGeometry>& cells) {
  // The batches and their sizes first, in texture and family order, so that each is allocated
  // once.
  std::map<std::pair<std::uint32_t, BrushFamily>, Slot> slots;
  for (const auto& [key, cell] : cells) {
    for (const FacePolygon& face : cell.faces) {
      Slot& slot = slots[{face.texture, face.family}];
      slot.vertices += face.vertexCount;
      slot.indices += 3 * (face.vertexCount - 2);
    }
  }
  FloorBatches floor;
  floor.batches.reserve(slots.size());
  for (auto& [batchKey, slot] : slots) {
    slot.batch = floor.batches.size();
    DrawBatch& batch = floor.batches.emplace_back();
    batch.texture = batchKey.first;
    batch.family = batchKey.second;
    batch.vertices.reserve(slot.vertices);
    batch.indices.reserve(slot.indices);
  }
  for (const auto& [key, cell] : cells) {
    for (const FacePolygon& face : cell.faces) {
      DrawBatch& batch = floor.batches[slots.find({face.texture, face.family})->second.batch];
      const auto base = static_cast<std::uint32_t>(batch.vertices.size());
      const auto first = cell.vertices.begin() + face.firstVertex;
      batch.vertices.insert(batch.vertices.end(), first, first + face.vertexCount);
      for (std::uint32_t i = 1; i + 1 < face.vertexCount; ++i) {
        batch.indices.insert(batch.indices.end(), {base, base + i, base + i + 1});
      }
    }
  }
  return floor;
}

}  // namespace cw::scene
