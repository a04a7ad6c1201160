// The kits' post-build scripts, run with stand-ins for the compile tools: shell scripts that log
// their arguments, their working folder and what the real tool would fail to find, and write what
// the real tool writes. So the tests see the folders, files and order that the real tools get.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "kit/kit_fixture.h"
#include "support/test_files.h"
#include "textures/kit_textures.h"

namespace cw::testing {
namespace {

namespace fs = std::filesystem;

// The stand-in: `kind` is bsp (writes NAME.bsp and NAME.prt, or its leak file `leak` when the
// map's first line is "// leaks"), vis (needs NAME.prt) or light, or q2map for a tool that does
// each as its option -bsp, -vis or -rad says. `game` is "id" for the tool that finds its game
// folder as id's Quake 2 tools do, after the last "quake2" in the path of the file it is given,
// "h" for one that finds it as q2map -game heretic2 does, the folder after the one that holds the
// last "h" of that path, or "basedir" for one told where it is with -basedir; the files in `needs`
// are then looked up there.
constexpr const char* kStandIn = R"(
for last; do :; done
for arg; do
  if [ "$previous" = -basedir ]; then basedir=$arg; fi
  if [ "$kind" = q2map ]; then
    case $arg in -bsp) stage=bsp ;; -vis) stage=vis ;; -rad) stage=light ;; esac
  fi
  previous=$arg
