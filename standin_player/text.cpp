#include "standin_player/text.h"

#include <windows.h>

#include <cstdio>

namespace standin {

std::string Utf8(const wchar_t* text, size_t length) {
  if (length == 0) return {};
  const int n =
      WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), out.data(), n, nullptr, nullptr);
  return out;
}

std::string Utf8(const std::wstring& text) {
  return Utf8(text.data(), text.size());
}

std::wstring WideFromUtf8(const std::string& utf8) {
  if (utf8.empty()) return {};
  const int n =
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring out(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), n);
  return out;
}

std::wstring WideText(const std::u16string& text) {
  return std::wstring(reinterpret_cast<const wchar_t*>(text.data()), text.size());
}

std::u16string Utf16Text(const std::wstring& text) {
  return std::u16string(reinterpret_cast<const char16_t*>(text.data()), text.size());
}

std::wstring BoundedText(const wchar_t* text, size_t maxLength) {
  size_t n = 0;
  while (n < maxLength && text[n] != L'\0') ++n;
  return std::wstring(text, n);
}

std::string Quoted(const std::wstring& text) {
  std::string out = "\"";
  for (char c : Utf8(text)) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char esc[8];
          std::snprintf(esc, sizeof esc, "\\x%02X", static_cast<unsigned char>(c));
          out += esc;
        } else {
          out += c;
        }
    }
  }
  return out + "\"";
}

std::string QuotedOrNull(const wchar_t* text, size_t maxLength) {
  return text ? Quoted(BoundedText(text, maxLength)) : "null";
}

std::string Hex(uint32_t value) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "0x%X", static_cast<unsigned>(value));
  return buf;
}

std::wstring ExeFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n < path.size()) {
      path.resize(n);
      break;
    }
    path.resize(path.size() * 2);
  }
  return path.substr(0, path.find_last_of(L"\\/") + 1);
}

}  // namespace standin
