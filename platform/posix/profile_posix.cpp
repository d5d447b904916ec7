// Private-profile (INI) functions as Windows has them: case-insensitive names,
// trimmed values with one pair of enclosing quotes removed, the first section
// and key of a name win, writes replace a value in place and create the file,
// section or key on demand, everything else in the file is kept. A file that
// starts with the UTF-16LE byte-order mark is read and written as UTF-16.
#include <sys/stat.h>

#include <algorithm>
#include <deque>
#include <fstream>
#include <string_view>
#include <vector>

#include "platform/ini_int.h"
#include "platform/platform.h"
#include "platform/profile_text.h"
#include "platform/text.h"

namespace platform {

std::string NativePath(const std::u16string& path);

namespace {

using View = std::u16string_view;

// The file's text and its lines; a line a write replaces or adds is kept in
// added, so that every line stays a view.
struct ProfileLines {
  bool utf16 = false;
  std::u16string text;
  std::vector<View> lines;
  std::deque<std::u16string> added;

  View Add(std::u16string line) { return added.emplace_back(std::move(line)); }
};

char16_t FromLittleEndian(char16_t unit) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(&unit);
  return static_cast<char16_t>(bytes[0] | (bytes[1] << 8));
}

bool IsRegularFileOrMissing(const std::u16string& path) {
  struct stat st {};
  return stat(NativePath(path).c_str(), &st) != 0 || S_ISREG(st.st_mode);
}

// The file's text, decoded from UTF-16LE after its byte-order mark or else
// from UTF-8; false when it cannot be read.
bool LoadText(const std::u16string& path, ProfileLines& profile) {
  if (!IsRegularFileOrMissing(path)) return false;
  std::ifstream in(NativePath(path), std::ios::binary | std::ios::ate);
  if (!in) return false;
  const auto size = static_cast<size_t>(std::max<std::streamoff>(in.tellg(), 0));
  in.seekg(0);
  char mark[2] = {};
  in.read(mark, 2);
  if (in.gcount() == 2 && static_cast<unsigned char>(mark[0]) == 0xFF &&
      static_cast<unsigned char>(mark[1]) == 0xFE) {
    // Straight into the text: a list of a thousand names is some 100 KB.
    profile.utf16 = true;
    std::u16string& text = profile.text;
    text.resize((size - 2) / 2);
    in.read(reinterpret_cast<char*>(text.data()), static_cast<std::streamsize>(text.size() * 2));
    text.resize(static_cast<size_t>(std::max<std::streamsize>(in.gcount(), 0)) / 2);
    for (char16_t& c : text) c = FromLittleEndian(c);
    return true;
  }
  in.clear();
  in.seekg(0);
  std::string bytes(size, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(size));
  bytes.resize(static_cast<size_t>(std::max<std::streamsize>(in.gcount(), 0)));
  size_t start = 0;
  if (bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) start = 3;
  profile.text = FromUtf8(std::string_view(bytes).substr(start));
  return true;
}

// The lines of text one after the other; a line ends at CR, LF or CR LF.
class LineCursor {
 public:
  explicit LineCursor(View text) : text_(text) {}
  bool Next(View& line) {
    if (at_ >= text_.size()) return false;
    size_t end = at_;
    while (end < text_.size() && text_[end] != u'\r' && text_[end] != u'\n') ++end;
    line = text_.substr(at_, end - at_);
    at_ = end + 1;
    if (end < text_.size() && text_[end] == u'\r' && at_ < text_.size() && text_[at_] == u'\n')
      ++at_;
    return true;
  }

