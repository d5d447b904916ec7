#include "standin_player/script.h"

#include <windows.h>

#include <cwctype>

#include "standin_player/text.h"
#include "standin_player/win_handles.h"

namespace standin {

namespace {

struct Verb {
  const char* name;
  size_t minArgs;
  size_t maxArgs;
};

// start = load + init; load queries the plug-in without starting it.
constexpr Verb kVerbs[] = {
    {"start", 0, 0}, {"load", 0, 0},    {"init", 0, 0},  {"menu", 0, 1},   {"settings", 0, 0},
    {"stop", 0, 0},  {"unload", 0, 0},  {"wait", 1, 1},  {"window", 1, 1}, {"click", 1, 1},
    {"check", 1, 1}, {"uncheck", 1, 1}, {"radio", 1, 1}, {"select", 1, 2}, {"dblclick", 1, 2},
    {"close", 0, 1}, {"shot", 1, 1},    {"tab", 1, 1},   {"stats", 0, 0},
};

const Verb* FindVerb(const std::string& name) {
  for (const Verb& verb : kVerbs)
    if (name == verb.name) return &verb;
  return nullptr;
}

// Splits into commands of tokens; false on an unclosed quote.
bool Tokenize(const std::wstring& text, std::vector<std::vector<std::wstring>>* commands,
              std::vector<std::wstring>* sources) {
  std::vector<std::wstring> tokens;
  std::wstring token, source;
  bool inToken = false, comment = false;
  auto endToken = [&] {
    if (inToken) tokens.push_back(token);
    token.clear();
    inToken = false;
  };
  auto endCommand = [&] {
    endToken();
    if (!tokens.empty() && !comment) {
      commands->push_back(tokens);
      sources->push_back(source);
    }
    tokens.clear();
    source.clear();
    comment = false;
  };
  for (size_t i = 0; i < text.size(); ++i) {
    const wchar_t c = text[i];
    if (comment && c != L'\n') continue;
    if (c == L';' || c == L'\n') {
      endCommand();
      continue;
    }
    if (tokens.empty() && !inToken && c == L'#') {
      comment = true;
      continue;
    }
    if (!source.empty() || !std::iswspace(c)) source += c;
    if (std::iswspace(c)) {
      endToken();
    } else if (c == L'"') {
      inToken = true;
      for (++i;; ++i) {
        if (i >= text.size()) return false;
        if (text[i] == L'"') {
          if (i + 1 < text.size() && text[i + 1] == L'"') {
            token += L'"';
            source += L"\"\"";
            ++i;
            continue;
          }
          source += L'"';
          break;
        }
        token += text[i];
        source += text[i];
      }
    } else {
      inToken = true;
      token += c;
    }
  }
  endCommand();
  return true;
}

std::wstring TrimmedEnd(std::wstring s) {
  while (!s.empty() && std::iswspace(s.back())) s.pop_back();
  return s;
}

}  // namespace

bool ParseScript(const std::wstring& text, std::vector<Command>* commands, std::string* error) {
  std::vector<std::vector<std::wstring>> tokenized;
  std::vector<std::wstring> sources;
  if (!Tokenize(text, &tokenized, &sources)) {
    *error = "unclosed quote";
    return false;
  }
  for (size_t i = 0; i < tokenized.size(); ++i) {
    Command command;
    command.verb = Utf8(tokenized[i][0]);
    command.args.assign(tokenized[i].begin() + 1, tokenized[i].end());
    command.text = Utf8(TrimmedEnd(sources[i]));
    const Verb* verb = FindVerb(command.verb);
    if (!verb) {
      *error = "unknown command " + Quoted(tokenized[i][0]);
      return false;
    }
    if (command.args.size() < verb->minArgs || command.args.size() > verb->maxArgs) {
      *error = "wrong number of arguments: " + command.text;
      return false;
    }
    commands->push_back(std::move(command));
  }
  return true;
}

bool ReadScriptFile(const std::wstring& path, std::wstring* text) {
  FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  std::string bytes;
  char buf[4096];
  DWORD got = 0;
  while (ReadFile(file.Get(), buf, sizeof buf, &got, nullptr) && got > 0) bytes.append(buf, got);
  if (bytes.rfind("\xEF\xBB\xBF", 0) == 0) bytes.erase(0, 3);
  *text = WideFromUtf8(bytes);
  return true;
}

}  // namespace standin
