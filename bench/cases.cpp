#include "bench/cases.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>

#include "bench/quiet_host.h"
#include "core/randomiser.h"
#include "platform/platform.h"
#include "platform/text.h"
#include "plugin/plugin.h"
#include "plugin/plugin_windows.h"
#include "plugin/selection_lists.h"
#include "ui/palette/palette_mapping.h"
#include "ui/palette/palette_pictures.h"

namespace fs = std::filesystem;

namespace bench {

namespace {

const int kSkinCounts[] = {0, 100, 1024, 5000};
// Lists of each length, each with the runs it makes: the cases differ by a
// tenth where single runs differ by a third.
struct ListLength {
  int entries;
  int64_t runs;
};
const ListLength kListLengths[] = {{1000, 60}, {5000, 20}};
// A start with lists of 1000 entries asks about 2001 skins, as does a start
// over 2000 skin files without lists.
constexpr int kStartListEntries = 1000;
constexpr int kStartSkins = 2 * kStartListEntries;
constexpr int64_t kRunsAfterAStop = 20;
constexpr int32_t kColorMax = 200;
constexpr int32_t kBrightnessMax = 100;

std::u16string Folder(const fs::path& path) {
  return path.u16string() + (fs::path::preferred_separator == '\\' ? u"\\" : u"/");
}

std::string SkinFileName(int i) {
  char name[32];
  std::snprintf(name, sizeof name, "skin%04d.%s", i, i % 2 ? "acs2" : "acs3");
  return name;
}

// A player folder whose Skins\ holds count files, half of each kind.
fs::path MakePlayerFolder(const fs::path& root, const std::string& name, int count) {
  const fs::path folder = root / (name + std::to_string(count));
  fs::create_directories(folder / "Plugins");
  fs::create_directories(folder / "Skins");
  for (int i = 0; i < count; ++i)
    std::ofstream(folder / "Skins" / SkinFileName(i), std::ios::binary)
        << std::string(kSkinFileBytes, 'x');
  return folder;
}

void UseFolder(const fs::path& folder) {
  platform::OverrideExecutableFolder(Folder(folder));
}

std::vector<std::u16string> SkinNames(const std::u16string& skins) {
  std::vector<std::u16string> names{u""};
  for (const auto& found : platform::FindMatches(skins, {u"*.acs2", u"*.acs3"}))
    names.insert(names.end(), found.begin(), found.end());
  return names;
}

// Keeps the optimiser from dropping a result.
volatile int64_t gSink = 0;

// One started plug-in at a time, stopped and released between runs.
struct Plugin {
  QuietCore core;
  host::IAIMPAddonPlugin* object = nullptr;

  void Start() {
    kaleidra::QueryAddon3(&object);
    object->Initialize(&core);
  }
  void Stop() {
    object->Finalize();
    object->Release();
    object = nullptr;
    kaleidra::ReleaseServices();
  }
};

// The bare calls the player must answer for names, in order.
void ReadEachSkinInfo(QuietSkins& skins, const std::vector<std::u16string>& names) {
  std::vector<char16_t> buffers(3 * 512);
  for (const std::u16string& name : names) {
    host::SkinInfoRecord info{};
    info.Size = sizeof info;
    info.AuthorBuffer = &buffers[0];
    info.AuthorBufferSize = 512;
    info.DescriptionBuffer = &buffers[512];
    info.DescriptionBufferSize = 512;
    info.NameBuffer = &buffers[1024];
    info.NameBufferSize = 512;
    gSink = skins.ReadSkinInfo(name.c_str(), static_cast<int32_t>(name.size()), &info);
  }
}

void AddFolderCases(std::vector<Case>& cases, const fs::path& folder, int count) {
  const std::string n = "/" + std::to_string(count);
  auto use = [folder] { UseFolder(folder); };
  auto skins = std::make_shared<QuietSkins>();
  cases.push_back({"MenuCommand" + n,
                   use,
                   [skins] {
                     kaleidra::ApplyChangeRequest(
                         skins.get(), kaleidra::BuildMenuRequest(kaleidra::SettingsView{}));
                   },
                   {},
                   {}});
  cases.push_back({"BareEnumeration" + n,
                   use,
                   [] {
                     const std::u16string folder = kaleidra::SkinsFolder();
                     int64_t found = 0;
                     for (const char16_t* mask : {u"*.acs3", u"*.acs2"})
                       platform::ForEachMatch(folder, mask, [&](const std::u16string&) {
                         ++found;
                         return true;
                       });
                     gSink = found;
                   },
                   {},
                   {}});

  auto plugin = std::make_shared<Plugin>();
  cases.push_back(
      {"Startup" + n, use, [plugin] { plugin->Start(); }, [plugin] { plugin->Stop(); }, {}});
  // The same calls the skin list makes: the built-in skin and every file.
  // Each start-up run follows a stop, whose file writes leave the caches
  // colder for the next run's file opens: natively each call takes about
  // 5.5 us inside a start or after a stop, 4.7 us back to back. So the bare
  // calls follow a stop too, and the ratio is the plug-in's own work.
  auto names = std::make_shared<std::vector<std::u16string>>();
  cases.push_back({"BareReadSkinInfo" + n,
                   [folder, names] {
                     UseFolder(folder);
                     *names = SkinNames(kaleidra::SkinsFolder());
                   },
                   [skins, names] { ReadEachSkinInfo(*skins, *names); },
                   [plugin] {
                     plugin->Start();
                     plugin->Stop();
                   },
                   {},
                   kRunsAfterAStop});
}

// Every list names a different skin file of the folder at each entry.
kaleidra::SelectionLists ManyEntries(int entries) {
  kaleidra::SelectionLists lists;
  for (int i = 0; i < entries; ++i) {
    lists.skinNames.push_back(platform::FromUtf8(SkinFileName(i)));
    lists.colorIndices.push_back(i % (kColorMax + 1));
    lists.intensityIndices.push_back(i % (kBrightnessMax + 1));
  }
  return lists;
}

// The plug-in's windows as a start creates them, with the skins service
// Initialize would have obtained.
struct Windows {
  QuietSkins skins;

