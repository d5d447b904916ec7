// UTF-8 / UTF-16 conversion and the quoting the call log uses.
#pragma once

#include <cstdint>
#include <string>

namespace standin {

std::string Utf8(const std::wstring& text);
std::string Utf8(const wchar_t* text, size_t length);
std::wstring WideFromUtf8(const std::string& utf8);
// The same 16-bit units, for the fake player's portable strings.
std::wstring WideText(const std::u16string& text);
std::u16string Utf16Text(const std::wstring& text);

// A player-side string read from the plug-in: at most maxLength characters,
// stopping at the terminator.
std::wstring BoundedText(const wchar_t* text, size_t maxLength);

// "text" with backslash, quote and control characters escaped; null for a null pointer.
std::string Quoted(const std::wstring& text);
std::string QuotedOrNull(const wchar_t* text, size_t maxLength = 4096);
std::string Hex(uint32_t value);

// The folder of this executable, with a trailing backslash.
std::wstring ExeFolder();

}  // namespace standin
