// The level in 3D: the geometry of the kit's demo level, of a full floor of 1,024 of the kit's
// blocks and of the 16-floor stress level (16,384 blocks), each with every floor's batches, and
// Build of the stress level beside it; one edit on a full floor (a cell placed and updated, its
// floor's batches made again); a ray cast across the full floor.
//
//   bench_scene     run the benchmarks (the kit's from the kit folder, the stress level's from a
//                   temporary folder)

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <filesystem>
#include <string>

#include "compiler/build.h"
#include "compiler/template_library.h"
#include "document/level_edit.h"
#include "document/level_file.h"
#include "kit_full_floor.h"
#include "scene/level_scene.h"
#include "scene/ray_hit.h"
#include "settings/settings.h"
#include "stress_level.h"

namespace {

namespace fs = std::filesystem;

// The whole scene anew, with every floor's batches, as the view makes it for Load or New.
void BuildScene(cw::scene::LevelScene& scene, const cw::document::Level& level,
                const cw::settings::Settings& settings, cw::compiler::TemplateSource& templates) {
  scene.Rebuild(level, settings, templates);
  for (const auto& [floor, cells] : scene.floors()) {
    benchmark::DoNotOptimize(scene.Batches(floor).batches.data());
  }
}

void ReportSize(benchmark::State& state, const cw::scene::LevelScene& scene) {
  std::size_t vertices = 0;
  std::size_t faces = 0;
  for (const auto& [floor, cells] : scene.floors()) {
    for (const auto& [key, cell] : cells.cells) {
      vertices += cell.vertices.size();
      faces += cell.faces.size();
    }
  }
  state.counters["faces"] = static_cast<double>(faces);
  state.counters["vertices"] = static_cast<double>(vertices);
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  state.counters["peak_RSS_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// The kit folder as the current directory, its settings, and a level of it.
struct Kit {
  Kit() {
    fs::current_path(CW_KIT_DIR);
    settings = cw::settings::ReadSettingsFile(cw::settings::kSettingsFileName);
  }
  cw::settings::Settings settings;
  cw::compiler::FileTemplateSource templates;
};

void BM_SceneOfTheDemoLevel(benchmark::State& state) {
  Kit kit;
  const cw::platform::IoValue<cw::document::LoadedLevel> load =
      cw::document::LoadLevelFile("works/Demo.pwl");
  if (load.status != cw::platform::IoStatus::kOk) state.SkipWithError("no demo level");
  cw::scene::LevelScene scene;
  for (auto _ : state) BuildScene(scene, load.value.level, kit.settings, kit.templates);
  ReportSize(state, scene);
}
BENCHMARK(BM_SceneOfTheDemoLevel)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_SceneOfAFullFloor(benchmark::State& state) {
  Kit kit;
  const cw::document::Level level = cw::bench::KitFullFloor();
  cw::scene::LevelScene scene;
  for (auto _ : state) BuildScene(scene, level, kit.settings, kit.templates);
  ReportSize(state, scene);
}
BENCHMARK(BM_SceneOfAFullFloor)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// One edit: a cell of the full floor gets another block (the level's record replaced), the scene
// updates that cell and makes the floor's batches again; the next edit puts the block back.
void BM_EditOnAFullFloor(benchmark::State& state) {
  Kit kit;
  cw::document::Level level = cw::bench::KitFullFloor();
  cw::scene::LevelScene scene;
  BuildScene(scene, level, kit.settings, kit.templates);
  const cw::document::BlockRecord records[2] = {{0, 16, 16, 4, "Stairs"}, {0, 16, 16, 1, "Door"}};
  int next = 0;
  for (auto _ : state) {
    const cw::document::BlockRecord& record = records[next];
    next = 1 - next;
    cw::document::PlaceBlock(level, record);
    scene.UpdateCells(level, {record.cell()});
    benchmark::DoNotOptimize(scene.Batches(0).batches.data());
  }
}
BENCHMARK(BM_EditOnAFullFloor)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// A ray across the whole floor at the height of the walls, as a double-click in the view casts.
void BM_RayAcrossAFullFloor(benchmark::State& state) {
  Kit kit;
  const cw::document::Level level = cw::bench::KitFullFloor();
  cw::scene::LevelScene scene;
  BuildScene(scene, level, kit.settings, kit.templates);
  const cw::scene::Ray ray{{-1000, -1000, 2000}, {4096 + 1000, -4096 + 1000, -2000 + 60}};
  for (auto _ : state) benchmark::DoNotOptimize(cw::scene::HitTest(scene, ray, 0));
}
BENCHMARK(BM_RayAcrossAFullFloor)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_SceneOfTheStressLevel(benchmark::State& state) {
  cw::bench::StressFolder& folder = cw::bench::Folder();
  fs::current_path(folder.path);
  const cw::settings::Settings settings =
      cw::settings::ReadSettingsFile(cw::settings::kSettingsFileName);
  cw::compiler::FileTemplateSource templates;
  cw::scene::LevelScene scene;
  for (auto _ : state) BuildScene(scene, folder.level, settings, templates);
  ReportSize(state, scene);
}
BENCHMARK(BM_SceneOfTheStressLevel)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(5.0);

// Build of the same level on the same machine, the measure that the scene must not exceed.
void BM_BuildOfTheStressLevel(benchmark::State& state) {
  cw::bench::StressFolder& folder = cw::bench::Folder();
  fs::current_path(folder.path);
  const std::string map = (folder.path / "stress.map").string();
  for (auto _ : state) {
    const auto outcome = cw::compiler::RunBuild(folder.level, {}, map);
    if (!outcome) state.SkipWithError(outcome.error.c_str());
  }
}
BENCHMARK(BM_BuildOfTheStressLevel)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(5.0);

}  // namespace

BENCHMARK_MAIN();
