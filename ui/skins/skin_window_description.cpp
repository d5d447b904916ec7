// The skin selection window: its controls, their places and their wiring.
#include "ui/skins/skin_window.h"
#include "ui/toolkit/description.h"

namespace kaleidra {

namespace {

using F = TSkinListForm;
using toolkit::Describe;
using toolkit::kBold;

// Both lists show the skin of their own current row when clicked.
void ClickShowsSkin(F& form, TSkinListBox& list) {
  list.onClick = [&form, &list] { form.SkinListClick(list); };
}

}  // namespace

const toolkit::WindowDescription<F>& SkinListFormDescription() {
  static const toolkit::WindowDescription<F> description{
      toolkit::FormSpec{u"Выборка обложек", toolkit::BorderStyle::Dialog, 407, 386, true,
                        toolkit::Font{}},
      {&F::FormCreate, &F::FormShow, nullptr, &F::FormDestroy},
      {
          Describe(&F::AllSkinsLbl, "AllSkinsLbl")
              .At(8, 10, 78, 13)
              .Caption(u"Все обложки:")
              .Style(kBold),
          Describe(&F::SkinList, "SkinList")
              .At(8, 29, 178, 147)
              .ItemHeight(50)
              .Tab(2)
              .Wire(ClickShowsSkin)
              .OnDoubleClick(&F::SkinListDblClick)
              .OnDrawItem(&F::SkinListDrawItem),
          Describe(&F::AddBtn, "AddBtn")
              .At(160, 182, 26, 25)
              .Caption(u"6")
              .FontFace(u"Webdings")
              .Hint(u"Добавит обложку к выборке")
              .Tab(4)
              .OnClick(&F::AddBtnClick),
          Describe(&F::SelSkinsLbl, "SelSkinsLbl")
              .At(8, 194, 127, 13)
              .Caption(u"Выбранные обложки:")
              .Style(kBold),
          Describe(&F::SelSkinList, "SelSkinList")
              .At(8, 213, 178, 130)
              .ItemHeight(50)
              .MultiSelect()
              .Tab(3)
              .Wire(ClickShowsSkin)
              .OnDrawItem(&F::SkinListDrawItem)
              .OnKeyDown(&F::SelSkinListKeyDown),
          Describe(&F::DelBtn, "DelBtn")
              .At(24, 349, 75, 25)
              .Caption(u"Удалить")
              .Tab(5)
              .OnClick(&F::DelBtnClick),
          Describe(&F::ClearBtn, "ClearBtn")
              .At(105, 349, 75, 25)
              .Caption(u"Очистить")
              .Tab(6)
              .OnClick(&F::ClearBtnClick),
          Describe(&F::lbl2, "lbl2").At(207, 10, 50, 13).Caption(u"Превью:").Style(kBold),
          Describe(&F::PreviewImage, "PreviewImage").At(207, 29, 185, 129),
          Describe(&F::lbl1, "lbl1").At(207, 175, 77, 13).Caption(u"Информация:").Style(kBold),
          Describe(&F::InfoMmo, "InfoMmo")
              .At(207, 194, 185, 149)
              .ReadOnly()
              .ScrollBars(toolkit::Memo::ScrollBars::Both)
              .Tab(7),
          Describe(&F::OKBtn, "OKBtn")
              .At(207, 353, 75, 25)
              .Caption(u"ОК")
              .Tab(0)
              .OnClick(&F::OKBtnClick),
          Describe(&F::ExitBtn, "ExitBtn")
              .At(320, 353, 75, 25)
              .Caption(u"Отмена")
              .Tab(1)
              .OnClick(&F::ExitBtnClick),
      }};
  return description;
}

}  // namespace kaleidra
