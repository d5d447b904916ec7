// Every key on every focusable control of the four windows, delivered as the
// player delivers them: posted into the thread's queue, so that they pass the
// message loop (the player's own for the modeless settings window, with the
// toolkit's hook; the modal loop for the selection windows). After each press
// the window is shown or closed as its rules say, every control still exists
// and shows, and the focus is where the listed tab order puts it.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/skin_entry.h"
#include "fake_player/services.h"
#include "tests/support/fixture.h"
#include "ui/palette/brightness_window.h"
#include "ui/palette/colour_window.h"
#include "ui/settings/settings_window.h"
#include "ui/skins/skin_window.h"
#include "ui/toolkit/testing/user_actions.h"
#include "ui/toolkit/timer.h"

namespace kaleidra {
namespace {

using toolkit::Control;
using toolkit::Form;
using toolkit::Kind;

enum class Focus { Stays, Next, Previous };

struct Key {
  const char* name;
  UINT vk;
  bool shift;
  bool alt;
  Focus focus;
};

// Arrows move among a radio group's items, which counts as staying in it.
const Key kKeys[] = {
    {"Esc", VK_ESCAPE, false, false, Focus::Stays},
    {"Enter", VK_RETURN, false, false, Focus::Stays},
    {"Tab", VK_TAB, false, false, Focus::Next},
    {"Shift+Tab", VK_TAB, true, false, Focus::Previous},
    {"Left", VK_LEFT, false, false, Focus::Stays},
    {"Right", VK_RIGHT, false, false, Focus::Stays},
    {"Up", VK_UP, false, false, Focus::Stays},
    {"Down", VK_DOWN, false, false, Focus::Stays},
    {"Delete", VK_DELETE, false, false, Focus::Stays},
    {"Space", VK_SPACE, false, false, Focus::Stays},
    {"Alt+F4", VK_F4, false, true, Focus::Stays},
};

HWND Hwnd(const Control& c) {
  return static_cast<HWND>(c.Handle());
}

// A control that takes the focus: from Tab (a tab stop) or only from a click
// (the palette strip's thumb, a button of its own).
struct Place {
  Control* control;
  bool tabStop;
};

// The places in the listed tab order, as the models stand: hidden pages and
// disabled controls are passed over, containers are stepped into.
void CollectPlaces(const Control& parent, std::vector<Place>& places) {
  for (Control* c : parent.ChildrenInTabOrder()) {
    if (!c->Visible() || !c->EffectivelyEnabled()) continue;
    switch (c->GetKind()) {
      case Kind::PageControl:
      case Kind::TabSheet:
      case Kind::GroupBox:
        CollectPlaces(*c, places);
        break;
      case Kind::Custom:
        for (Control* inner : c->Children())
          if (inner->GetKind() == Kind::Button) places.push_back(Place{inner, false});
        break;
      case Kind::Button:
      case Kind::CheckBox:
      case Kind::RadioGroup:
      case Kind::SpinEdit:
      case Kind::Memo:
      case Kind::ListBox:
        if (c->TabOrder() >= 0) places.push_back(Place{c, true});
        break;
      default:
        break;
    }
  }
}

std::vector<Place> Places(const Form& form) {
  std::vector<Place> places;
  CollectPlaces(form, places);
  return places;
}

// The tab stop Tab (step 1) or Shift+Tab (step -1) goes to from place at.
Control* StopFrom(const std::vector<Place>& places, size_t at, int step) {
  const size_t n = places.size();
  for (size_t i = 1; i <= n; ++i) {
    const Place& p = places[step > 0 ? (at + i) % n : (at + n - i % n) % n];
    if (p.tabStop) return p.control;
  }
  return nullptr;
}

void CollectAll(const Control& parent, std::vector<const Control*>& all) {
  for (const Control* c : parent.Children()) {
    all.push_back(c);
    CollectAll(*c, all);
  }
}

bool ShowsInModel(const Control& c) {
  for (const Control* p = &c; p; p = p->Parent())
    if (!p->Visible()) return false;
  return true;
}

int ChildWindowCount(HWND parent) {
  int count = 0;
  for (HWND w = GetWindow(parent, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) ++count;
  return count;
}

bool HoldsFocus(const Control& c, HWND focus) {
  HWND own = Hwnd(c);
  return own && focus && (focus == own || IsChild(own, focus));
}

// Where the user's focus lands on a control: a click where only a click gives
// it; a radio group's tab stop is its first item, as Tab gives it.
void FocusAsUser(const Place& place) {
  Control& c = *place.control;
  if (!place.tabStop) {
    toolkit::test::MouseDown(c, toolkit::MouseButton::Left, 2, 2);
    toolkit::test::MouseUp(c, toolkit::MouseButton::Left, 2, 2);
    return;
  }
  if (c.GetKind() != Kind::RadioGroup) {
    toolkit::test::Focus(c);
    return;
  }
  for (HWND w = GetWindow(Hwnd(c), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
    if (GetWindowLongW(w, GWL_STYLE) & WS_TABSTOP) {
      SetFocus(w);
      return;
    }
}

// Held keys as the thread's key state says, for the time of one press.
class HeldKeys {
 public:
  explicit HeldKeys(const Key& key) {
    GetKeyboardState(saved_);
    BYTE state[256];
    CopyMemory(state, saved_, sizeof(state));
    if (key.shift) state[VK_SHIFT] = state[VK_LSHIFT] = 0x80;
    if (key.alt) state[VK_MENU] = state[VK_LMENU] = 0x80;
    SetKeyboardState(state);
  }
  ~HeldKeys() { SetKeyboardState(saved_); }
  HeldKeys(const HeldKeys&) = delete;
  HeldKeys& operator=(const HeldKeys&) = delete;

 private:
  BYTE saved_[256];
};

void PostKey(HWND target, const Key& key) {
  const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(key.vk, MAPVK_VK_TO_VSC)) << 16;
  const LPARAM down = 1 | scan | (key.alt ? KF_ALTDOWN << 16 : 0);
  const LPARAM up = down | static_cast<LPARAM>(0xC0000000u);
  PostMessageW(target, key.alt ? WM_SYSKEYDOWN : WM_KEYDOWN, key.vk, down);
  PostMessageW(target, key.alt ? WM_SYSKEYUP : WM_KEYUP, key.vk, up);
}

// One window under the key table.
struct WindowUnderKeys {
  WindowUnderKeys(std::string n, Form& f, bool m) : name(std::move(n)), form(f), modal(m) {}
  std::string name;
  Form& form;
  bool modal;
  // Views of the window (pages of the settings window); each sets the window
  // up again before every press, so that every press meets the same window.
  int views = 1;
  std::function<void(int view)> prepare = [](int) {};
  // Whether the key on this control closes the window.
  std::function<bool(const Control& focused, const Key& key)> closes;
};

struct Press {
  int view;
  std::string stop;
  const Key* key;
};

// Drives the presses from a timer, one step per tick: the loop that shows the
// window runs between the steps and delivers what was posted.
class KeyRun {
 public:
  explicit KeyRun(WindowUnderKeys& w) : w_(w) {}

  void Run() {
    for (int view = 0; view < w_.views; ++view) {
      Reopen(view);
      for (const Place& place : Places(w_.form))
        for (const Key& key : kKeys) presses_.push_back(Press{view, place.control->Name(), &key});
    }
    ASSERT_FALSE(presses_.empty());
    toolkit::Timer timer;
    timer.onTimer = [this] { Tick(); };
    timer.SetInterval(1);
    timer.SetEnabled(true);
    while (!Done()) {
      const size_t before = next_;
      if (w_.modal) {
        w_.form.ShowModal();
        if (pending_) Check();  // the press closed the window and ended its loop
      } else {
        MSG msg;  // the player's loop
        while (!Done() && GetMessageW(&msg, nullptr, 0, 0) > 0) {
          TranslateMessage(&msg);
          DispatchMessageW(&msg);
        }
      }
      if (next_ == before) {
        ADD_FAILURE() << w_.name << ": the window's loop ended without a press";
        break;
      }
    }
    timer.SetEnabled(false);
    if (w_.form.IsShown()) w_.form.Hide();
    EXPECT_EQ(pressed_, presses_.size()) << w_.name << ": presses left out";
    std::printf("%s: %zu presses on %zu controls\n", w_.name.c_str(), pressed_,
                presses_.size() / std::size(kKeys));
  }

 private:
  bool Done() const { return next_ == presses_.size() && !pending_; }

  void Reopen(int view) {
    if (!w_.form.IsShown() && !w_.modal) w_.form.Show();
    w_.prepare(view);
  }

  void Tick() {
    if (pending_) {
      Check();
      return;
    }
    if (next_ == presses_.size()) {
      if (w_.modal && w_.form.IsShown()) w_.form.Hide();  // ends the modal loop
      return;
    }
    if (!w_.form.IsShown()) {
      if (w_.modal) return;  // the driver shows it again
      w_.form.Show();
    }
    Begin(presses_[next_]);
  }

  void Begin(const Press& press) {
    Reopen(press.view);
    where_ = w_.name + " view " + std::to_string(press.view) + ", " + press.stop + ", " +
             press.key->name;
    const std::vector<Place> places = Places(w_.form);
    size_t at = 0;
    while (at < places.size() && places[at].control->Name() != press.stop) ++at;
    if (at == places.size()) {
      ADD_FAILURE() << where_ << ": takes no focus any more";
      ++next_;
      return;
    }
    focused_ = places[at].control;
    FocusAsUser(places[at]);
    if (!HoldsFocus(*focused_, GetFocus())) {
      ADD_FAILURE() << where_ << ": the control took no focus";
      ++next_;
      return;
    }
    switch (press.key->focus) {
      case Focus::Stays:
        expected_ = focused_;
        break;
      case Focus::Next:
        expected_ = StopFrom(places, at, 1);
        break;
      case Focus::Previous:
        expected_ = StopFrom(places, at, -1);
        break;
    }
    expectClosed_ = w_.closes(*focused_, *press.key);
    // The posted keys are delivered before the next tick; Shift and Alt are
    // held until then.
    held_ = std::make_unique<HeldKeys>(*press.key);
    PostKey(GetFocus(), *press.key);
    pending_ = true;
  }

  void Check() {
    pending_ = false;
    held_.reset();
    ++next_;
    ++pressed_;
    HWND root = Hwnd(w_.form);
    ASSERT_TRUE(root && IsWindow(root)) << where_;
    EXPECT_EQ(w_.form.IsShown(), !expectClosed_) << where_;
    EXPECT_EQ(IsWindowVisible(root) != 0, w_.form.IsShown()) << where_;
    std::vector<const Control*> all;
    CollectAll(w_.form, all);
    for (const Control* c : all) {
      HWND own = Hwnd(*c);
      if (!own || !IsWindow(own)) {
        ADD_FAILURE() << where_ << ": " << c->Name() << " has lost its window";
        continue;
      }
      EXPECT_EQ(IsWindowVisible(own) != 0, w_.form.IsShown() && ShowsInModel(*c))
          << where_ << ": " << c->Name();
      if (c->GetKind() == Kind::RadioGroup) {
        EXPECT_EQ(ChildWindowCount(own),
                  static_cast<int>(static_cast<const toolkit::RadioGroup*>(c)->Items().size()))
            << where_ << ": " << c->Name();
      }
    }
    if (w_.form.IsShown()) {
      EXPECT_TRUE(HoldsFocus(*expected_, GetFocus()))
          << where_ << ": the focus should be on " << expected_->Name();
    }
  }

  WindowUnderKeys& w_;
  std::vector<Press> presses_;
  size_t next_ = 0;
  size_t pressed_ = 0;
  bool pending_ = false;
  std::string where_;
  Control* focused_ = nullptr;
  Control* expected_ = nullptr;
  bool expectClosed_ = false;
  std::unique_ptr<HeldKeys> held_;
};

bool IsSpace(const Key& key) {
  return key.vk == VK_SPACE;
}

class KeyTable : public ::testing::Test {
 protected:
  KeyTable() {
    skins.skins[u""] = {u"Плеер", u"Стандартная", u"Встроенная обложка", nullptr};
    skins.AddRef();
    kaleidra::SkinsService = host::HostRef<host::IAIMPSkinsService>(&skins);
  }
  ~KeyTable() override { kaleidra::SkinsService.Reset(); }

  fake_player::SkinsService skins;
  fixture::MessageBoxRecorder boxes;
};

// Pages in turn, each with every list in use and the timer options open, so
// that all "Выбрать..." buttons and the timer's controls take the focus. The
// close box's command (Alt+F4) is the only key that closes it.
TEST_F(KeyTable, SettingsWindow) {
  ASSERT_TRUE(toolkit::PeersEnabled());
  TSettingsForm form;
  WindowUnderKeys w{"settings", form, false};
  w.views = static_cast<int>(form.Pages->Pages().size());
  w.prepare = [&form](int page) {
    form.ChooseColor->SetItemIndex(2);
    form.ChooseIntensity->SetItemIndex(2);
    form.SkinMethod->SetItemIndex(2);
    form.TimerChk->SetChecked(true);
    toolkit::test::SelectPage(*form.Pages, page);
  };
  w.closes = [](const Control&, const Key& key) { return key.alt; };
  ASSERT_FALSE(form.Timer.Running());
  KeyRun(w).Run();
  EXPECT_TRUE(form.Timer.Running());  // Alt+F4 ran the closing's timer set-up
  EXPECT_TRUE(boxes.calls.empty());
}

// Left only through "ОК" (with something selected) and "Отмена".
TEST_F(KeyTable, SkinSelectionWindow) {
  ASSERT_TRUE(toolkit::PeersEnabled());
  TSkinListForm form;
  WindowUnderKeys w{"skins", form, true};
  w.prepare = [&form](int) {
    while (form.SelSkinList->Count() < 2) kaleidra::AddSkinItem(*form.SelSkinList, u"");
    form.SkinList->SetItemIndex(0);
  };
  w.closes = [&form](const Control& focused, const Key& key) {
    return IsSpace(key) && (&focused == form.OKBtn || &focused == form.ExitBtn);
  };
  KeyRun(w).Run();
}

// Left only through "OK" and "Отмена".
TEST_F(KeyTable, ColourAndBrightnessSelectionWindows) {
  ASSERT_TRUE(toolkit::PeersEnabled());
  TColorListForm colours;
  TIntensityListForm levels;
  for (TPaletteListForm* form :
       {static_cast<TPaletteListForm*>(&colours), static_cast<TPaletteListForm*>(&levels)}) {
    WindowUnderKeys w{form == &colours ? "colours" : "brightness", *form, true};
    w.prepare = [form](int) {
      while (form->List->Count() < 3) form->List->AddItem(u"255");
      form->List->SetItemIndex(1);
    };
    w.closes = [form](const Control& focused, const Key& key) {
      return IsSpace(key) && (&focused == form->ОК || &focused == form->ExitBtn);
    };
    KeyRun(w).Run();
  }
}

// Up and Down step the interval field by its step, within its limits, as its
// arrows do; the focus stays in it.
TEST_F(KeyTable, UpAndDownStepTheIntervalField) {
  ASSERT_TRUE(toolkit::PeersEnabled());
  TSettingsForm form;
  form.Show();
  form.TimerChk->SetChecked(true);
  toolkit::test::SelectPage(*form.Pages, 3);
  toolkit::test::Focus(*form.TimerInterval);
  const Key& up = kKeys[6];
  const Key& down = kKeys[7];
  ASSERT_EQ(up.vk, static_cast<UINT>(VK_UP));
  ASSERT_EQ(down.vk, static_cast<UINT>(VK_DOWN));
  const struct {
    int32_t from;
    const Key& key;
    int32_t to;
  } steps[] = {
      {86390, up, 86400}, {86400, up, 86400}, {86400, down, 86390}, {40, down, 30}, {30, down, 30}};
  for (const auto& step : steps) {
    form.TimerInterval->SetValue(step.from);
    PostKey(GetFocus(), step.key);
    MSG msg;  // the player's loop
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    EXPECT_EQ(form.TimerInterval->Value(), step.to) << step.from << " " << step.key.name;
    EXPECT_TRUE(form.TimerInterval->Focused());
  }
}

}  // namespace
}  // namespace kaleidra
