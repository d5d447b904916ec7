// Private-profile (INI) functions as Windows has them: case-insensitive names,
// trimmed values with one pair of enclosing quotes removed, the first section
// and key of a name win, writes replace a value in place and create the file,
// section or key on demand, everything else in the file is kept. A file that
// starts with the UTF-16LE byte-order mark is read and written as UTF-16.
#include <sys/stat.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "platform/ini_int.h"
#include "platform/platform.h"
#include "platform/text.h"

namespace platform {

std::string NativePath(const std::u16string& path);

namespace {

constexpr size_t kMaxValueLength = 2047;

struct ProfileLines {
  bool utf16 = false;
  std::vector<std::u16string> lines;
};

bool IsBlank(char16_t c) {
  return c == u' ' || c == u'\t';
}

std::u16string Trim(const std::u16string& s) {
  size_t b = 0, e = s.size();
  while (b < e && IsBlank(s[b])) ++b;
  while (e > b && IsBlank(s[e - 1])) --e;
  return s.substr(b, e - b);
}

bool IsRegularFileOrMissing(const std::u16string& path) {
  struct stat st {};
  return stat(NativePath(path).c_str(), &st) != 0 || S_ISREG(st.st_mode);
}

bool LoadProfile(const std::u16string& path, ProfileLines& profile) {
  if (!IsRegularFileOrMissing(path)) return false;
  std::ifstream in(NativePath(path), std::ios::binary);
  if (!in) return false;
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::u16string text;
  if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
      static_cast<unsigned char>(bytes[1]) == 0xFE) {
    profile.utf16 = true;
    for (size_t i = 2; i + 1 < bytes.size(); i += 2)
      text += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                    (static_cast<unsigned char>(bytes[i + 1]) << 8));
  } else {
    size_t start = 0;
    if (bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) start = 3;
    text = FromUtf8(std::string_view(bytes).substr(start));
  }
  std::u16string line;
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c == u'\r' || c == u'\n') {
      profile.lines.push_back(line);
      line.clear();
      if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    } else {
      line += c;
    }
  }
  if (!line.empty()) profile.lines.push_back(line);
  return true;
}

bool SaveProfile(const std::u16string& path, const ProfileLines& profile) {
  std::u16string text;
  for (const auto& line : profile.lines) text += line + u"\r\n";
  std::string bytes;
  if (profile.utf16) {
    bytes = "\xFF\xFE";
    for (char16_t c : text) {
      bytes += static_cast<char>(c & 0xFF);
      bytes += static_cast<char>(c >> 8);
    }
  } else {
    bytes = ToUtf8(text);
  }
  if (!IsRegularFileOrMissing(path)) return false;
  std::ofstream out(NativePath(path), std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  return static_cast<bool>(out);
}

// The section name of a header line, or false when the line is none.
bool SectionOf(const std::u16string& line, std::u16string& name) {
  const std::u16string t = Trim(line);
  if (t.empty() || t[0] != u'[') return false;
  const size_t close = t.find(u']');
  name = Trim(t.substr(1, close == std::u16string::npos ? std::u16string::npos : close - 1));
  return true;
}

bool KeyOf(const std::u16string& line, std::u16string& key, std::u16string& value) {
  const size_t eq = line.find(u'=');
  if (eq == std::u16string::npos) return false;
  key = Trim(line.substr(0, eq));
  value = Trim(line.substr(eq + 1));
  return true;
}

std::u16string Unquote(const std::u16string& v) {
  if (v.size() >= 2 && (v.front() == u'"' || v.front() == u'\'') && v.back() == v.front())
    return v.substr(1, v.size() - 2);
  return v;
}

// Index range [begin, end) of the body of the first section called name;
// begin is npos when there is no such section.
std::pair<size_t, size_t> FindSection(const ProfileLines& p, const std::u16string& section) {
  std::u16string name;
  for (size_t i = 0; i < p.lines.size(); ++i) {
    if (!SectionOf(p.lines[i], name) || !EqualsIgnoreCase(name, section)) continue;
    size_t end = i + 1;
    std::u16string other;
    while (end < p.lines.size() && !SectionOf(p.lines[end], other)) ++end;
    return {i + 1, end};
  }
  return {std::u16string::npos, 0};
}

}  // namespace

std::u16string ReadProfileText(const std::u16string& path, const std::u16string& section,
                               const std::u16string& key, const std::u16string& fallback) {
  ProfileLines p;
  if (!LoadProfile(path, p)) return fallback;
  const auto [begin, end] = FindSection(p, section);
  if (begin == std::u16string::npos) return fallback;
  std::u16string k, v;
  for (size_t i = begin; i < end; ++i) {
    if (KeyOf(p.lines[i], k, v) && EqualsIgnoreCase(k, key)) {
      v = Unquote(v);
      if (v.size() > kMaxValueLength) v.resize(kMaxValueLength);
      return v;
    }
  }
  return fallback;
}

bool WriteProfileText(const std::u16string& path, const std::u16string& section,
                      const std::u16string& key, const std::u16string& value) {
  ProfileLines p;
  LoadProfile(path, p);
  const std::u16string line = key + u"=" + value;
  const auto [begin, end] = FindSection(p, section);
  if (begin == std::u16string::npos) {
    p.lines.push_back(u"[" + section + u"]");
    p.lines.push_back(line);
    return SaveProfile(path, p);
  }
  std::u16string k, v;
  size_t lastContent = begin;
  for (size_t i = begin; i < end; ++i) {
    if (KeyOf(p.lines[i], k, v) && EqualsIgnoreCase(k, key)) {
      p.lines[i] = line;
      return SaveProfile(path, p);
    }
    if (!Trim(p.lines[i]).empty()) lastContent = i + 1;
  }
  p.lines.insert(p.lines.begin() + static_cast<std::ptrdiff_t>(lastContent), line);
  return SaveProfile(path, p);
}

}  // namespace platform
