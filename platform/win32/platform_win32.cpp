#include <windows.h>

#include <algorithm>
#include <vector>

#include "platform/ini_int.h"
#include "platform/message_box.h"
#include "platform/platform.h"
#include "platform/system.h"
#include "platform/text.h"
#include "platform/win32/module.h"
#include "platform/win32/owned_handles.h"

namespace platform {

namespace {

HINSTANCE& SavedInstance() {
  static HINSTANCE instance = nullptr;
  return instance;
}

}  // namespace

void SetModuleInstance(HINSTANCE instance) {
  SavedInstance() = instance;
}

HINSTANCE ModuleInstance() {
  return SavedInstance() ? SavedInstance() : GetModuleHandleW(nullptr);
}

std::u16string SystemExecutableFolder() {
  std::vector<char16_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, reinterpret_cast<wchar_t*>(buffer.data()),
                                       static_cast<DWORD>(buffer.size()));
    if (n == 0) return {};
    if (n < buffer.size()) {
      std::u16string path(buffer.data(), n);
      return path.substr(0, path.find_last_of(u"\\/") + 1);
    }
    buffer.resize(buffer.size() * 2);
  }
}

void ForEachMatch(const std::u16string& folder, const std::u16string& mask,
                  const std::function<bool(const std::u16string& name)>& onMatch) {
  WIN32_FIND_DATAW data;
  // The standard level: Windows before 7 refuses FindExInfoBasic as an invalid parameter,
  // and the folder would look empty there.
  FindHandle find(FindFirstFileExW(Wide(folder + mask), FindExInfoStandard, &data,
                                   FindExSearchNameMatch, nullptr, 0));
  if (!find) return;
  do {
    const std::u16string name = FromWide(data.cFileName);
    if (name == u"." || name == u"..") continue;
    if (!onMatch(name)) return;
  } while (FindNextFileW(find.Get(), &data));
}

bool FileExists(const std::u16string& path) {
  const DWORD attributes = GetFileAttributesW(Wide(path));
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

namespace {

// Windows refuses to delete or replace a read-only file, Wine does not: the
// check made here keeps a read-only file under both.
bool IsReadOnlyFile(const std::u16string& path) {
  const DWORD attributes = GetFileAttributesW(Wide(path));
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) &&
         !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

bool DeleteFileAt(const std::u16string& path) {
  return !IsReadOnlyFile(path) && DeleteFileW(Wide(path)) != 0;
}

bool ReplaceFileWith(const std::u16string& from, const std::u16string& to) {
  return !IsReadOnlyFile(to) &&
         MoveFileExW(Wide(from), Wide(to), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool CreateUnicodeTextFile(const std::u16string& path, const std::u16string& text) {
  FileHandle file(CreateFileW(Wide(path), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  // wchar_t is the same little-endian 16-bit unit as char16_t here.
  const std::u16string content = u"\uFEFF" + text;
  const auto size = static_cast<DWORD>(content.size() * sizeof(char16_t));
  DWORD written = 0;
  return WriteFile(file.Get(), content.data(), size, &written, nullptr) && written == size;
}

std::u16string ReadProfileText(const std::u16string& path, const std::u16string& section,
                               const std::u16string& key, const std::u16string& fallback) {
  char16_t buffer[2048] = {};
  GetPrivateProfileStringW(Wide(section), Wide(key), Wide(fallback),
                           reinterpret_cast<wchar_t*>(buffer), 2048, Wide(path));
  return FromBuffer(buffer, 2048);
}

namespace {

// Beyond this the caller reads key by key rather than hold a section twice.
constexpr size_t kMostSectionCharacters = size_t{1} << 24;

// Reads a section into text, growing it until the section fits; false when
// the section is too large to read whole.
bool ReadSectionAlone(const std::u16string& path, const std::u16string& section,
                      std::u16string& text, std::u16string_view& read) {
  text.resize(size_t{1} << 15);
  for (;;) {
    const auto size = static_cast<DWORD>(text.size());
    const DWORD n = GetPrivateProfileSectionW(
        Wide(section), reinterpret_cast<wchar_t*>(text.data()), size, Wide(path));
    // A section that did not fit comes back cut, as size - 2 characters.
    if (n + 2 < size) {
      read = std::u16string_view(text.data(), n);
      return true;
    }
    if (text.size() >= kMostSectionCharacters) return false;
    text.assign(text.size() * 2, 0);
  }
}

// Characters enough for all the sections of a UTF-16 file (as the plug-in
// writes its lists) read one after the other into one buffer: the sections
// are parts of the file, and each loses its line ends to one NUL.
size_t RoomForSections(const std::u16string& path, size_t sections) {
  // The folder search gives the size with the imports the library has already.
  WIN32_FIND_DATAW data;
  const FindHandle find(
      FindFirstFileExW(Wide(path), FindExInfoStandard, &data, FindExSearchNameMatch, nullptr, 0));
  if (!find || data.nFileSizeHigh != 0) return 0;
  return std::min<size_t>(data.nFileSizeLow / 2 + 2 * sections + 2, kMostSectionCharacters);
}

template <class OnEntry>
void ForEachEntry(std::u16string_view all, OnEntry onEntry) {
  for (size_t at = 0; at < all.size() && all[at] != 0;) {
    const size_t end = std::min(all.find(u'\0', at), all.size());
    onEntry(all.substr(at, end - at));
    at = end + 1;
  }
}

}  // namespace

// Each section is read once into the room the others left when it fits (a
// section read that does not fit costs a whole call), else on its own.
std::vector<bool> ReadProfileSections(
    const std::u16string& path, const std::vector<std::u16string>& sections,
    const std::function<void(size_t section, std::u16string_view entry)>& onEntry,
    ProfileSectionTexts& texts) {
  std::vector<bool> whole(sections.size(), true);
  std::u16string& shared = texts.emplace_back(RoomForSections(path, sections.size()), u'\0');
  size_t used = 0;
  for (size_t i = 0; i < sections.size(); ++i) {
    std::u16string_view read;
    const size_t room = shared.size() - used;
    const DWORD n =
        room < 3 ? 0
                 : GetPrivateProfileSectionW(Wide(sections[i]),
                                             reinterpret_cast<wchar_t*>(shared.data() + used),
                                             static_cast<DWORD>(room), Wide(path));
    if (room >= 3 && n + 2 < room) {
      read = std::u16string_view(shared.data() + used, n);
      used += n + 1;
    } else if (std::u16string& alone = texts.emplace_back();
               !ReadSectionAlone(path, sections[i], alone, read)) {
      whole[i] = false;
      std::u16string().swap(alone);
      continue;
    }
    ForEachEntry(read, [&](std::u16string_view entry) { onEntry(i, entry); });
  }
  return whole;
}

bool WriteProfileText(const std::u16string& path, const std::u16string& section,
                      const std::u16string& key, const std::u16string& value) {
  return WritePrivateProfileStringW(Wide(section), Wide(key), Wide(value), Wide(path)) != 0;
}

bool ReadPerformanceCounter(uint64_t& value) {
  LARGE_INTEGER counter;
  if (!QueryPerformanceCounter(&counter)) return false;
  value = static_cast<uint64_t>(counter.QuadPart);
  return true;
}

uint32_t TickCount() {
  return GetTickCount();
}

int SystemMessageBox(const MessageBoxCall& call) {
  return MessageBoxW(static_cast<HWND>(call.owner), Wide(call.text),
                     call.hasCaption ? Wide(call.caption) : nullptr, call.flags);
}

}  // namespace platform