  void Create() {
    skins.AddRef();
    kaleidra::SkinsService = host::HostRef<host::IAIMPSkinsService>(&skins);
    kaleidra::CreateWindows();
  }
  void Destroy() {
    kaleidra::DestroyWindows();
    kaleidra::ReleaseServices();
  }
};

// The lists load into fresh windows against the player's calls it cannot
// avoid: one ReadSkinInfo per listed skin. Both follow the same untimed
// renewal of the windows, which asks the player about every skin again.
void AddListCases(std::vector<Case>& cases, const fs::path& folder, ListLength length) {
  const std::string n = "/" + std::to_string(length.entries);
  auto lists = std::make_shared<kaleidra::SelectionLists>(ManyEntries(length.entries));
  auto windows = std::make_shared<Windows>();
  auto setUp = [folder, lists, windows] {
    UseFolder(folder);
    kaleidra::WriteSelectionListsFile(kaleidra::ListsFilePath(), *lists);
    windows->Create();
  };
  auto renew = [windows] {
    windows->Destroy();
    windows->Create();
  };
  auto tearDown = [windows] { windows->Destroy(); };
  cases.push_back(
      {"ListsSave" + n,
       [folder] { UseFolder(folder); },
       [lists] { kaleidra::WriteSelectionListsFile(kaleidra::ListsFilePath(), *lists); },
       {},
       {}});
  // Each case runs once untimed first: the first run after the set-up pays
  // for caches the set-up left cold, which the runs of the other case do not.
  auto add = [&](const char* name, std::function<void()> run, std::function<void()> floor = {},
                 const char* floorName = "") {
    cases.push_back({name + n,
                     [setUp, renew, run, floor] {
                       setUp();
                       run();
                       renew();
                       if (floor) floor();
                       renew();
                     },
                     run, renew, tearDown, length.runs, floor, floorName + n});
  };
  add(
      "ListsLoad", [] { kaleidra::LoadSelectionLists(); },
      [windows, lists] { ReadEachSkinInfo(windows->skins, lists->skinNames); },
      "BareListedReadSkinInfo");
  // Of the load, the reading of the file alone.
  add("ListsFileRead", [] {
    gSink = static_cast<int64_t>(
        kaleidra::ReadSelectionListsFile(kaleidra::ListsFilePath()).skinNames.size());
  });
}

// A whole start with lists against a start that asks the player about as many
// skins without lists.
void AddStartWithListsCases(std::vector<Case>& cases, const fs::path& withLists,
                            const fs::path& withoutLists) {
  auto plugin = std::make_shared<Plugin>();
  auto start = [plugin] { plugin->Start(); };
  auto stop = [plugin] { plugin->Stop(); };
  cases.push_back({"StartupWithLists/" + std::to_string(kStartListEntries),
                   [withLists, plugin] {
                     UseFolder(withLists);
                     kaleidra::WriteSelectionListsFile(kaleidra::ListsFilePath(),
                                                       ManyEntries(kStartListEntries));
                     plugin->Start();
                     plugin->Stop();
                   },
                   start,
                   stop,
                   {},
                   kRunsAfterAStop});
  cases.push_back({"StartupWithoutLists/" + std::to_string(kStartSkins),
                   [withoutLists, plugin] {
                     UseFolder(withoutLists);
                     plugin->Start();
                     plugin->Stop();
                   },
                   start,
                   stop,
                   {},
                   kRunsAfterAStop});
}

// Every index of both strips to its colour, and every such colour back.
void AddPaletteCases(std::vector<Case>& cases) {
  struct Strip {
    const toolkit::Picture& picture;
    int32_t max;
  };
  auto strips = [] {
    return std::vector<Strip>{{palette::ColorPalettePicture(), kColorMax},
                              {palette::BrightnessPalettePicture(), kBrightnessMax}};
  };
  cases.push_back({"PaletteColorFromIndex",
                   {},
                   [strips] {
                     int64_t sum = 0;
                     for (const Strip& s : strips())
                       for (int32_t i = 0; i <= s.max; ++i)
                         sum += palette::GetColorFromIndex(s.picture, s.max, i);
                     gSink = sum;
                   },
                   {},
                   {}});
  cases.push_back({"PaletteIndexFromColor",
                   {},
                   [strips] {
                     int64_t sum = 0;
                     for (const Strip& s : strips())
                       for (int32_t i = 0; i <= s.max; ++i)
                         sum += palette::GetIndexFromColor(
                             s.picture, s.max, palette::GetColorFromIndex(s.picture, s.max, i));
                     gSink = sum;
                   },
                   {},
                   {}});
}

}  // namespace

Workbench::Workbench() {
  std::random_device random;
  const fs::path root = fs::temp_directory_path() / ("kaleidra-bench-" + std::to_string(random()));
  root_ = root.string();
  for (const int count : kSkinCounts)
    AddFolderCases(cases_, MakePlayerFolder(root, "skins", count), count);
  for (const ListLength length : kListLengths)
    AddListCases(cases_, MakePlayerFolder(root, "lists", length.entries), length);
  AddStartWithListsCases(cases_, MakePlayerFolder(root, "start-lists", kStartListEntries),
                         MakePlayerFolder(root, "start-skins", kStartSkins));
  AddPaletteCases(cases_);
}

Workbench::~Workbench() {
  platform::OverrideExecutableFolder(u"");
  std::error_code ignored;
  fs::remove_all(root_, ignored);
}

namespace {

// Prints one ratio; false when it has a goal and misses it.
bool PrintRatio(const char* what, const std::string& size, const Timings& timings,
                const std::string& own, const std::string& bare, double goal) {
  const auto o = timings.find(own), b = timings.find(bare);
  if (o == timings.end() || b == timings.end() || b->second <= 0) return true;
  const double ratio = o->second / b->second;
  const bool ok = goal <= 0 || ratio <= goal;
  std::printf("  %-34s %11s: %8.2f  (%.3f ms / %.3f ms)%s\n", what, size.c_str(), ratio,
              o->second * 1e3, b->second * 1e3,
              goal <= 0 ? "" : (ok ? "  goal met" : "  GOAL MISSED"));
  return ok;
}

}  // namespace

TurnTimes RunTurn(const Case& c, double (*clock)()) {
  TurnTimes times;
  auto timed = [clock](const std::function<void()>& work) {
    const double start = clock();
    work();
    return clock() - start;
  };
  times.run = timed(c.run);
  if (c.after) c.after();
  if (c.floor) {
    times.floor = timed(c.floor);
    if (c.after) c.after();
  }
  return times;
}

bool PrintRatios(const Timings& timings) {
  struct Pair {
    const char* what;
    const char* own;
    const char* bare;
  };
  const Pair pairs[] = {{"menu command / bare enumeration", "MenuCommand", "BareEnumeration"},
                        {"start-up / bare ReadSkinInfo", "Startup", "BareReadSkinInfo"}};
  constexpr double kSkinsGoal = 1.5;
  constexpr double kListsGoal = 1.2;
  bool met = true;
  std::printf(
      "\nratios (goals: at 1024 skins at most %.1f; lists load and start with lists at most "
      "%.1f)\n",
      kSkinsGoal, kListsGoal);
  for (const Pair& pair : pairs) {
    for (const int count : kSkinCounts) {
      const std::string n = "/" + std::to_string(count);
      const bool judged = count == 1024;
      met = PrintRatio(pair.what, std::to_string(count) + " skins", timings, pair.own + n,
                       pair.bare + n, judged ? kSkinsGoal : 0) &&
            met;
    }
  }
  for (const ListLength length : kListLengths) {
    const std::string n = "/" + std::to_string(length.entries);
    met = PrintRatio("lists load / bare ReadSkinInfo", std::to_string(length.entries) + " entries",
                     timings, "ListsLoad" + n, "BareListedReadSkinInfo" + n, kListsGoal) &&
          met;
  }
  met = PrintRatio("start with lists / without", std::to_string(kStartSkins + 1) + " skins asked",
                   timings, "StartupWithLists/" + std::to_string(kStartListEntries),
                   "StartupWithoutLists/" + std::to_string(kStartSkins), kListsGoal) &&
        met;
  return met;
}

}  // namespace bench
