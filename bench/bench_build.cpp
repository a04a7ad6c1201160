// The build of a stress level: every cell of 16 floors of 32 x 32 (16,384 blocks) over 16 block
// templates of 10 brushes and 3 entities each, with 2,000 links, about 100 MB of map. Compared
// with copying the finished map file, the measure of what the disk alone costs.
//
//   bench_build                          run the benchmarks
//   bench_build --write-stress-level=DIR write stress.pwl, the templates and PellEd.ini to DIR
//                                        (for timing cryptwright-build, e.g. with /usr/bin/time -v)

#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "compiler/build.h"
#include "compiler/level_check.h"
#include "document/level.h"
#include "document/level_file.h"
#include "settings/settings.h"

namespace {

namespace fs = std::filesystem;

constexpr int kTemplates = 16;
constexpr int kBrushes = 10;
constexpr int kLinks = 2000;

std::string TemplateName(int index) {
  return "Stress" + std::to_string(index);
}

// One brush: an axis-aligned box of six faces with textures offset and scaled.
void AppendBox(std::string& out, int x0, int y0, int z0, int size, int variant) {
  const int x1 = x0 + size, y1 = y0 + size, z1 = z0 + size;
  const std::string tex = " STONE/WALL" + std::to_string(variant % 7);
  const std::string scales = variant % 3 == 0 ? " 0.5 0.5" : (variant % 3 == 1 ? " 1 1" : " 0.3 2");
  auto face = [&](int ax, int ay, int az, int bx, int by, int bz, int cx, int cy, int cz) {
    out += "( " + std::to_string(ax) + " " + std::to_string(ay) + " " + std::to_string(az) +
           " ) ( " + std::to_string(bx) + " " + std::to_string(by) + " " + std::to_string(bz) +
           " ) ( " + std::to_string(cx) + " " + std::to_string(cy) + " " + std::to_string(cz) +
           " )" + tex + " " + std::to_string(variant * 8 % 64) + " " +
           std::to_string(variant * 16 % 64) + " 0" + scales + "\r\n";
  };
  out += "{\r\n";
  face(x0, y0, z0, x0, y1, z0, x1, y1, z0);  // bottom
  face(x0, y0, z1, x1, y0, z1, x1, y1, z1);  // top
  face(x0, y0, z0, x0, y0, z1, x0, y1, z1);  // west
  face(x1, y0, z0, x1, y1, z0, x1, y1, z1);  // east
  face(x0, y0, z0, x1, y0, z0, x1, y0, z1);  // south
  face(x0, y1, z0, x0, y1, z1, x1, y1, z1);  // north
  out += "}\r\n";
}

std::string StressTemplate(int index) {
  std::string out = "{\r\n\"classname\" \"worldspawn\"\r\n";
  for (int b = 0; b < kBrushes; ++b) {
    AppendBox(out, -64 + (b % 3) * 40, -64 + (b / 3) * 40, (b * 8) % 48, 24, index + b);
  }
  out += "}\r\n";
  out += "{\r\n\"classname\" \"light\"\r\n\"origin\" \"16 -8 96\"\r\n\"light\" \"200\"\r\n}\r\n";
  out += "{\r\n\"classname\" \"func_door\"\r\n\"targetname\" \"t0\"\r\n\"angle\" \"" +
         std::to_string(index * 45 % 360) + "\"\r\n\"distance\" \"-32\"\r\n";
  AppendBox(out, -16, -16, 0, 32, index);
  out += "}\r\n";
  out += "{\r\n\"classname\" \"trigger_multiple\"\r\n\"origin\" \"0 32 8\"\r\n\"target\" \"" +
         std::string(index % 2 ? "kexit" : "t0") + "\"\r\n}\r\n";
  return out;
}

cw::document::Level StressLevel() {
  cw::document::Level level;
  for (int floor = -8; floor < 8; ++floor) {
    for (int column = 0; column < 32; ++column) {
      for (int row = 0; row < 32; ++row) {
        const int flags = (column * 3 + row + floor) & 7;
        const int name = (column + 5 * row + 7 * (floor + 8)) % kTemplates;
        level.BlockList.push_back(std::to_string(floor) + " " + std::to_string(column) + " " +
                                  std::to_string(row) + " " + std::to_string(flags) + " " +
                                  TemplateName(name));
      }
    }
  }
  for (int i = 0; i < kLinks; ++i) {
    const int floor = i % 16 - 8, column = (i * 7) % 32, row = (i * 13) % 32;
    level.LinkList.push_back(std::to_string(floor) + " " + std::to_string(column) + " " +
                             std::to_string(row) + " " + std::to_string((i + 3) % 16 - 8) + " " +
                             std::to_string((column + 1) % 32) + " " + std::to_string(row));
  }
  return level;
}

void WriteStressFolder(const fs::path& folder) {
  fs::create_directories(folder);
  for (int i = 0; i < kTemplates; ++i) {
    std::ofstream(folder / (TemplateName(i) + ".map"), std::ios::binary) << StressTemplate(i);
  }
  std::ofstream(folder / "PellEd.ini", std::ios::binary) << "[Block]\r\nBx=128\r\nBy=128\r\n";
  (void)cw::document::SaveLevelFile((folder / "stress.pwl").string(), StressLevel());
}

// The stress folder, made once per run, and the current directory set to it.
struct StressFolder {
  StressFolder() {
    std::string pattern = (fs::temp_directory_path() / "cryptwright-bench-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) std::abort();
    path = pattern;
    WriteStressFolder(path);
    fs::current_path(path);
    level = StressLevel();
  }
  ~StressFolder() {
    std::error_code ignored;
    fs::remove_all(path, ignored);
  }
  fs::path path;
  cw::document::Level level;
};

StressFolder& Folder() {
  static StressFolder folder;
  return folder;
}

void BM_BuildStressLevel(benchmark::State& state) {
  StressFolder& folder = Folder();
  const std::string map = (folder.path / "stress.map").string();
  for (auto _ : state) {
    const cw::compiler::BuildOutcome outcome = cw::compiler::RunBuild(folder.level, {}, map);
    if (!outcome.result) state.SkipWithError(outcome.result.error.c_str());
  }
  const auto bytes = static_cast<std::int64_t>(fs::file_size(map));
  state.counters["map_MB"] = static_cast<double>(bytes) / 1e6;
  // The whole process's peak, level and benchmark included: an upper bound for the build's.
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  state.counters["peak_RSS_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
  state.SetBytesProcessed(state.iterations() * bytes);
}
BENCHMARK(BM_BuildStressLevel)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);

// Check of the same level: every finding and the budget, which Build runs first; it is meant to
// take no longer than the build itself.
void BM_CheckStressLevel(benchmark::State& state) {
  StressFolder& folder = Folder();
  const cw::settings::Settings settings = cw::settings::ReadSettingsFile("PellEd.ini");
  std::size_t findings = 0;
  for (auto _ : state) {
    cw::compiler::FileTemplateSource templates;
    const cw::compiler::CheckReport report = cw::compiler::CheckLevel(
        folder.level, settings, templates, cw::compiler::PictureFileExists);
    findings = report.findings.size();
    benchmark::DoNotOptimize(findings);
  }
  state.counters["findings"] = static_cast<double>(findings);
}
BENCHMARK(BM_CheckStressLevel)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);

// The build with the trace of its map lines that the editor keeps.
void BM_BuildStressLevelTraced(benchmark::State& state) {
  StressFolder& folder = Folder();
  const std::string map = (folder.path / "stress.map").string();
  for (auto _ : state) {
    cw::compiler::MapTrace trace;
    const cw::compiler::BuildOutcome outcome =
        cw::compiler::RunBuild(folder.level, {}, map, {.templates = nullptr, .trace = &trace});
    if (!outcome.result) state.SkipWithError(outcome.result.error.c_str());
  }
}
BENCHMARK(BM_BuildStressLevelTraced)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);

