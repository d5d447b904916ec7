#include "standin_player/skin_catalog.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "standin_player/text.h"

namespace standin {

namespace {

// Wide enough for long thin previews such as 3000 x 2.
constexpr int kMaxPreviewSide = 4096;
constexpr DWORD kMaxSkinFileBytes = 64 * 1024;

std::string Trimmed(std::string s) {
  while (!s.empty() && (s.back() == '\r' || s.back() == ' ' || s.back() == '\t')) s.pop_back();
  size_t start = 0;
  while (start < s.size() && (s[start] == ' ' || s[start] == '\t')) ++start;
  return s.substr(start);
}

bool ParseRgb(const std::string& hex, uint32_t* bgr) {
  if (hex.size() != 6 || hex.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
    return false;
  const unsigned long rgb = std::strtoul(hex.c_str(), nullptr, 16);
  *bgr = ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
  return true;
}

void ParseSize(const std::string& value, SkinText* text) {
  const size_t comma = value.find(',');
  if (comma == std::string::npos) return;
  const int w = std::atoi(value.substr(0, comma).c_str());
  const int h = std::atoi(value.substr(comma + 1).c_str());
  if (w < 1 || h < 1) return;
  text->previewWidth = std::min(w, kMaxPreviewSide);
  text->previewHeight = std::min(h, kMaxPreviewSide);
}

bool IsPlainFileName(const std::wstring& name) {
  return !name.empty() && name != L"." && name != L".." &&
         name.find_first_of(L"\\/:*?\"<>|") == std::wstring::npos;
}

bool ReadSmallFile(const std::wstring& path, std::string* bytes) {
  FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  std::vector<char> buf(kMaxSkinFileBytes);
  DWORD got = 0;
  if (!ReadFile(file.Get(), buf.data(), kMaxSkinFileBytes, &got, nullptr)) return false;
  bytes->assign(buf.data(), got);
  return true;
}

Bitmap SolidBitmap(uint32_t bgr, int width, int height) {
  const BITMAPINFO info = DibInfo(width, -height, 32);
  void* bits = nullptr;
  Bitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || !bits) return {};
  // DIB pixels are 0x00RRGGBB.
  const uint32_t pixel = ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF);
  std::fill_n(static_cast<uint32_t*>(bits), static_cast<size_t>(width) * height, pixel);
  GdiFlush();
  return bitmap;
}

SkinText BuiltInSkin() {
  SkinText text;
  text.author = L"Stand-in";
  text.name = L"Built-in skin";
  text.description = L"The player's own skin.";
  text.hasPreview = true;
  text.previewColor = 0x00806040;
  return text;
}

}  // namespace

SkinText ParseSkinText(const std::string& utf8) {
  SkinText text;
  std::string body = utf8;
  if (body.rfind("\xEF\xBB\xBF", 0) == 0) body.erase(0, 3);
  size_t pos = 0;
  while (pos <= body.size()) {
    size_t end = body.find('\n', pos);
    if (end == std::string::npos) end = body.size();
    const std::string line = body.substr(pos, end - pos);
    pos = end + 1;
    const size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    const std::string key = Trimmed(line.substr(0, eq));
    const std::string value = Trimmed(line.substr(eq + 1));
    if (key == "author") {
      text.author = WideFromUtf8(value);
    } else if (key == "name") {
      text.name = WideFromUtf8(value);
    } else if (key == "description") {
      text.description = WideFromUtf8(value);
    } else if (key == "preview") {
      text.hasPreview = ParseRgb(value, &text.previewColor);
    } else if (key == "preview_size") {
      ParseSize(value, &text);
    }
  }
  return text;
}

bool SkinCatalog::Exists(const std::wstring& name) const {
  if (name.empty()) return true;
  if (!IsPlainFileName(name)) return false;
  const DWORD attributes = GetFileAttributesW((folder_ + name).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

const SkinCatalog::Entry* SkinCatalog::Find(const std::wstring& name) {
  if (refused_.count(name)) return nullptr;
  const auto known = entries_.find(name);
  if (known != entries_.end()) return &known->second;
  SkinText text;
  if (name.empty()) {
    text = BuiltInSkin();
  } else {
    std::string bytes;
    if (!Exists(name) || !ReadSmallFile(folder_ + name, &bytes)) return nullptr;
    text = ParseSkinText(bytes);
  }
  Entry entry;
  if (text.hasPreview)
    entry.preview = SolidBitmap(text.previewColor, text.previewWidth, text.previewHeight);
  entry.text = std::move(text);
  return &entries_.emplace(name, std::move(entry)).first->second;
}

bool SkinCatalog::Describe(const std::u16string& name, fake_player::SkinDescription* description) {
  const Entry* entry = Find(WideText(name));
  if (!entry) return false;
  description->author = Utf16Text(entry->text.author);
  description->name = Utf16Text(entry->text.name);
  description->description = Utf16Text(entry->text.description);
  description->preview = entry->preview.Get();
  return true;
}

bool SkinCatalog::CanApply(const std::u16string& name) {
  return Exists(WideText(name));
}

}  // namespace standin
