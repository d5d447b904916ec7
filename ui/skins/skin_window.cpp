#include "ui/skins/skin_window.h"

#include <algorithm>

#include "core/randomiser.h"
#include "platform/message_box.h"
#include "platform/platform.h"
#include "ui/toolkit/description.h"

namespace kaleidra {

std::unique_ptr<TSkinListForm> SkinListForm;

namespace {

using toolkit::Brush;
using toolkit::Canvas;
using toolkit::Font;
using toolkit::Rect;
using toolkit::SysColor;
using toolkit::SystemColor;

constexpr uint32_t kEvenRowColor =
    9356031;  // 0x008EC2FF, light orange; also the placeholder's background
constexpr uint32_t kBlack = 0x000000;
constexpr int kThumbFrame = 5;  // the frame's offset in a row; the thumbnail sits inside
constexpr int kThumbSize = 38;
constexpr int kRowTextLeft = 50;
constexpr int kPlaceholderFontHeight = 21;  // 16 points at 96 dpi

Brush Solid(uint32_t color) {
  return Brush{Brush::Style::Solid, color};
}

void DrawPlaceholder(Canvas& canvas, int width, int height) {
  const std::u16string text = u"Недоступно";
  canvas.FillRect(Rect{0, 0, width, height}, Solid(kEvenRowColor));
  canvas.SetFont(Font{u"Tahoma", kPlaceholderFontHeight, toolkit::kBold});
  canvas.SetTextColor(kBlack);
  canvas.SetTextBackground(false, kEvenRowColor);
  canvas.Rectangle(Rect{0, 0, width + 1, height + 1}, toolkit::Pen{2, kBlack},
                   Solid(kEvenRowColor));
  const toolkit::Size extent = canvas.TextExtent(text);
  canvas.TextAt(width / 2 - extent.width / 2, height / 2 - extent.height / 2, text);
  canvas.SetTextBackground(true, kEvenRowColor);
}

}  // namespace

const SkinEntry* RowEntry(const toolkit::ListBox& list, int index) {
  return static_cast<const SkinEntry*>(list.ItemData(index));
}

// The references live before their rows appear and after they go, so a row
// is never painted with an entry already released.
void TSkinListBox::Append(std::u16string_view text, kaleidra::SkinEntryRef entry) {
  SkinEntry* row = entry.get();
  entries_.push_back(std::move(entry));
  AddItem(text, row);
}

void TSkinListBox::RemoveItem(int index) {
  if (index < 0 || index >= Count()) return;
  DeleteItem(index);
  entries_.erase(entries_.begin() + index);
}

void TSkinListBox::ClearItems() {
  Clear();
  entries_.clear();
}

void TSkinListBox::ReplaceItems(const kaleidra::SkinItems& items) {
  kaleidra::SkinItemVector copy;
  copy.CopyFrom(items);
  ClearItems();
  for (int i = 0; i < copy.Count(); ++i) Append(copy.Text(i), copy.Entry(i));
}

TSkinListForm::TSkinListForm() {
  toolkit::Bind(*this, SkinListFormDescription());
}

TSkinListForm::~TSkinListForm() {
  Destroy();
}

void TSkinListForm::FormCreate() {
  tempList.Clear();
  FillSkinList(kaleidra::SkinsFolder());
}

void TSkinListForm::FormShow() {
  tempList.CopyFrom(*SelSkinList);
}

void TSkinListForm::FormDestroy() {
  tempList.Clear();
}

void TSkinListForm::FillSkinList(const std::u16string& folder) {
  kaleidra::AddSkinItem(*SkinList, u"");  // the built-in skin is always the first row
  // One pass over the folder: a large Skins folder is read once, not per mask.
  for (const auto& names : platform::FindMatches(folder, {u"*.acs2", u"*.acs3"}))
    for (const std::u16string& name : names) kaleidra::AddSkinItem(*SkinList, name);
}

void TSkinListForm::SkinListDrawItem(toolkit::ListBox& list, Canvas& canvas,
                                     const toolkit::DrawItemEvent& e) {
  uint32_t rowColor = e.index % 2 == 0 ? kEvenRowColor : SystemColor(SysColor::Window);
  if (e.selected) rowColor = SystemColor(SysColor::Highlight);
  canvas.FillRect(e.rect, Solid(rowColor));

  if (const SkinEntry* entry = RowEntry(list, e.index)) {
    const int left = e.rect.left;
    const int top = e.rect.top;
    const int frameSize = kThumbSize + 2;
    canvas.Rectangle(Rect::FromBounds(left + kThumbFrame, top + kThumbFrame, frameSize, frameSize),
                     toolkit::Pen{2, kBlack}, Solid(rowColor));
    if (entry->Preview) {
      canvas.StretchBitmap(
          entry->Preview,
          Rect::FromBounds(left + kThumbFrame + 1, top + kThumbFrame + 1, kThumbSize, kThumbSize));
    }
    Font font = list.GetFont();
    canvas.SetFont(font);
    const int h = canvas.TextExtent(u"h").height;
    canvas.SetTextColor(SystemColor(e.selected ? SysColor::HighlightText : SysColor::WindowText));
    canvas.SetTextBackground(true, rowColor);
    font.style = toolkit::kBold;
    canvas.SetFont(font);
    canvas.TextAt(left + kRowTextLeft, top, entry->Name);
    font.style = toolkit::kItalic;
    canvas.SetFont(font);
    canvas.TextAt(left + kRowTextLeft, top + h, entry->Author);
  }
  if (e.focused) canvas.FocusRect(e.rect);
}

// A row the skins service refused has no entry: it shows the placeholder and
// the three information lines without values.
void TSkinListForm::SkinListClick(toolkit::ListBox& list) {
  const int current = list.ItemIndex();
  if (current < 0) return;
  const SkinEntry* entry = RowEntry(list, current);
  ShowPreview(entry);
  ShowInfo(entry);
}

void TSkinListForm::ShowPreview(const SkinEntry* entry) {
  const int width = PreviewImage->Bounds().Width();
  const int height = PreviewImage->Bounds().Height();
  PreviewImage->Draw([&](Canvas& canvas) {
    if (entry && entry->Preview) {
      canvas.StretchBitmap(entry->Preview, Rect{0, 0, width, height});
    } else {
      DrawPlaceholder(canvas, width, height);
    }
  });
}

void TSkinListForm::ShowInfo(const SkinEntry* entry) {
  auto line = [entry](std::u16string label, std::u16string_view SkinEntry::*field) {
    return entry ? label.append(entry->*field) : label;
  };
  InfoMmo->Clear();
  InfoMmo->AddLine(line(u"Автор обложки: ", &SkinEntry::Author));
  InfoMmo->AddLine(line(u"Имя обложки: ", &SkinEntry::Name));
  InfoMmo->AddLine(line(u"Описание обложки: ", &SkinEntry::Description));
}

void TSkinListForm::SkinListDblClick() {
  AddBtnClick();
}

void TSkinListForm::AddBtnClick() {
  const int current = SkinList->ItemIndex();
  if (current < 0) {
    ShowMessage(u"Совершена неверная операция, нечего добавлять", platform::kMbIconError);
    return;
  }
  SelSkinList->Append(SkinList->Text(current), SkinList->Entry(current));
}

void TSkinListForm::SelSkinListKeyDown(toolkit::ListBox&, uint16_t& key, uint8_t) {
  const int current = SelSkinList->ItemIndex();
  if (current < 0 || key != toolkit::kKeyDelete) return;
  SelSkinList->RemoveItem(current);
  const int count = SelSkinList->Count();
  if (count > 0) SelSkinList->SetItemIndex(std::min(current, count - 1));
}

void TSkinListForm::DelBtnClick() {
  uint16_t key = toolkit::kKeyDelete;
  SelSkinListKeyDown(*SelSkinList, key, toolkit::kNoShift);
}

void TSkinListForm::ClearBtnClick() {
  SelSkinList->ClearItems();
}

void TSkinListForm::OKBtnClick() {
  if (SelSkinList->Count() == 0) {
    ShowMessage(u"Не выбрана ни одна обложка, добавьте обложки к выборке и повторите операцию",
                u"Ошибка выборки", platform::kMbIconInformation);
    return;
  }
  tempList.Clear();
  Close();
}

void TSkinListForm::ExitBtnClick() {
  SelSkinList->SetItemIndex(-1);
  SelSkinList->ReplaceItems(tempList);
  Close();
}

void TSkinListForm::ReleaseSelectionEntries() {
  SelSkinList->ClearItems();
  tempList.Clear();
}

}  // namespace kaleidra
