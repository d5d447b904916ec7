// The settings window: a banner over four pages. Positions are within the
// page, or within TimerOptions for the controls placed in it.
#include "ui/settings/settings_window.h"

namespace kaleidra {

namespace {

using toolkit::Describe;
using toolkit::kBold;
using toolkit::kUnderline;
using F = TSettingsForm;

const std::vector<std::u16string> kRangeModes{u"Отсутствует", u"Весь диапазон", u"Выборочный"};
const std::vector<std::u16string> kSkinModes{u"Отсутствует", u"Все обложки", u"Выборочные"};
const char16_t kChoose[] = u"Выбрать...";
const char16_t kInformation[] = u"Информация:";

}  // namespace

const toolkit::WindowDescription<TSettingsForm>& SettingsFormDescription() {
  static const toolkit::WindowDescription<F> description{
      toolkit::FormSpec{u"AIMP Kaleidra - Настройки", toolkit::BorderStyle::ToolWindow, 431, 305,
                        true, toolkit::Font{}},
      {&F::FormCreate, &F::FormShow, &F::FormClose, nullptr},
      {
          Describe(&F::Banner, "Banner").At(0, 0, 431, 67),
          Describe(&F::Pages, "Pages").At(0, 67, 431, 238).Tab(0),

          Describe(&F::RunParam, "RunParam").In("Pages").Caption(u"Параметры запуска"),
          Describe(&F::CSChk, "CSChk")
              .In("RunParam")
              .At(40, 32, 337, 17)
              .Caption(u"При запуске выбирать случайный цвет обложки")
              .Style(kBold | kUnderline)
              .Tab(1)
              .OnClick(&F::CSChkClick),
          Describe(&F::IntenChk, "IntenChk")
              .In("RunParam")
              .At(40, 79, 337, 17)
              .Caption(u"При запуске выбирать случайную яркость обложки")
              .Style(kBold | kUnderline)
              .Tab(0)
              .OnClick(&F::IntenChkClick),
          Describe(&F::SkinChk, "SkinChk")
              .In("RunParam")
              .At(40, 123, 332, 17)
              .Caption(u"При запуске выбирать случайную обложку")
              .Style(kBold | kUnderline)
              .Tab(2)
              .OnClick(&F::SkinChkClick),

          Describe(&F::ColorsPage, "ColorsPage").In("Pages").Caption(u"Цвета"),
          Describe(&F::ChooseColor, "ChooseColor")
              .In("ColorsPage")
              .At(16, 14, 185, 105)
              .Caption(u"Режим цветов: ")
              .Items(kRangeModes)
              .Selected(1)
              .Tab(0)
              .OnClick(&F::ChooseColorClick),
          Describe(&F::ChooseIntensity, "ChooseIntensity")
              .In("ColorsPage")
              .At(223, 14, 185, 105)
              .Caption(u"Режим яркости: ")
              .Items(kRangeModes)
              .Selected(1)
              .Tab(1)
              .OnClick(&F::ChooseIntensityClick),
          Describe(&F::BtnColorsRange, "BtnColorsRange")
              .In("ColorsPage")
              .At(126, 134, 75, 25)
              .Caption(kChoose)
              .Style(kUnderline)
              .Tab(2)
              .Disabled()
              .OnClick(&F::BtnColorsRangeClick),
          Describe(&F::BtnIntensitiesRange, "BtnIntensitiesRange")
              .In("ColorsPage")
              .At(333, 133, 75, 25)
              .Caption(kChoose)
              .Style(kUnderline)
              .Tab(3)
              .Disabled()
              .OnClick(&F::BtnIntensitiesRangeClick),
          Describe(&F::Label1, "Label1")
              .In("ColorsPage")
              .At(3, 141, 77, 13)
              .Caption(kInformation)
              .Style(kBold),
          Describe(&F::Memo1, "Memo1")
              .In("ColorsPage")
              .At(3, 160, 417, 47)
              .Tab(4)
              .Lines({u"Данная страница содержит настройки случайной цветовой схемы.",
                      u"Для установления своей цветовой схемы выберите метод \"Выборочный\" и ",
                      u"щёлкните \"Выбрать\""}),

          Describe(&F::SkinPage, "SkinPage").In("Pages").Caption(u"Обложки"),
          Describe(&F::SkinMethod, "SkinMethod")
              .In("SkinPage")
              .At(45, 18, 332, 97)
              .Caption(u"Метод выборки обложек: ")
              .Items(kSkinModes)
              .Selected(1)
              .Tab(0)
              .OnClick(&F::SkinMethodClick),
          Describe(&F::SkinSelBtn, "SkinSelBtn")
              .In("SkinPage")
              .At(296, 129, 81, 25)
              .Caption(kChoose)
              .Style(kUnderline)
              .Tab(1)
              .Disabled()
              .OnClick(&F::SkinSelBtnClick),
          Describe(&F::lbl3, "lbl3")
              .In("SkinPage")
              .At(3, 141, 77, 13)
              .Caption(kInformation)
              .Style(kBold),
          Describe(&F::mmo2, "mmo2")
              .In("SkinPage")
              .At(3, 160, 417, 47)
              .Tab(2)
              .Lines({u"Данная страница содержит настройки случайного изменения обложек.",
                      u"Для установления своего списка обложек выберите метод \"Выборочные\" и ",
                      u"щёлкните \"Выбрать\""}),

          Describe(&F::TimerPage, "TimerPage").In("Pages").Caption(u"Таймер"),
          Describe(&F::TimerChk, "TimerChk")
              .In("TimerPage")
              .At(16, 16, 121, 17)
              .Caption(u"Включить таймер")
              .Style(kBold | kUnderline)
              .Tab(2)
              .OnClick(&F::TimerChkClick),
          Describe(&F::TimerOptions, "TimerOptions")
              .In("TimerPage")
              .At(16, 38, 393, 97)
              .Caption(u"Настройки таймера: ")
              .Style(kBold)
              .Tab(1)
              .Disabled(),
          Describe(&F::lbl2, "lbl2")
              .In("TimerOptions")
              .At(16, 24, 119, 13)
              .Caption(u"Время (в секундах):")
              .Style(kBold),
          Describe(&F::TimerInterval, "TimerInterval")
              .In("TimerOptions")
              .At(16, 43, 121, 22)
              .Style(kBold)
              .Range(30, 86400, 10)
              .Value(30)
              .Tab(0),
          Describe(&F::TimerAllowChangeColor, "TimerAllowChangeColor")
              .In("TimerOptions")
              .At(176, 16, 177, 17)
              .Caption(u"Разрешить смену цвета")
              .Style(kUnderline)
              .Tab(1),
          Describe(&F::TimerAllowChangeIntensity, "TimerAllowChangeIntensity")
              .In("TimerOptions")
              .At(176, 39, 177, 17)
              .Caption(u"Разрешить смену яркости")
              .Style(kUnderline)
              .Tab(2),
          Describe(&F::TimerAllowChangeSkins, "TimerAllowChangeSkins")
              .In("TimerOptions")
              .At(176, 62, 177, 17)
              .Caption(u"Разрешить смену обложки")
              .Style(kUnderline)
              .Tab(3),
          Describe(&F::lbl1, "lbl1")
              .In("TimerPage")
              .At(3, 141, 77, 13)
              .Caption(kInformation)
              .Style(kBold),
          Describe(&F::mmo1, "mmo1")
              .In("TimerPage")
              .At(3, 160, 417, 47)
              .Tab(0)
              .ReadOnly()
              .Lines({u"С помощью данной опции вы можете настроить переодическую смену ",
                      u"параметров внешнего вида плеера. Эта опция вступает в силу после ",
                      u"закрытия настроек."}),
      }};
  return description;
}

}  // namespace kaleidra
