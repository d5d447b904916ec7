// Private-profile (INI) functions as Windows has them: case-insensitive names,
// trimmed values with one pair of enclosing quotes removed, the first section
// and key of a name win (a key without '=' reads as missing), writes replace a
// value in place and create the file, section or key on demand, and the file
// is written back as the system lays it out: lines trimmed, blank lines gone.
// A file keeps its encoding: UTF-16 or UTF-8 after a byte-order mark, else the
// ANSI code page; a new file is ANSI.
#include <algorithm>
#include <deque>
#include <fstream>
#include <string_view>
#include <vector>

#include "platform/ini_int.h"
#include "platform/platform.h"
#include "platform/posix/posix_files.h"
#include "platform/profile_text.h"
#include "platform/text.h"

namespace platform {

namespace {

using View = std::u16string_view;

enum class Encoding { kAnsi, kUtf8, kUtf16Le, kUtf16Be };

// The ANSI code page is Windows-1252, as Wine has it in the C.UTF-8 locale the
// Windows test runs use: 0x80..0x9F here, the rest as in Latin-1.
constexpr char16_t kAnsiHigh[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t FromAnsi(unsigned char b) {
  return b >= 0x80 && b < 0xA0 ? kAnsiHigh[b - 0x80] : b;
}

char ToAnsi(char16_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
  const auto* found = std::find(std::begin(kAnsiHigh), std::end(kAnsiHigh), c);
  return found == std::end(kAnsiHigh) ? '?' : static_cast<char>(0x80 + (found - kAnsiHigh));
}

// The file's text and its lines; a line a write replaces or adds is kept in
// added, so that every line stays a view.
struct ProfileLines {
  Encoding encoding = Encoding::kAnsi;
  std::u16string text;
  std::vector<View> lines;
  std::deque<std::u16string> added;

  View Add(std::u16string line) { return added.emplace_back(std::move(line)); }
};

char16_t FromLittleEndian(char16_t unit) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(&unit);
  return static_cast<char16_t>(bytes[0] | (bytes[1] << 8));
}

// The file's text, decoded as its byte-order mark says; false when it cannot
// be read.
bool LoadText(const std::u16string& path, ProfileLines& profile) {
  if (KindOf(path) != FileKind::kReadable) return false;
  std::ifstream in(NativePath(path), std::ios::binary | std::ios::ate);
  if (!in) return false;
  const auto size = static_cast<size_t>(std::max<std::streamoff>(in.tellg(), 0));
  in.seekg(0);
  unsigned char mark[2] = {};
  in.read(reinterpret_cast<char*>(mark), 2);
  const bool little = mark[0] == 0xFF && mark[1] == 0xFE;
  if (in.gcount() == 2 && (little || (mark[0] == 0xFE && mark[1] == 0xFF))) {
    // Into the text with one copy, in pieces: a list of a thousand names is
    // some 100 KB, and resizing the text to read into would first fill it
    // character by character.
    profile.encoding = little ? Encoding::kUtf16Le : Encoding::kUtf16Be;
    std::u16string& text = profile.text;
    text.reserve((size - 2) / 2);
    std::vector<char16_t> piece(std::min<size_t>(text.capacity(), size_t{1} << 15) + 1);
    for (;;) {
      in.read(reinterpret_cast<char*>(piece.data()),
              static_cast<std::streamsize>(piece.size() * 2));
      const auto got = static_cast<size_t>(std::max<std::streamsize>(in.gcount(), 0)) / 2;
      text.append(piece.data(), got);
      if (got < piece.size()) break;
    }
    // Nothing to turn where the file's byte order is this machine's.
    constexpr char16_t kProbe = 1;
    if (!little || FromLittleEndian(kProbe) != kProbe) {
      for (char16_t& c : text) {
        c = FromLittleEndian(c);
        if (!little) c = static_cast<char16_t>((c >> 8) | (c << 8));
      }
    }
    return true;
  }
  in.clear();
  in.seekg(0);
  std::string bytes(size, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(size));
  bytes.resize(static_cast<size_t>(std::max<std::streamsize>(in.gcount(), 0)));
  if (bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) {
    profile.encoding = Encoding::kUtf8;
    profile.text = FromUtf8(std::string_view(bytes).substr(3));
    return true;
  }
  profile.text.resize(bytes.size());
  std::transform(bytes.begin(), bytes.end(), profile.text.begin(),
                 [](char b) { return FromAnsi(static_cast<unsigned char>(b)); });
  return true;
}

std::string Encode(View text, Encoding encoding) {
  std::string bytes;
  switch (encoding) {
    case Encoding::kUtf16Le:
    case Encoding::kUtf16Be: {
      const bool little = encoding == Encoding::kUtf16Le;
      bytes = little ? "\xFF\xFE" : "\xFE\xFF";
      for (const char16_t c : text) {
        const char low = static_cast<char>(c & 0xFF), high = static_cast<char>(c >> 8);
        bytes += little ? low : high;
        bytes += little ? high : low;
      }
      break;
    }
    case Encoding::kUtf8:
      bytes = "\xEF\xBB\xBF" + ToUtf8(text);
      break;
    case Encoding::kAnsi:
      bytes.resize(text.size());
      std::transform(text.begin(), text.end(), bytes.begin(), ToAnsi);
      break;
  }
  return bytes;
}

bool IsLineEnd(char16_t c) {
  return c == u'\r' || c == u'\n';
}

// The index of the CR or LF that ends the line at at, or the text's size.
size_t LineEnd(View text, size_t at) {
  for (;;) {
    // Both line-end characters are below '\x0E', as few others are: four
    // characters at a time to the next such one.
    uint64_t low = 0;
    for (; at + 4 <= text.size(); at += 4)
      if ((low = LanesBelow(FourUnitsAt(&text[at]), 0x0E)) != 0) break;
    if (low == 0) {
      while (at < text.size() && !IsLineEnd(text[at])) ++at;
      return at;
    }
    at += FirstMarkedLane(low);
    if (IsLineEnd(text[at])) return at;
    ++at;
  }
}

// The lines of text one after the other; a line ends at CR, LF or CR LF.
class LineCursor {
 public:
  explicit LineCursor(View text) : text_(text) {}
  bool Next(View& line) {
    if (at_ >= text_.size()) return false;
    const size_t end = LineEnd(text_, at_);
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

// The section name of a header line, or false when the line is none: a
// trimmed line from '[' to its last ']'. A '[' without ']' starts a key.
bool SectionOf(View line, View& name) {
  const View t = TrimProfileText(line);
  if (t.empty() || t[0] != u'[') return false;
  const size_t close = t.rfind(u']');
  if (close == View::npos) return false;
  name = TrimProfileText(t.substr(1, close - 1));
  return true;
}

// The name of a line that is no header, and its value unless it has no '=';
// false for a blank line.
bool KeyOf(View line, View& key, View& value, bool& hasValue) {
  const View t = TrimProfileText(line);
  if (t.empty()) return false;
  const size_t eq = t.find(u'=');
  hasValue = eq != View::npos;
  key = TrimProfileText(t.substr(0, eq));
  value = hasValue ? TrimProfileText(t.substr(eq + 1)) : View();
  return true;
}

// The system keeps no key without a name right after another one.
class NamelessRun {
 public:
  bool Repeats(bool nameless) {
    const bool repeats = nameless && last_;
    last_ = nameless;
    return repeats;
  }
  void NewSection() { last_ = false; }

 private:
  bool last_ = false;
};

// The text the system writes for the lines: each trimmed, "name=value" without
// blanks about '=', no blank lines, no header for a section without a name.
// The line at raw is written as it stands.
std::u16string LaidOut(const std::vector<View>& lines, size_t raw) {
  std::u16string text;
  NamelessRun nameless;
  View name, key, value;
  bool hasValue = false;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i == raw) {
      text.append(lines[i]).append(u"\r\n");
    } else if (SectionOf(lines[i], name)) {
      nameless.NewSection();
      if (!name.empty()) text.append(u"[").append(name).append(u"]\r\n");
    } else if (KeyOf(lines[i], key, value, hasValue) && !nameless.Repeats(key.empty())) {
      text.append(key);
      if (hasValue) text.append(u"=").append(value);
      text.append(u"\r\n");
    }
  }
  return text;
}

bool SaveProfile(const std::u16string& path, const ProfileLines& profile, size_t raw) {
  const std::string bytes = Encode(LaidOut(profile.lines, raw), profile.encoding);
  std::ofstream out(NativePath(path), std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  return static_cast<bool>(out);
}

// Index range [begin, end) of the body of the first section called name;
// begin is npos when there is no such section. The lines before the first
// header are the section without a name.
std::pair<size_t, size_t> FindSection(const ProfileLines& p, View section) {
  View name;
  size_t begin = section.empty() ? 0 : View::npos;
  for (size_t i = 0; i < p.lines.size(); ++i) {
    if (!SectionOf(p.lines[i], name)) continue;
    if (begin != View::npos) return {begin, i};
    if (EqualsIgnoreCase(name, section)) begin = i + 1;
  }
  return {begin, p.lines.size()};
}

// Calls onLine with every line of the body of the first section called
// section, until it returns false. False when the file cannot be read.
template <class OnLine>
bool ForEachLineOfSection(const std::u16string& path, View section, OnLine onLine) {
  ProfileLines p;
  if (!LoadText(path, p)) return false;
  LineCursor cursor(p.text);
  View line, name;
  if (!section.empty()) {
    while (cursor.Next(line))
      if (SectionOf(line, name) && EqualsIgnoreCase(name, section)) break;
  }
  while (cursor.Next(line) && !SectionOf(line, name))
    if (!onLine(line)) break;
  return true;
}

View WithoutLeadingBlanks(View s) {
  while (!s.empty() && IsProfileBlank(s.front())) s.remove_prefix(1);
  return s;
}

}  // namespace

// The section and key asked for are trimmed; the file's first key of the
// name answers, and one without '=' gives the fallback.
std::u16string ReadProfileText(const std::u16string& path, const std::u16string& section,
                               const std::u16string& key, const std::u16string& fallback) {
  std::u16string value(ProfileFallback(fallback));
  const View wanted = TrimProfileText(key);
  ForEachLineOfSection(path, TrimProfileText(section), [&](View line) {
    View k, v;
    bool hasValue = false;
    if (!KeyOf(line, k, v, hasValue) || !EqualsIgnoreCase(k, wanted)) return true;
    if (hasValue) value.assign(UnquoteProfileValue(v).substr(0, kMaxProfileValueLength));
    return false;
  });
  return value;
}

// One pass over the file for all the sections, whose names are taken as
// given. A line without '=' is a bare key; comments are left out.
std::vector<bool> ReadProfileSections(
    const std::u16string& path, const std::vector<std::u16string>& sections,
    const std::function<void(size_t section, View entry)>& onEntry, ProfileSectionTexts& texts) {
  std::vector<bool> whole(sections.size(), true);
  ProfileLines p;
  if (!LoadText(path, p)) return whole;
  // The entries are views of the lines, so the text is kept rather than copied from.
  const std::u16string& text = texts.emplace_back(std::move(p.text));
  std::vector<bool> seen(sections.size(), false);
  size_t current = sections.size();  // none of ours
  // The lines before the first header are the section without a name.
  for (size_t i = 0; i < sections.size(); ++i) {
    if (!sections[i].empty()) continue;
    if (!seen[i] && current == sections.size()) current = i;
    seen[i] = true;
  }
  NamelessRun nameless;
  LineCursor cursor(text);
  View line, name;
  while (cursor.Next(line)) {
    // As SectionOf and KeyOf take a line, with one trimming of it.
    const View t = TrimProfileText(line);
    if (t.empty()) continue;
    if (t[0] == u'[' && SectionOf(t, name)) {
      // Only the first section of a name counts; a name asked for twice gets
      // its entries once, for the first asking.
      current = sections.size();
      for (size_t i = 0; i < sections.size(); ++i) {
        if (!EqualsIgnoreCase(name, sections[i])) continue;
        if (!seen[i] && current == sections.size()) current = i;
        seen[i] = true;
      }
      nameless.NewSection();
      continue;
    }
    if (current >= sections.size()) continue;
    // The line is trimmed: its name is empty just where it starts with '=',
    // and a comment's name starts with ';'.
    if (nameless.Repeats(t[0] == u'=')) continue;
    if (t[0] != u';') onEntry(current, t);
  }
  return whole;
}

// Fails, leaving the file as it is, when the file is read-only or cannot be
// read. Leading blanks of the value are dropped; writing the value a key has
// leaves the file alone.
bool WriteProfileText(const std::u16string& path, const std::u16string& section,
                      const std::u16string& key, const std::u16string& value) {
  const FileKind kind = KindOf(path);
  if (kind == FileKind::kOther || kind == FileKind::kUnreadable || IsReadOnlyFile(path))
    return false;
  ProfileLines p;
  if (kind == FileKind::kReadable && !LoadProfile(path, p)) return false;
  const View name = TrimProfileText(section), wanted = TrimProfileText(key);
  const View written = WithoutLeadingBlanks(value);
  const auto [begin, end] = FindSection(p, name);
  if (begin == View::npos) {
    p.lines.push_back(p.Add(u"[" + std::u16string(name) + u"]"));
    p.lines.push_back(p.Add(std::u16string(wanted) + u"=" + std::u16string(written)));
    return SaveProfile(path, p, p.lines.size() - 1);
  }
  View k, v;
  bool hasValue = false;
  size_t lastKey = begin;
  for (size_t i = begin; i < end; ++i) {
    if (!KeyOf(p.lines[i], k, v, hasValue)) continue;
    lastKey = i + 1;
    if (!EqualsIgnoreCase(k, wanted)) continue;
    if (hasValue && v == written) return true;
    // The name keeps its letter case as the file has it.
    p.lines[i] = p.Add(std::u16string(k) + u"=" + std::u16string(written));
    return SaveProfile(path, p, i);
  }
  p.lines.insert(p.lines.begin() + static_cast<std::ptrdiff_t>(lastKey),
                 p.Add(std::u16string(wanted) + u"=" + std::u16string(written)));
  return SaveProfile(path, p, lastKey);
}

}  // namespace platform
