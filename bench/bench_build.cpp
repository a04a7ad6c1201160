// The build of a stress level: every cell of 16 floors of 32 x 32 (16,384 blocks) over 16 block
// templates of 10 brushes and 3 entities each, with 2,000 links, about 100 MB of map. Compared
// with copying the finished map file, the measure of what the disk alone costs.
//
//   bench_build                          run the benchmarks
//   bench_build --write-stress-level=DIR write stress.pwl, the templates and PellEd.ini to DIR
//                                        (for timing cryptwright-build, e.g. with /usr/bin/time -v)

#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "compiler/build.h"
#include "compiler/level_check.h"
#include "settings/settings.h"
#include "stress_level.h"

namespace {

namespace fs = std::filesystem;
using cw::bench::Folder;
using cw::bench::StressFolder;
using cw::bench::WriteStressFolder;

void BM_BuildStressLevel(benchmark::State& state) {
  StressFolder& folder = Folder();
  const std::string map = (folder.path / "stress.map").string();
  for (auto _ : state) {
    const auto outcome = cw::compiler::RunBuild(folder.level, {}, map);
    if (!outcome) state.SkipWithError(outcome.error.c_str());
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
    const auto outcome =
        cw::compiler::RunBuild(folder.level, {}, map, {.templates = nullptr, .trace = &trace});
    if (!outcome) state.SkipWithError(outcome.error.c_str());
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
