// The colour and brightness selection windows share this layout; the kind
// supplies the caption, the names that differ and the strip's settings.
#include "ui/palette/palette_window.h"

namespace kaleidra {

toolkit::WindowDescription<TPaletteListForm> PaletteListDescription(const PaletteListKind& kind) {
  using toolkit::Describe;
  using F = TPaletteListForm;
  const auto palette = kind.palette;
  const int32_t max = kind.max;
  return toolkit::WindowDescription<F>{
      toolkit::FormSpec{kind.caption, toolkit::BorderStyle::Dialog, 369, 212, true,
                        toolkit::Font{}},
      {&F::FormCreate, &F::FormShow, nullptr, &F::FormDestroy},
      {
          Describe(&F::CurLbl, kind.labelName).At(8, 5, 76, 13).Caption(u"Текущий цвет:"),
          Describe(&F::Chooser, kind.chooserName)
              .At(91, 29, 251, 15)
              .Tab(0)
              .Init([palette, max](TColorChooser& c) {
                c.SetBackImage(palette());
                c.SetMax(max);
              })
              .Wire([](F& form, TColorChooser& c) {
                c.SetOnChangeColor(
                    [&form](uint32_t color) { form.ColorChooserChangeColor(color); });
              }),
          Describe(&F::Icon, kind.iconName).At(24, 24, 41, 25).Tab(1),
          Describe(&F::AddBtn, "AddBtn")
              .At(24, 64, 81, 25)
              .Caption(u"Добавить")
              .Tab(2)
              .OnClick(&F::AddBtnClick),
          Describe(&F::List, kind.listName)
              .At(120, 64, 145, 140)
              .ItemHeight(20)
              .DoubleBuffered()
              .Tab(3)
              .OnDrawItem(&F::ListDrawItem)
              .OnKeyDown(&F::ListKeyDown),
          Describe(&F::DeleteBtn, "DeleteBtn")
              .At(24, 119, 81, 25)
              .Caption(u"Удалить")
              .Tab(4)
              .OnClick(&F::DeleteBtnClick),
          Describe(&F::ClearBtn, "ClearBtn")
              .At(24, 179, 81, 25)
              .Caption(u"Очистить")
              .Tab(5)
              .OnClick(&F::ClearBtnClick),
          Describe(&F::ExitBtn, "ExitBtn")
              .At(280, 179, 81, 25)
              .Caption(u"Отмена")
              .Tab(6)
              .OnClick(&F::ExitBtnClick),
          Describe(&F::ОК, "ОК").At(280, 148, 81, 25).Caption(u"OK").Tab(7).OnClick(&F::ОКClick),
      }};
}

}  // namespace kaleidra
