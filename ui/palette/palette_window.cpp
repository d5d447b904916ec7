#include "ui/palette/palette_window.h"

#include <algorithm>

#include "platform/text.h"

namespace kaleidra {
namespace {

// Entries are the decimal text of a colour; anything past the digits is ignored.
uint32_t ColorOfEntry(std::u16string_view text) {
  uint32_t value = 0;
  for (char16_t c : text) {
    if (c < u'0' || c > u'9') break;
    value = value * 10 + static_cast<uint32_t>(c - u'0');
  }
  return value;
}

}  // namespace

TPaletteListForm::TPaletteListForm(const PaletteListKind& kind) {
  toolkit::Bind(*this, PaletteListDescription(kind));
}

// Destroyed here, while FormDestroy can still run.
TPaletteListForm::~TPaletteListForm() {
  Destroy();
}

uint32_t TPaletteListForm::ColorFromIndex(int32_t ColorIndex) const {
  return Chooser->GetColorFromIndex(ColorIndex);
}

int32_t TPaletteListForm::GetIndexFromColor(uint32_t Color) const {
  return Chooser->GetIndexFromColor(Color);
}

void TPaletteListForm::ColorChooserChangeColor(uint32_t Color) {
  Icon->SetColor(Color);
}

void TPaletteListForm::AddBtnClick() {
  List->AddItem(platform::ToDecimal(Icon->Color()));
}

void TPaletteListForm::DeleteBtnClick() {
  uint16_t key = toolkit::kKeyDelete;
  ListKeyDown(*List, key, toolkit::kNoShift);
}

void TPaletteListForm::ClearBtnClick() {
  List->Clear();
}

void TPaletteListForm::ОКClick() {
  TempColors.clear();
  Close();
}

void TPaletteListForm::ExitBtnClick() {
  List->Clear();
  for (const std::u16string& entry : TempColors) List->AddItem(entry);
  Close();
}

void TPaletteListForm::ListKeyDown(toolkit::ListBox& Sender, uint16_t& Key, uint8_t) {
  const int selected = Sender.ItemIndex();
  if (selected < 0 || Key != toolkit::kKeyDelete) return;
  Sender.DeleteItem(selected);
  // The entry that moved into its place, or the new last one.
  if (Sender.Count() > 0) Sender.SetItemIndex(std::min(selected, Sender.Count() - 1));
}

void TPaletteListForm::ListDrawItem(toolkit::ListBox& Control, toolkit::Canvas& Canvas,
                                    const toolkit::DrawItemEvent& Item) {
  using toolkit::Brush;
  const uint32_t color = ColorOfEntry(Control.ItemText(Item.index));
  Canvas.FillRect(Item.rect, Brush{Brush::Style::Solid, color});
  if (Item.selected) {
    // A black frame and a black diagonal grid whose gaps let the colour show.
    Canvas.Rectangle(Item.rect, toolkit::Pen{3, 0}, Brush{Brush::Style::DiagonalCross, 0});
  }
  // Once: the focus rectangle is an XOR, a second one would erase it.
  if (Item.focused) Canvas.FocusRect(Item.rect);
}

void TPaletteListForm::FormCreate() {
  TempColors.clear();
}

void TPaletteListForm::FormShow() {
  TempColors.clear();
  for (int i = 0; i < List->Count(); ++i) TempColors.emplace_back(List->ItemText(i));
}

void TPaletteListForm::FormDestroy() {
  std::vector<std::u16string>().swap(TempColors);
}

}  // namespace kaleidra
