// Bad settings and lists files, made by code so that nothing large is kept in
// the repository. The same cases run natively against a fake player and under
// Wine through the stand-in player.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "plugin/selection_lists.h"

namespace corpus {

struct CorpusCase {
  std::string name;                     // a gtest parameter name
  std::optional<std::string> settings;  // bytes of Plugins\orvo_aimp_kaleidra.ini
  std::optional<std::string> lists;     // bytes of Plugins\orvo_aimp_kaleidrap.ini
  // Every listed skin exists, so a start and a stop must leave the lists file
  // holding what the plug-in read from it.
  bool listsSurviveSession = false;
};

// Skin files every case finds in the Skins folder (UTF-8 names).
const std::vector<std::string>& SkinFiles();

const std::vector<CorpusCase>& Cases();

// For gtest's parameter names.
std::string CaseName(const CorpusCase& c);

// A skin name the player must never be asked about or switched to: one with a
// folder part, a drive or wildcards, or longer than an entry holds.
bool IsUnsafeSkinName(const std::u16string& name);

// What a start and a stop write back when every listed skin exists: the same
// names, and each palette index as the plug-in's colour mapping returns it.
kaleidra::SelectionLists ListsAfterSession(const kaleidra::SelectionLists& read);

// Compares lists field by field, with the field named in failures.
void ExpectSameLists(const kaleidra::SelectionLists& expected,
                     const kaleidra::SelectionLists& actual);

}  // namespace corpus
