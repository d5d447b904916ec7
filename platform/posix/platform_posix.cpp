// POSIX stand-in for the Win32 services, faithful enough that the same code and
// tests run on Linux. Backslashes in paths are folder separators here too.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <ctime>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string_view>

#include "platform/mask.h"
#include "platform/message_box.h"
#include "platform/platform.h"
#include "platform/posix/posix_files.h"
#include "platform/system.h"
#include "platform/text.h"

namespace platform {

namespace {

bool IsAscii(std::string_view text) {
  for (const char c : text)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

}  // namespace

std::string NativePath(const std::u16string& path) {
  std::u16string p = path;
  for (auto& c : p)
    if (c == u'\\') c = u'/';
  return ToUtf8(p);
}

FileKind KindOf(const std::u16string& path) {
  struct stat st {};
  if (stat(NativePath(path).c_str(), &st) != 0) return FileKind::kMissing;
  if (!S_ISREG(st.st_mode)) return FileKind::kOther;
  return (st.st_mode & (S_IRUSR | S_IRGRP | S_IROTH)) ? FileKind::kReadable : FileKind::kUnreadable;
}

bool IsReadOnlyFile(const std::u16string& path) {
  struct stat st {};
  return stat(NativePath(path).c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
         !(st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH));
}

std::u16string SystemExecutableFolder() {
  char buffer[4096];
  const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  std::string exe = n > 0 ? std::string(buffer, static_cast<size_t>(n)) : std::string("./x");
  return FromUtf8(exe.substr(0, exe.rfind('/') + 1));
}

void ForEachMatch(const std::u16string& folder, const std::u16string& mask,
                  const std::function<bool(const std::u16string& name)>& onMatch) {
  DIR* dir = opendir(NativePath(folder).c_str());
  if (!dir) return;
  struct Closer {
    DIR* d;
    ~Closer() { closedir(d); }
  } closer{dir};
  std::u16string name;
  while (dirent* entry = readdir(dir)) {
    const std::string_view raw = entry->d_name;
    if (raw == "." || raw == "..") continue;
    // Most names are ASCII: match their bytes and convert only the matches.
    if (IsAscii(raw)) {
      if (!MaskMatches(mask, raw)) continue;
      name.assign(raw.begin(), raw.end());
    } else {
      name = FromUtf8(raw);
      if (!MaskMatches(mask, std::u16string_view(name))) continue;
    }
    if (!onMatch(name)) return;
  }
}

bool FileExists(const std::u16string& path) {
  struct stat st {};
  return stat(NativePath(path).c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool DeleteFileAt(const std::u16string& path) {
  if (IsReadOnlyFile(path)) return false;
  return unlink(NativePath(path).c_str()) == 0;
}

bool ReplaceFileWith(const std::u16string& from, const std::u16string& to) {
  if (IsReadOnlyFile(to)) return false;
  return rename(NativePath(from).c_str(), NativePath(to).c_str()) == 0;
}

bool CreateUnicodeTextFile(const std::u16string& path, const std::u16string& text) {
  std::string bytes = "\xFF\xFE";
  for (const char16_t c : text) {
    bytes += static_cast<char>(c & 0xFF);
    bytes += static_cast<char>(c >> 8);
  }
  if (IsReadOnlyFile(path)) return false;
  std::ofstream out(NativePath(path), std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  return static_cast<bool>(out);
}

bool ReadPerformanceCounter(uint64_t& value) {
  timespec ts{};
  if (clock_gettime(CLOCK_MONOTONIC, &ts) != 0) return false;
  value = static_cast<uint64_t>(ts.tv_sec) * 1000000000ull + static_cast<uint64_t>(ts.tv_nsec);
  return true;
}

uint32_t TickCount() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<uint32_t>(static_cast<uint64_t>(ts.tv_sec) * 1000u +
                               static_cast<uint64_t>(ts.tv_nsec) / 1000000u);
}

int SystemMessageBox(const MessageBoxCall& call) {
  std::fprintf(stderr, "[message box] %s\n", ToUtf8(call.text).c_str());
  return 1;  // IDOK
}

}  // namespace platform