// The finished map copied by the file system's own copy.
void BM_CopyFinishedMap(benchmark::State& state) {
  StressFolder& folder = Folder();
  const fs::path map = folder.path / "stress.map";
  if (!fs::exists(map)) (void)cw::compiler::RunBuild(folder.level, {}, map.string());
  for (auto _ : state) {
    fs::copy_file(map, folder.path / "copy.map", fs::copy_options::overwrite_existing);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(fs::file_size(map)));
}
BENCHMARK(BM_CopyFinishedMap)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);

// The same copy through a user-space buffer, reading and writing as a program does; with
// `synced`, flushed to the disk before closing, as the build flushes its map before it replaces
// the old one.
void CopyBuffered(benchmark::State& state, bool synced) {
  StressFolder& folder = Folder();
  const fs::path map = folder.path / "stress.map";
  if (!fs::exists(map)) (void)cw::compiler::RunBuild(folder.level, {}, map.string());
  std::vector<char> buffer(1 << 20);
  for (auto _ : state) {
    std::FILE* in = std::fopen(map.c_str(), "rb");
    std::FILE* out = std::fopen((folder.path / "copy.map").c_str(), "wb");
    std::size_t got = 0;
    while ((got = std::fread(buffer.data(), 1, buffer.size(), in)) > 0) {
      std::fwrite(buffer.data(), 1, got, out);
    }
    if (synced) {
      std::fflush(out);
      ::fsync(::fileno(out));
    }
    std::fclose(in);
    std::fclose(out);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(fs::file_size(map)));
}
void BM_CopyFinishedMapBuffered(benchmark::State& state) {
  CopyBuffered(state, false);
}
BENCHMARK(BM_CopyFinishedMapBuffered)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);

void BM_CopyFinishedMapSynced(benchmark::State& state) {
  CopyBuffered(state, true);
}
BENCHMARK(BM_CopyFinishedMapSynced)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);

}  // namespace

int main(int argc, char** argv) {
  constexpr const char* kWriteOption = "--write-stress-level=";
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], kWriteOption, std::strlen(kWriteOption)) == 0) {
      WriteStressFolder(argv[i] + std::strlen(kWriteOption));
      return 0;
    }
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
