// The skin selection window: every skin the player has, and the user's
// selection that the skin mode "Выборочные" draws from.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/skin_entry.h"
#include "ui/toolkit/controls.h"
#include "ui/toolkit/form.h"
#include "ui/toolkit/list_box.h"

namespace toolkit {
template <class F>
struct WindowDescription;
}

namespace kaleidra {

// An owner-drawn list whose rows refer to skin entries. Each row's payload is
// its entry (or null); the list holds the references that keep them alive.
// Change the rows only through Append, RemoveItem and ClearItems, so that the
// rows and their references stay together.
class TSkinListBox : public toolkit::ListBox, public kaleidra::SkinItems {
 public:
  int Count() const override { return ListBox::Count(); }
  std::u16string_view Text(int index) const override { return ItemText(index); }
  const kaleidra::SkinEntryRef& Entry(int index) const override { return entries_.at(index); }
  void Append(std::u16string_view text, kaleidra::SkinEntryRef entry) override;
  void RemoveItem(int index);
  void ClearItems();
  void ReplaceItems(const kaleidra::SkinItems& items);

 private:
  // Rows without their references would break the pairing.
  using ListBox::AddItem;
  using ListBox::Clear;
  using ListBox::DeleteItem;

  std::vector<kaleidra::SkinEntryRef> entries_;
};

// The entry a row's payload points at; null for a refused skin.
const kaleidra::SkinEntry* RowEntry(const toolkit::ListBox& list, int index);

class TSkinListForm : public toolkit::Form {
 public:
  TSkinListForm();
  ~TSkinListForm() override;

  toolkit::Label* AllSkinsLbl = nullptr;
  TSkinListBox* SkinList = nullptr;
  toolkit::Button* AddBtn = nullptr;
  toolkit::Label* SelSkinsLbl = nullptr;
  TSkinListBox* SelSkinList = nullptr;  // the lists file loads into and saves from it
  toolkit::Button* DelBtn = nullptr;
  toolkit::Button* ClearBtn = nullptr;
  toolkit::Label* lbl2 = nullptr;
  toolkit::PictureArea* PreviewImage = nullptr;
  toolkit::Label* lbl1 = nullptr;
  toolkit::Memo* InfoMmo = nullptr;
  toolkit::Button* OKBtn = nullptr;
  toolkit::Button* ExitBtn = nullptr;

  void FormCreate();
  void FormShow();
  void FormDestroy();
  void SkinListClick(toolkit::ListBox& list);
  void SkinListDblClick();
  void SkinListDrawItem(toolkit::ListBox& list, toolkit::Canvas& canvas,
                        const toolkit::DrawItemEvent& e);
  void AddBtnClick();
  void SelSkinListKeyDown(toolkit::ListBox& list, uint16_t& key, uint8_t shift);
  void DelBtnClick();
  void ClearBtnClick();
  void OKBtnClick();
  void ExitBtnClick();

  // Fills SkinList: the built-in skin, then the folder's "*.acs2" and "*.acs3" files.
  void FillSkinList(const std::u16string& folder);

  // Drops the selection's references to its entries (the rows go with them,
  // and the copy taken at the last showing too); for the save at shut-down.
  void ReleaseSelectionEntries();

  // The selection as it was when the window was last shown.
  const kaleidra::SkinItemVector& TempList() const { return tempList; }

 private:
  void ShowPreview(const kaleidra::SkinEntry* entry);
  void ShowInfo(const kaleidra::SkinEntry* entry);

  kaleidra::SkinItemVector tempList;
};

// In skin_window_description.cpp.
const toolkit::WindowDescription<TSkinListForm>& SkinListFormDescription();

extern std::unique_ptr<TSkinListForm> SkinListForm;

}  // namespace kaleidra
