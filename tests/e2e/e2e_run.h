// Runs the stand-in player with the real plug-in in a throw-away folder and
// reads back its call log.
//   StandinFolder folder;
//   folder.AddSkin("x.acs2", "name=X\npreview=FF0000\n");
//   E2eRun run = RunStandin(folder, "start; menu; stop; unload", {"--refuse", "x.acs2"});
//   for (const LogCall& call : run.Lines("ApplySkin")) ...
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace e2e {

// One line of the log: Name(arg,...) -> result key=value ...
// Quoted texts come unquoted; a record argument {k=v,...} stays as written and
// its fields join the trailing ones in fields.
struct LogCall {
  std::string text;
  std::string name;
  std::vector<std::string> args;
  std::string result;
  std::map<std::string, std::string> fields;
  int step = -1;  // index of the script command it happened in

  int64_t ResultInt() const;
  int64_t Int(const std::string& key) const;  // decimal or 0x hex; fails the test when absent
  bool Has(const std::string& key) const { return fields.count(key) > 0; }
};

// Parses a call line; false for script echoes, notes and problems.
bool ParseLogCall(const std::string& line, LogCall* call);

struct E2eRun {
  uint32_t exitCode = 0;
  bool timedOut = false;
  std::vector<std::string> lines;
  std::vector<LogCall> calls;

  std::vector<LogCall> Lines(const std::string& name) const;
  std::vector<LogCall> InStep(int step) const;
  std::vector<std::string> Problems() const;  // "! ..." lines
  std::string Text() const;                   // the whole log, for failure messages
};

class StandinFolder {
 public:
  // A fresh temp folder with the stand-in, Plugins\ holding the plug-in, and an empty Skins\.
  StandinFolder();
  ~StandinFolder();
  StandinFolder(const StandinFolder&) = delete;
  StandinFolder& operator=(const StandinFolder&) = delete;

  // content: UTF-8 lines author=, name=, description=, preview=RRGGBB, preview_size=W,H.
  void AddSkin(const std::string& fileName, const std::string& content) const;
  void Write(const std::string& relative, const std::string& bytes) const;
  const std::filesystem::path& Root() const { return root_; }

 private:
  std::filesystem::path root_;
};

E2eRun RunStandin(const StandinFolder& folder, const std::string& script,
                  const std::vector<std::string>& args = {}, uint32_t timeoutMs = 60000);

}  // namespace e2e