done
kind=${stage:-$kind}
printf '%s\n' "$tool $*" "  in $PWD" >> "$log"
case $last in /*) path=$last ;; *) path=$PWD/$last ;; esac
base=${path%.*}
root=
if [ "$game" = id ]; then
  rest=${path##*[Qq][Uu][Aa][Kk][Ee]2/}
  if [ "$rest" = "$path" ]; then echo "  SetQdirFromPath: no quake2 in $path" >> "$log"; exit 1; fi
  root=${path%"$rest"}${rest%%/*}
  echo "  game folder $root" >> "$log"
elif [ "$game" = h ]; then
  rest=${path##*[Hh]}
  after=${rest#*/}
  if [ "$rest" = "$path" ] || [ "$after" = "$rest" ]; then
    echo "  no game folder in $path" >> "$log"; exit 1
  fi
  root=${path%"$after"}${after%%/*}
  echo "  game folder $root" >> "$log"
elif [ "$game" = basedir ]; then
  root=$basedir
fi
if [ -n "$root" ]; then
  for file in $needs; do [ -f "$root/$file" ] || echo "  missing $file" >> "$log"; done
fi
case $kind in
  bsp)
    read -r first < "$path"
    echo "compiled by $tool" > "$base.bsp"
    if [ "$first" = "// leaks" ]; then : > "$base.$leak"; else : > "$base.prt"; fi ;;
  vis)
    if [ ! -f "$base.prt" ]; then echo "  no portal file" >> "$log"; exit 1; fi
    echo "vised by $tool" >> "$base.bsp" ;;
  light)
    echo "lit by $tool" >> "$base.bsp" ;;
esac
)";

struct StandIn {
  const char* name;
  const char* kind;
  const char* game;  // "", "id", "h" or "basedir"
  bool palette;      // reads pics/colormap.pcx as well as the textures
  const char* leak = "pts";
};

const StandIn kQuakeTools[] = {
    {"qbsp", "bsp", "", false}, {"vis", "vis", "", false}, {"light", "light", "", false}};
const StandIn kIdQuake2Tools[] = {{"qbsp3", "bsp", "id", false, "lin"},
                                  {"qvis3", "vis", "id", false},
                                  {"qrad3", "light", "id", true}};
const StandIn kEricwQuake2Tools[] = {{"qbsp", "bsp", "basedir", false},
                                     {"vis", "vis", "", false},
                                     {"light", "light", "basedir", true}};
const StandIn kHeretic2Tools[] = {{"q2map", "q2map", "h", false, "lin"}};

// A copy of a kit's script and of the folders it shares with the tools, in a folder of the given
// name; stand-in tools on a PATH that holds only them and the few commands the script uses; and a
// map folder whose name holds a blank.
class PostBuildScriptTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* folder : {"tools", "bin", "my maps"})
      fs::create_directory(dir_.path() / folder);
    for (const char* command : {"cp", "ln", "mkdir", "rm"}) {
      for (const char* system : {"/bin/", "/usr/bin/"}) {
        if (fs::exists(std::string(system) + command)) {
          fs::create_symlink(std::string(system) + command, dir_.path() / "bin" / command);
          break;
        }
      }
    }
  }

  void CopyKit(Kit kit, const std::string& folderName) {
    kit_ = dir_.path() / folderName;
    fs::create_directory(kit_);
    fs::copy_file(KitPath("PellPost.BAT", kit), kit_ / "PellPost.BAT");
    for (const char* shared : {"textures", "pics"}) {
      if (kit != Kit::kQuake && fs::exists(KitPath(shared, kit))) {
        fs::copy(KitPath(shared, kit), kit_ / shared, fs::copy_options::recursive);
      }
    }
  }

  void AddTools(const auto& tools) {
    for (const StandIn& tool : tools) {
      std::string needs;
      for (const textures::KitTexture& texture : textures::KitTextures()) {
        needs += std::string(" textures/") + texture.name + (tool.game[0] == 'h' ? ".m8" : ".wal");
      }
      WriteScript("tools", tool.name,
                  "tool=" + std::string(tool.name) + " kind=" + tool.kind + " game=" + tool.game +
                      " leak=" + tool.leak + " log=" + Quoted(Log()) + " needs='" + needs +
                      (tool.palette ? " pics/colormap.pcx'" : "'") + kStandIn);
    }
  }

  void WriteScript(const char* folder, const std::string& name, const std::string& body) {
    const fs::path path = dir_.path() / folder / name;
    fs::remove(path);
    WriteFileBytes(path, "#!/bin/sh\n" + body);
    fs::permissions(path, fs::perms::owner_all);
  }

  // Writes the map (a leaking one if asked) and runs the kit's script on it from the kit's
  // folder, as the editor does.
  ShellRun RunScript(bool leaks = false, const std::string& name = "Demo") {
    WriteFileBytes(Maps() + "/" + name + ".map", leaks ? "// leaks\n" : "// sealed\n");
    fs::remove(Log());
    return Shell("cd " + Quoted(kit_.string()) + " && PATH=" +
                 Quoted((dir_.path() / "tools").string() + ":" + (dir_.path() / "bin").string()) +
                 " /bin/sh PellPost.BAT " + Quoted(name) + " " + Quoted(Maps()));
  }

  std::string Maps() const { return (dir_.path() / "my maps").string(); }
  std::string KitDir() const { return kit_.string(); }
  std::string Log() const { return (dir_.path() / "log").string(); }
  std::string LogText() const { return fs::exists(Log()) ? ReadFileBytes(Log()) : std::string(); }
  // The tools that ran, in order.
  std::vector<std::string> ToolsRun() const {
    std::vector<std::string> tools;
    std::istringstream lines(LogText());
    for (std::string line; std::getline(lines, line);) {
      if (!line.starts_with(" ")) tools.push_back(line.substr(0, line.find(' ')));
    }
    return tools;
  }
  std::string MapFile(const char* extension, const std::string& name = "Demo") const {
    const fs::path path = Maps() + "/" + name + "." + extension;
    return fs::exists(path) ? ReadFileBytes(path) : "(none)";
  }

  TempDir dir_;
  fs::path kit_;
};

// ericw-tools for both kits: the Quake 2 kit's qbsp and light find textures/ and pics/ in its
// folder.
TEST_F(PostBuildScriptTest, QbspVisAndLightRunOnTheMapFromTheKitsFolder) {
  const struct {
    Kit kit;
    const StandIn* tools;
    bool quake2;
  } cases[] = {{Kit::kQuake, kQuakeTools, false}, {Kit::kQuake2, kEricwQuake2Tools, true}};
  for (const auto& [kit, tools, quake2] : cases) {
    CopyKit(kit, quake2 ? "kit2" : "kit");
    AddTools(std::vector<StandIn>(tools, tools + 3));
    const ShellRun run = RunScript();
    EXPECT_EQ(run.status, 0) << run.output;
    const std::string in = "  in " + KitDir() + "\n";
    const std::string base = quake2 ? "-basedir " + KitDir() + " " : "";
    EXPECT_EQ(LogText(), "qbsp " + (quake2 ? "-q2bsp " + base : "") + Maps() + "/Demo.map\n" + in +
                             "vis " + Maps() + "/Demo.bsp\n" + in + "light " + base + Maps() +
                             "/Demo.bsp\n" + in);
    EXPECT_EQ(MapFile("bsp"), "compiled by qbsp\nvised by vis\nlit by light\n");
    EXPECT_THAT(run.output, ::testing::HasSubstr("running qbsp "));
  }
}

TEST_F(PostBuildScriptTest, NoKitRunsVisOrLightAfterALeak) {
  struct Case {
    Kit kit;
    std::vector<StandIn> tools;
    const char* qbsp;
    const char* leakFile;
    const char* says;
  } cases[] = {{Kit::kQuake, {kQuakeTools, kQuakeTools + 3}, "qbsp", "pts", "qbsp"},
               {Kit::kQuake2, {kEricwQuake2Tools, kEricwQuake2Tools + 3}, "qbsp", "pts", "qbsp"},
               {Kit::kQuake2, {kIdQuake2Tools, kIdQuake2Tools + 3}, "qbsp3", "lin", "qbsp"},
               {Kit::kHeretic2, {kHeretic2Tools, kHeretic2Tools + 1}, "q2map", "lin", "q2map"}};
  int kits = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.qbsp + std::string(" writing .") + c.leakFile);
    fs::remove_all(dir_.path() / "tools");
    fs::create_directory(dir_.path() / "tools");
    CopyKit(c.kit, "kit " + std::to_string(++kits));
    AddTools(c.tools);
    // The portal file of the sealed map compiled before is not taken for this compile's.
    ASSERT_EQ(RunScript().status, 0);
    const ShellRun run = RunScript(true);
    EXPECT_EQ(run.status, 1) << run.output;
    EXPECT_THAT(run.output, ::testing::HasSubstr("Demo.map leaks: " + std::string(c.says) +
                                                 " wrote its path to Demo." + c.leakFile));
    EXPECT_EQ(ToolsRun(), std::vector<std::string>{c.qbsp});
    EXPECT_EQ(MapFile(c.leakFile), "");  // beside the map, where the compile log looks for it
    EXPECT_EQ(MapFile("prt"), "(none)");
  }
}

// id's tools find the game folder in the map's path, whatever the kit's folder is called.
class IdQuake2ToolsTest : public PostBuildScriptTest,
                          public ::testing::WithParamInterface<const char*> {};
INSTANTIATE_TEST_SUITE_P(KitFolders, IdQuake2ToolsTest, ::testing::Values("kit-quake2", "my kit"));

TEST_P(IdQuake2ToolsTest, LayOutQuake2Baseq2InTheKitOnceAndCompileACopyOfTheMapThere) {
  CopyKit(Kit::kQuake2, GetParam());
  AddTools(kIdQuake2Tools);
  const std::string game = KitDir() + "/quake2/baseq2";
  const std::string checks = "  in " + KitDir() + "\n  game folder " + game + "\n";
  const std::string expected = "qbsp3 " + game + "/maps/Demo.map\n" + checks + "qvis3 " + game +
                               "/maps/Demo.bsp\n" + checks + "qrad3 " + game + "/maps/Demo.bsp\n" +
                               checks;
  for (int run = 0; run < 2; ++run) {  // the second time over the layout the first one made
    const ShellRun result = RunScript();
    EXPECT_EQ(result.status, 0) << result.output;
    EXPECT_EQ(LogText(), expected);
    EXPECT_EQ(MapFile("bsp"), "compiled by qbsp3\nvised by qvis3\nlit by qrad3\n");
  }
  // The kit's folders are linked, not copied.
  EXPECT_TRUE(fs::is_symlink(game + "/textures"));
  EXPECT_EQ(fs::canonical(game + "/pics"), fs::canonical(KitDir() + "/pics"));
}

// q2map finds the game folder after the last "h" of the map's path, whatever the kit's folder is
// called and whatever the map's name holds.
class Heretic2ToolsTest : public PostBuildScriptTest,
                          public ::testing::WithParamInterface<const char*> {};
INSTANTIATE_TEST_SUITE_P(KitFolders, Heretic2ToolsTest,
                         ::testing::Values("kit-heretic2", "my kit"));

TEST_P(Heretic2ToolsTest, LayOutHeretic2BaseInTheKitOnceAndRunQ2mapThreeTimesOnACopy) {
  CopyKit(Kit::kHeretic2, GetParam());
  AddTools(kHeretic2Tools);
  const std::string game = KitDir() + "/heretic2/base";
  const std::string checks = "  in " + KitDir() + "\n  game folder " + game + "\n";
  for (const auto& [name, compiled] :
       {std::pair("Demo", "Demo"), std::pair("Church", "C_urc_"), std::pair("Demo", "Demo")}) {
    const ShellRun result = RunScript(false, name);
    EXPECT_EQ(result.status, 0) << result.output;
    const std::string map = game + "/maps/" + compiled;
    EXPECT_EQ(LogText(), "q2map -game heretic2 -bsp " + map + ".map\n" + checks +
                             "q2map -game heretic2 -vis " + map + ".bsp\n" + checks +
                             "q2map -game heretic2 -rad " + map + ".bsp\n" + checks);
    EXPECT_EQ(MapFile("bsp", name), "compiled by q2map\nvised by q2map\nlit by q2map\n");
  }
  EXPECT_EQ(fs::canonical(game + "/textures"), fs::canonical(KitDir() + "/textures"));
}

TEST_F(PostBuildScriptTest, WhereNoLinkCanBeMadeTheKitsFilesAreCopiedAndKeptUpToDate) {
  CopyKit(Kit::kQuake2, "kit");
  AddTools(kIdQuake2Tools);
  WriteScript("bin", "ln", "exit 1\n");
  EXPECT_EQ(RunScript().status, 0);
  const std::string game = KitDir() + "/quake2/baseq2";
  EXPECT_FALSE(fs::is_symlink(game + "/textures"));
  EXPECT_THAT(LogText(), ::testing::Not(::testing::HasSubstr("missing")));
  EXPECT_EQ(ReadFileBytes(game + "/pics/colormap.pcx"),
            ReadFileBytes(KitDir() + "/pics/colormap.pcx"));
  // A texture made again after the copy reaches the game folder at the next compile.
  WriteFileBytes(KitDir() + "/textures/skip.wal", "new");
  fs::last_write_time(KitDir() + "/textures/skip.wal",
                      fs::last_write_time(game + "/textures/skip.wal") + std::chrono::seconds(2));
  EXPECT_EQ(RunScript().status, 0);
  EXPECT_EQ(ReadFileBytes(game + "/textures/skip.wal"), "new");
}

TEST_F(PostBuildScriptTest, SaysSoWhenItFindsNoTools) {
  for (Kit kit : {Kit::kQuake, Kit::kQuake2, Kit::kHeretic2}) {
    CopyKit(kit, "kit" + std::to_string(static_cast<int>(kit)));
    const ShellRun run = RunScript();
    EXPECT_EQ(run.status, 0);
    EXPECT_THAT(run.output, ::testing::HasSubstr("found no "));
    EXPECT_EQ(LogText(), "");
  }
}

TEST_F(PostBuildScriptTest, SkipsAMissingToolAndStopsAtAFailingOne) {
  CopyKit(Kit::kQuake, "kit");
  AddTools(kQuakeTools);
  fs::remove(dir_.path() / "tools" / "vis");
  const ShellRun skipped = RunScript();
  EXPECT_EQ(skipped.status, 0);
  EXPECT_THAT(skipped.output, ::testing::HasSubstr("vis not found on PATH, skipped"));
  EXPECT_EQ(MapFile("bsp"), "compiled by qbsp\nlit by light\n");

  WriteScript("tools", "qbsp", "echo \"qbsp $*\" >> " + Quoted(Log()) + "\nexit 3\n");
  const ShellRun failed = RunScript();
  EXPECT_EQ(failed.status, 3);
  EXPECT_THAT(failed.output, ::testing::HasSubstr("qbsp failed with status 3"));
  EXPECT_EQ(LogText(), "qbsp " + Maps() + "/Demo.map\n");
}

TEST_F(PostBuildScriptTest, RefusesAWrongNumberOfArguments) {
  for (Kit kit : {Kit::kQuake, Kit::kQuake2, Kit::kHeretic2}) {
    const ShellRun run = Shell("/bin/sh " + Quoted(KitPath("PellPost.BAT", kit)) + " Demo");
    EXPECT_EQ(run.status, 2);
    EXPECT_THAT(run.output, ::testing::HasSubstr("expected two arguments"));
  }
}

}  // namespace
}  // namespace cw::testing
