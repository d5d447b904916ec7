// The stand-in's skins: small text files in the Skins folder beside the exe,
//   author=...  name=...  description=...  preview=RRGGBB  preview_size=W,H
// and the built-in skin (empty name). Previews are made once per skin and kept
// until exit: the plug-in borrows them and never deletes them.
#pragma once

#include <windows.h>

#include <cstdint>
#include <map>
#include <set>
#include <string>

#include "fake_player/services.h"
#include "standin_player/win_handles.h"

namespace standin {

struct SkinText {
  std::wstring author;
  std::wstring name;
  std::wstring description;
  bool hasPreview = false;
  uint32_t previewColor = 0;  // 0x00BBGGRR
  int previewWidth = 160;
  int previewHeight = 100;
};

// Reads the UTF-8 text of a skin file; unknown lines are ignored.
SkinText ParseSkinText(const std::string& utf8);

// The skins the stand-in's skins service describes and applies.
class SkinCatalog final : public fake_player::SkinSource {
 public:
  struct Entry {
    SkinText text;
    Bitmap preview;
  };

  explicit SkinCatalog(std::wstring folder) : folder_(std::move(folder)) {}
  void Refuse(const std::wstring& name) { refused_.insert(name); }

  // Null when the skin is refused, is not a plain file name or has no file.
  const Entry* Find(const std::wstring& name);
  bool Exists(const std::wstring& name) const;
  const std::wstring& Folder() const { return folder_; }

  bool Describe(const std::u16string& name, fake_player::SkinDescription* description) override;
  bool CanApply(const std::u16string& name) override;

 private:
  std::wstring folder_;
  std::set<std::wstring> refused_;
  std::map<std::wstring, Entry> entries_;
};

}  // namespace standin
