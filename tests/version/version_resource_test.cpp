// The plug-in's version resource as Windows reads it: what Explorer's
// Properties and the player's plug-in list show for the DLL beside this test.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "host/AIMPSDKAddons.h"

namespace {

std::wstring DllBesideTest() {
  std::wstring path(MAX_PATH, L'\0');
  path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
  return path.substr(0, path.find_last_of(L"\\/") + 1) + L"orvo_aimp_kaleidra.dll";
}

std::wstring Widen(const std::string& ascii) {
  return std::wstring(ascii.begin(), ascii.end());
}

std::wstring Widen(const char16_t* text) {
  return text ? std::wstring(text, text + std::char_traits<char16_t>::length(text))
              : std::wstring();
}

// The project version as the four numbers of the fixed part.
std::vector<unsigned> VersionNumbers() {
  unsigned n[4] = {0, 0, 0, 0};
  std::sscanf(KALEIDRA_VERSION, "%u.%u.%u.%u", &n[0], &n[1], &n[2], &n[3]);
  return {n[0], n[1], n[2], n[3]};
}

class VersionBlock {
 public:
  explicit VersionBlock(const std::wstring& file) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(file.c_str(), &ignored);
    if (size == 0) return;
    data_.resize(size);
    if (!GetFileVersionInfoW(file.c_str(), 0, size, data_.data())) data_.clear();
  }
  bool Empty() const { return data_.empty(); }

  // The bytes of a binary value; empty when the path is missing.
  std::vector<BYTE> Bytes(const std::wstring& path) {
    UINT size = 0;
    const auto* value = static_cast<const BYTE*>(Query(path, &size));
    return value ? std::vector<BYTE>(value, value + size) : std::vector<BYTE>();
  }

  // A string of a table; its size counts characters.
  std::wstring Text(const std::wstring& table, const std::wstring& name) {
    UINT size = 0;
    const auto* value =
        static_cast<const wchar_t*>(Query(L"\\StringFileInfo\\" + table + L"\\" + name, &size));
    return value ? std::wstring(value, wcsnlen(value, size)) : std::wstring();
  }

 private:
  const void* Query(const std::wstring& path, UINT* size) {
    void* value = nullptr;
    if (data_.empty() || !VerQueryValueW(data_.data(), path.c_str(), &value, size)) return nullptr;
    return value;
  }

  std::vector<BYTE> data_;
};

class VersionResource : public ::testing::Test {
 protected:
  VersionBlock block_{DllBesideTest()};
};

TEST_F(VersionResource, FixedPartCarriesTheProjectVersion) {
  ASSERT_FALSE(block_.Empty()) << "no version resource";
  const std::vector<BYTE> bytes = block_.Bytes(L"\\");
  ASSERT_EQ(bytes.size(), sizeof(VS_FIXEDFILEINFO));
  VS_FIXEDFILEINFO info;
  std::memcpy(&info, bytes.data(), sizeof info);
  EXPECT_EQ(info.dwSignature, 0xFEEF04BDu);
  const std::vector<unsigned> n = VersionNumbers();
  const std::vector<unsigned> file = {HIWORD(info.dwFileVersionMS), LOWORD(info.dwFileVersionMS),
                                      HIWORD(info.dwFileVersionLS), LOWORD(info.dwFileVersionLS)};
  const std::vector<unsigned> product = {
      HIWORD(info.dwProductVersionMS), LOWORD(info.dwProductVersionMS),
      HIWORD(info.dwProductVersionLS), LOWORD(info.dwProductVersionLS)};
  EXPECT_EQ(file, n);
  EXPECT_EQ(product, n);
  EXPECT_EQ(info.dwFileType, static_cast<DWORD>(VFT_DLL));
  EXPECT_EQ(info.dwFileFlags & info.dwFileFlagsMask, 0u) << "a debug or pre-release build";
}

TEST_F(VersionResource, OneRussianUnicodeTranslation) {
  ASSERT_FALSE(block_.Empty()) << "no version resource";
  const std::vector<BYTE> bytes = block_.Bytes(L"\\VarFileInfo\\Translation");
  ASSERT_EQ(bytes.size(), 4u);
  EXPECT_EQ(bytes[0] | bytes[1] << 8, 0x0419);
  EXPECT_EQ(bytes[2] | bytes[3] << 8, 1200);
}

TEST_F(VersionResource, StringsInTheRussianTable) {
  ASSERT_FALSE(block_.Empty()) << "no version resource";
  const std::wstring version = Widen(KALEIDRA_VERSION);
  const struct {
    const wchar_t* name;
    std::wstring text;
  } cases[] = {
      {L"CompanyName", L"Orvo"},
      {L"FileDescription", L"Случайная смена обложки, оттенка и яркости плеера"},
      {L"FileVersion", version},
      {L"InternalName", L"orvo_aimp_kaleidra.dll"},
      {L"LegalCopyright", L"© 2026 Orvo"},
      {L"OriginalFilename", L"orvo_aimp_kaleidra.dll"},
      {L"ProductName", L"AIMP Kaleidra"},
      {L"ProductVersion", version},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(block_.Text(L"041904B0", c.name), c.text)
        << std::string(c.name, c.name + wcslen(c.name));
  }
}

// The names in the resource are the ones the plug-in gives the player.
TEST_F(VersionResource, NamesMatchWhatThePluginReports) {
  using QueryAddon3 = int32_t(__stdcall*)(host::IAIMPAddonPlugin**);
  struct FreeModule {
    void operator()(HMODULE module) const { FreeLibrary(module); }
  };
  const std::unique_ptr<std::remove_pointer_t<HMODULE>, FreeModule> module(
      LoadLibraryW(DllBesideTest().c_str()));
  ASSERT_TRUE(module);
  const auto query = reinterpret_cast<QueryAddon3>(
      reinterpret_cast<void*>(GetProcAddress(module.get(), "AIMP_QueryAddon3")));
  ASSERT_NE(query, nullptr);
  host::IAIMPAddonPlugin* raw = nullptr;
  query(&raw);
  ASSERT_NE(raw, nullptr);
  const host::HostRef<host::IAIMPAddonPlugin> plugin(raw);

  EXPECT_EQ(block_.Text(L"041904B0", L"ProductName"), Widen(plugin->GetPluginName()));
  EXPECT_EQ(block_.Text(L"041904B0", L"CompanyName"), Widen(plugin->GetPluginAuthor()));
}

}  // namespace