 private:
  View text_;
  size_t at_ = 0;
};

bool LoadProfile(const std::u16string& path, ProfileLines& profile) {
  if (!LoadText(path, profile)) return false;
  LineCursor cursor(profile.text);
  for (View line; cursor.Next(line);) profile.lines.push_back(line);
  return true;
}

bool SaveProfile(const std::u16string& path, const ProfileLines& profile) {
  std::u16string text;
  for (const View line : profile.lines) {
    text += line;
    text += u"\r\n";
  }
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
bool SectionOf(View line, View& name) {
  const View t = TrimProfileText(line);
  if (t.empty() || t[0] != u'[') return false;
  const size_t close = t.find(u']');
  name = TrimProfileText(t.substr(1, close == View::npos ? View::npos : close - 1));
  return true;
}

bool KeyOf(View line, View& key, View& value) {
  const size_t eq = line.find(u'=');
  if (eq == View::npos) return false;
  key = TrimProfileText(line.substr(0, eq));
  value = TrimProfileText(line.substr(eq + 1));
  return true;
}

// Index range [begin, end) of the body of the first section called name;
// begin is npos when there is no such section.
std::pair<size_t, size_t> FindSection(const ProfileLines& p, View section) {
  View name;
  for (size_t i = 0; i < p.lines.size(); ++i) {
    if (!SectionOf(p.lines[i], name) || !EqualsIgnoreCase(name, section)) continue;
    size_t end = i + 1;
    View other;
    while (end < p.lines.size() && !SectionOf(p.lines[end], other)) ++end;
    return {i + 1, end};
  }
  return {View::npos, 0};
}

// Calls onLine with every line of the body of the first section called
// section, until it returns false. False when the file cannot be read.
template <class OnLine>
bool ForEachLineOfSection(const std::u16string& path, View section, OnLine onLine) {
  ProfileLines p;
  if (!LoadText(path, p)) return false;
  LineCursor cursor(p.text);
  View line, name;
  while (cursor.Next(line))
    if (SectionOf(line, name) && EqualsIgnoreCase(name, section)) break;
  while (cursor.Next(line) && !SectionOf(line, name))
    if (!onLine(line)) break;
  return true;
}

}  // namespace

std::u16string ReadProfileText(const std::u16string& path, const std::u16string& section,
                               const std::u16string& key, const std::u16string& fallback) {
  std::u16string value = fallback;
  ForEachLineOfSection(path, section, [&](View line) {
    View k, v;
    if (!KeyOf(line, k, v) || !EqualsIgnoreCase(k, key)) return true;
    value.assign(UnquoteProfileValue(v).substr(0, kMaxProfileValueLength));
    return false;
  });
  return value;
}

// One pass over the file for all the sections. Windows gives a line without
// '=' as a bare key; the key reads here pass over such lines, so the section
// reads leave them out as well.
std::vector<bool> ReadProfileSections(
    const std::u16string& path, const std::vector<std::u16string>& sections,
    const std::function<void(size_t section, View entry)>& onEntry) {
  std::vector<bool> whole(sections.size(), true);
  ProfileLines p;
  if (!LoadText(path, p)) return whole;
  std::vector<bool> seen(sections.size(), false);
  size_t current = sections.size();  // none of ours
  LineCursor cursor(p.text);
  View line, name, k, v;
  while (cursor.Next(line)) {
    if (SectionOf(line, name)) {
      // Only the first section of a name counts.
      current = sections.size();
      for (size_t i = 0; i < sections.size(); ++i) {
        if (!EqualsIgnoreCase(name, sections[i])) continue;
        if (!seen[i]) current = i;
        seen[i] = true;
      }
      continue;
    }
    if (current < sections.size() && KeyOf(line, k, v) && (k.empty() || k[0] != u';'))
      onEntry(current, line);
  }
  return whole;
}

bool WriteProfileText(const std::u16string& path, const std::u16string& section,
                      const std::u16string& key, const std::u16string& value) {
  ProfileLines p;
  LoadProfile(path, p);
  const std::u16string line = key + u"=" + value;
  const auto [begin, end] = FindSection(p, section);
  if (begin == View::npos) {
    p.lines.push_back(p.Add(u"[" + section + u"]"));
    p.lines.push_back(p.Add(line));
    return SaveProfile(path, p);
  }
  View k, v;
  size_t lastContent = begin;
  for (size_t i = begin; i < end; ++i) {
    if (KeyOf(p.lines[i], k, v) && EqualsIgnoreCase(k, key)) {
      p.lines[i] = p.Add(line);
      return SaveProfile(path, p);
    }
    if (!TrimProfileText(p.lines[i]).empty()) lastContent = i + 1;
  }
  p.lines.insert(p.lines.begin() + static_cast<std::ptrdiff_t>(lastContent), p.Add(line));
  return SaveProfile(path, p);
}

}  // namespace platform
