// One peer class per type of control, each made by its control.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <memory>
#include <vector>

#include "platform/win32/module.h"
#include "ui/toolkit/controls.h"
#include "ui/toolkit/form.h"
#include "ui/toolkit/list_box.h"
#include "ui/toolkit/win32/gdi_canvas.h"
#include "ui/toolkit/win32/window_peer.h"

namespace toolkit::win32 {
namespace {

constexpr DWORD kChild = WS_CHILD | WS_CLIPSIBLINGS;

// A control's window is made inside its parent's; without that there is none.
template <class P, class C>
std::unique_ptr<Peer> ChildPeer(C& control) {
  if (!control.Parent() || !control.Parent()->Handle()) return nullptr;
  return std::make_unique<P>(control);
}

Rect Outer(const Form& form) {
  const Size client = form.ClientSize();
  RECT r{0, 0, client.width, client.height};
  const DWORD style = form.Border() == BorderStyle::ToolWindow ? WS_POPUP | WS_CAPTION | WS_SYSMENU
                                                               : WS_POPUP | WS_CAPTION;
  const DWORD exStyle =
      form.Border() == BorderStyle::ToolWindow ? WS_EX_TOOLWINDOW : WS_EX_DLGMODALFRAME;
  AdjustWindowRectEx(&r, style, FALSE, exStyle);
  const int width = r.right - r.left;
  const int height = r.bottom - r.top;
  const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  return Rect::FromBounds(left, top, width, height);
}

class FormPeer : public WindowPeer {
 public:
  explicit FormPeer(Form& form) : WindowPeer(form), form_(form) {
    const bool tool = form.Border() == BorderStyle::ToolWindow;
    const DWORD style = tool ? WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN
                             : WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN;
    DWORD exStyle = WS_EX_CONTROLPARENT | (tool ? WS_EX_TOOLWINDOW : WS_EX_DLGMODALFRAME);
    if (form.StayOnTop()) exStyle |= WS_EX_TOPMOST;
    Create(WindowClass::Form, style, exStyle, nullptr, Outer(form));
  }

  void Sync(Change what) override {
    if (!Window()) return;
    switch (what) {
      case Change::Visible:
        ShowWindow(Window(), form_.IsShown() ? SW_SHOW : SW_HIDE);
        if (form_.IsShown()) UpdateWindow(Window());
        break;
      case Change::State:  // brought to the top
        SetWindowPos(Window(), HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
        break;
      case Change::Bounds: {
        const Rect r = Outer(form_);
        MoveWindow(Window(), r.left, r.top, r.Width(), r.Height(), TRUE);
        break;
      }
      default:
        WindowPeer::Sync(what);
    }
  }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    // The close box and Alt+F4; a window without a close box has no way out
    // but its own buttons.
    if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE) {
      if (form_.Border() == BorderStyle::ToolWindow) form_.Close();  // closing only hides
      return 0;
    }
    if (message == WM_COMMAND && !lParam) return 0;  // Enter and Esc do nothing
    return WindowPeer::WindowProc(message, wParam, lParam);
  }

 private:
  Form& form_;
};

// Tab sheets, group boxes and radio groups: a panel of ours holding children.
// A panel of ours: the base of the containers (tab sheets, group boxes) and
// of the controls that paint themselves (picture areas, custom controls).
class PanelPeer : public WindowPeer {
 public:
  explicit PanelPeer(Control& control, DWORD exStyle = WS_EX_CONTROLPARENT) : WindowPeer(control) {
    Create(WindowClass::Panel, kChild | WS_CLIPCHILDREN | VisibleStyle(), exStyle, ParentHandle(),
           Placement());
  }

  void Sync(Change what) override {
    if (what == Change::Bounds && Window()) {
      const Rect r = Placement();
      MoveWindow(Window(), r.left, r.top, r.Width(), r.Height(), TRUE);
      return;
    }
    if (what == Change::Caption || what == Change::Enabled) InvalidateRect(Window(), nullptr, TRUE);
    WindowPeer::Sync(what);
  }

 protected:
  virtual Rect Placement() const { return control_.Bounds(); }
  virtual void Paint(HDC /*dc*/) {}

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_PAINT) {
      PaintScope paint(Window());
      Paint(paint.Get());
      return 0;
    }
    return WindowPeer::WindowProc(message, wParam, lParam);
  }
};

// Group boxes, and radio groups over them: a panel in an etched frame.
class GroupBoxPeer : public PanelPeer {
 public:
  explicit GroupBoxPeer(Control& control) : PanelPeer(control) {}

 protected:
  // The frame with the caption over its top edge.
  void Paint(HDC dc) override {
    RECT client;
    GetClientRect(Window(), &client);
    Selection font(dc, font_.Get());
    SIZE text{};
    const std::u16string& caption = control_.Caption();
    GetTextExtentPoint32W(dc, Wide(caption), static_cast<int>(caption.size()), &text);
    RECT frame = client;
    frame.top = text.cy / 2;
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    if (caption.empty()) return;
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    SetBkMode(dc, OPAQUE);
    SetTextColor(dc, GetSysColor(control_.EffectivelyEnabled() ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    TextOutW(dc, 8, 0, Wide(caption), static_cast<int>(caption.size()));
  }
};

// A page of a page control; the tabs show its caption.
class TabSheetPeer : public PanelPeer {
 public:
  explicit TabSheetPeer(TabSheet& sheet) : PanelPeer(sheet) {
    RefreshTabs();
    Sync(Change::Bounds);
  }

  void Sync(Change what) override {
    if (what == Change::Caption) {
      RefreshTabs();
      return;
    }
    PanelPeer::Sync(what);
  }

 protected:
  Rect Placement() const override {
    HWND tabs = ParentHandle();
    RECT r{};
    GetClientRect(tabs, &r);
    TabCtrl_AdjustRect(tabs, FALSE, &r);
    return Rect{r.left, r.top, r.right, r.bottom};
  }

 private:
  // The tabs are the page control's items.
  void RefreshTabs() {
    if (Peer* tabs = control_.Parent()->GetPeer()) tabs->Sync(Change::Items);
  }
};

class PageControlPeer : public WindowPeer {
 public:
  explicit PageControlPeer(PageControl& pages) : WindowPeer(pages), pages_(pages) {
    Create(WindowClass::Tabs, kChild | WS_CLIPCHILDREN | VisibleStyle() | TabStopStyle(),
           WS_EX_CONTROLPARENT, ParentHandle(), pages.Bounds());
  }

  void Sync(Change what) override {
    if (what == Change::Items) {
      RefreshTabs();
      return;
    }
    if (what == Change::State && Window()) {
      TabCtrl_SetCurSel(Window(), pages_.ActivePageIndex());
      return;
    }
    WindowPeer::Sync(what);
  }

  bool OnNotify(const NMHDR& header) override {
    if (header.code != TCN_SELCHANGE) return false;
    pages_.HandlePageSelected(TabCtrl_GetCurSel(Window()));
    return true;
  }

 private:
  // The tabs follow the sheets in order.
  void RefreshTabs() {
    if (!Window()) return;
    TabCtrl_DeleteAllItems(Window());
    int index = 0;
    for (TabSheet* sheet : pages_.Pages()) {
      std::u16string caption = sheet->Caption();
      TCITEMW item{};
      item.mask = TCIF_TEXT;
      item.pszText = const_cast<wchar_t*>(Wide(caption));
      Send(TCM_INSERTITEMW, index++, reinterpret_cast<LPARAM>(&item));
    }
    TabCtrl_SetCurSel(Window(), pages_.ActivePageIndex());
  }

  PageControl& pages_;
};

class RadioGroupPeer : public GroupBoxPeer {
 public:
  explicit RadioGroupPeer(RadioGroup& group) : GroupBoxPeer(group), group_(group) { MakeButtons(); }

  void Sync(Change what) override {
    if (!Window()) return;
    if (what == Change::Items) MakeButtons();
    if (what == Change::State) ShowSelection();
    if (what == Change::Enabled || what == Change::Font)
      for (const auto& button : buttons_) {
        EnableWindow(button->Get(), group_.EffectivelyEnabled());
        SendMessageW(button->Get(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), TRUE);
      }
    GroupBoxPeer::Sync(what);
  }

  void OnChildCommand(HWND child, WORD code) override {
    if (code != BN_CLICKED) return;
    for (size_t i = 0; i < buttons_.size(); ++i)
      if (buttons_[i]->Get() == child) group_.HandleItemClick(static_cast<int>(i));
  }

 private:
  void MakeButtons() {
    buttons_.clear();
    const int count = static_cast<int>(group_.Items().size());
    if (count == 0) return;
    const Rect& r = group_.Bounds();
    const int top = group_.GetFont().height + 4;
    const int height = (r.Height() - top - 4) / count;
    for (int i = 0; i < count; ++i) {
      DWORD style = kChild | WS_VISIBLE | BS_RADIOBUTTON;
      if (i == 0) style |= WS_GROUP | TabStopStyle();
      auto button = std::make_unique<OwnedWindow>(CreateWindowExW(
          0, L"BUTTON", Wide(group_.Items()[i]), style, 8, top + i * height, r.Width() - 16, height,
          Window(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstRadioItemId + i)),
          platform::ModuleInstance(), nullptr));
      if (!button->Get()) continue;
      SendMessageW(button->Get(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
      EnableWindow(button->Get(), group_.EffectivelyEnabled());
      buttons_.push_back(std::move(button));
    }
    ShowSelection();
  }

  void ShowSelection() {
    for (size_t i = 0; i < buttons_.size(); ++i)
      SendMessageW(buttons_[i]->Get(), BM_SETCHECK,
                   static_cast<int>(i) == group_.ItemIndex() ? BST_CHECKED : BST_UNCHECKED, 0);
  }

  RadioGroup& group_;
  std::vector<std::unique_ptr<OwnedWindow>> buttons_;
};

class LabelPeer : public WindowPeer {
 public:
  explicit LabelPeer(Label& label) : WindowPeer(label) {
    Create(WindowClass::Static, kChild | VisibleStyle() | SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0,
           ParentHandle(), label.Bounds());
  }
};

// Push buttons and check boxes: a press the control answers.
template <class C>
class PressPeer : public WindowPeer {
 public:
  PressPeer(C& control, DWORD style) : WindowPeer(control), pressed_(control) {
    Create(WindowClass::Button, kChild | VisibleStyle() | TabStopStyle() | style, 0, ParentHandle(),
           control.Bounds());
  }

  void OnCommand(WORD code) override {
    if (code == BN_CLICKED) pressed_.HandleClick();
  }

 protected:
  C& pressed_;
};

class ButtonPeer : public PressPeer<Button> {
 public:
  explicit ButtonPeer(Button& button) : PressPeer(button, BS_PUSHBUTTON) {}
};

class CheckBoxPeer : public PressPeer<CheckBox> {
 public:
  // Not an automatic check box: the control decides the state.
  explicit CheckBoxPeer(CheckBox& box) : PressPeer(box, BS_CHECKBOX) { Sync(Change::State); }

  void Sync(Change what) override {
    if (what == Change::State && Window()) {
      Send(BM_SETCHECK, pressed_.Checked() ? BST_CHECKED : BST_UNCHECKED);
      return;
    }
    WindowPeer::Sync(what);
  }
};

// Spin edits and memos: an edit whose text the control holds.
template <class C>
class EditPeer : public WindowPeer {
 public:
  EditPeer(C& edit, DWORD style) : WindowPeer(edit), edit_(edit) {
    Create(WindowClass::Edit, kChild | VisibleStyle() | TabStopStyle() | style, WS_EX_CLIENTEDGE,
           ParentHandle(), edit.Bounds());
  }

  void Sync(Change what) override {
    if (what != Change::State || !Window()) {
      WindowPeer::Sync(what);
      return;
    }
    pushing_ = true;
    ShowState();
    pushing_ = false;
  }

  void OnCommand(WORD code) override {
    if (code != EN_CHANGE || pushing_) return;
    const int length = GetWindowTextLengthW(Window());
    std::u16string text(static_cast<size_t>(length) + 1, u'\0');
    GetWindowTextW(Window(), reinterpret_cast<wchar_t*>(&text[0]), length + 1);
    text.resize(static_cast<size_t>(length));
    edit_.HandleTextChanged(text);
  }

 protected:
  virtual void ShowState() { SetWindowTextW(Window(), Wide(edit_.Text())); }

  C& edit_;

 private:
  bool pushing_ = false;
};

class MemoPeer : public EditPeer<Memo> {
 public:
  explicit MemoPeer(Memo& memo) : EditPeer(memo, Style(memo)) { Sync(Change::State); }

 protected:
  void ShowState() override {
    EditPeer::ShowState();
    Send(EM_SETREADONLY, edit_.ReadOnly());
  }

 private:
  static DWORD Style(const Memo& memo) {
    DWORD style = ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
    if (memo.ReadOnly()) style |= ES_READONLY;
    const auto bars = memo.GetScrollBars();
    if (bars == Memo::ScrollBars::Vertical || bars == Memo::ScrollBars::Both) style |= WS_VSCROLL;
    if (bars == Memo::ScrollBars::Horizontal || bars == Memo::ScrollBars::Both)
      style |= WS_HSCROLL | ES_AUTOHSCROLL;
    return style;
  }
};

// An edit with arrows inside.
class SpinEditPeer : public EditPeer<SpinEdit> {
 public:
  explicit SpinEditPeer(SpinEdit& spin) : EditPeer(spin, ES_AUTOHSCROLL) {
    MakeArrows();
    Sync(Change::State);
  }

  void Sync(Change what) override {
    EditPeer::Sync(what);
    if (what == Change::Enabled && arrows_)
      EnableWindow(arrows_->Get(), control_.EffectivelyEnabled());
  }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    // Up and Down step the field as its arrows do.
    if (message == WM_KEYDOWN && arrows_ && (wParam == VK_UP || wParam == VK_DOWN)) {
      edit_.StepBy(wParam == VK_UP ? 1 : -1);
      return 0;
    }
    if (message == WM_NOTIFY && arrows_) {
      const auto& change = *reinterpret_cast<const NMUPDOWN*>(lParam);
      if (change.hdr.hwndFrom == arrows_->Get() && change.hdr.code == UDN_DELTAPOS) {
        edit_.StepBy(change.iDelta > 0 ? 1 : -1);
        return 1;  // the arrows keep no position of their own
      }
    }
    return EditPeer::WindowProc(message, wParam, lParam);
  }

 private:
  void MakeArrows() {
    RECT client;
    GetClientRect(Window(), &client);
    const int width = 15;
    arrows_ = std::make_unique<OwnedWindow>(CreateWindowExW(
        0, UPDOWN_CLASSW, nullptr, WS_CHILD | WS_VISIBLE, client.right - width, 0, width,
        client.bottom, Window(), nullptr, platform::ModuleInstance(), nullptr));
    SendMessageW(arrows_->Get(), UDM_SETRANGE32, 0, 2);
    SendMessageW(arrows_->Get(), UDM_SETPOS32, 0, 1);
    Send(EM_SETMARGINS, EC_RIGHTMARGIN, MAKELPARAM(0, width + 1));
  }

  std::unique_ptr<OwnedWindow> arrows_;
};

class ListBoxPeer : public WindowPeer {
 public:
  explicit ListBoxPeer(ListBox& list) : WindowPeer(list), list_(list) {
    DWORD style = kChild | VisibleStyle() | WS_VSCROLL | LBS_OWNERDRAWFIXED | LBS_NOTIFY |
                  LBS_NOINTEGRALHEIGHT | TabStopStyle();
    if (list.MultiSelect()) style |= LBS_EXTENDEDSEL;
    Create(WindowClass::ListBox, style, WS_EX_CLIENTEDGE, ParentHandle(), list.Bounds());
    Send(LB_SETITEMHEIGHT, 0, list.ItemHeight());
    Sync(Change::Items);
  }

  void Sync(Change what) override {
    if (!Window()) return;
    if (what == Change::Items) {
      // Rows hold no text of their own: each is drawn from the model by its
      // index. Every change is synced as it happens, so one row short means
      // one append, and that row is all there is to add; rebuilding every row
      // per append made filling a long list quadratic.
      if (Send(LB_GETCOUNT) == list_.Count() - 1) {
        Send(LB_ADDSTRING, 0, list_.Count() - 1);
        return;
      }
      Send(WM_SETREDRAW, FALSE);
      Send(LB_RESETCONTENT);
      for (int i = 0; i < list_.Count(); ++i) Send(LB_ADDSTRING, 0, i);
      ShowSelection();
      Send(WM_SETREDRAW, TRUE);
      InvalidateRect(Window(), nullptr, TRUE);
      return;
    }
    if (what == Change::State) {
      ShowSelection();
      return;
    }
    WindowPeer::Sync(what);
  }

  void OnCommand(WORD code) override {
    if (code == LBN_SELCHANGE) {
      ReadSelection();
      list_.HandleClick();
    }
    if (code == LBN_DBLCLK) list_.HandleDoubleClick();
  }

  void OnDrawItem(const DRAWITEMSTRUCT& item) override {
    if (static_cast<int>(item.itemID) < 0 || static_cast<int>(item.itemID) >= list_.Count()) return;
    DrawItemEvent e;
    e.index = static_cast<int>(item.itemID);
    e.rect = Rect{item.rcItem.left, item.rcItem.top, item.rcItem.right, item.rcItem.bottom};
    e.selected = (item.itemState & ODS_SELECTED) != 0;
    e.focused = (item.itemState & ODS_FOCUS) != 0;
    if (!list_.DoubleBuffered()) {
      DrawItem(item.hDC, e);
      return;
    }
    // Drawn at the item's own coordinates on a surface shifted to the item.
    Surface buffer(e.rect.Width(), e.rect.Height());
    SetViewportOrgEx(buffer.Dc(), -e.rect.left, -e.rect.top, nullptr);
    DrawItem(buffer.Dc(), e);
    BitBlt(item.hDC, e.rect.left, e.rect.top, e.rect.Width(), e.rect.Height(), buffer.Dc(),
           e.rect.left, e.rect.top, SRCCOPY);
  }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_KEYDOWN) {
      uint16_t key = static_cast<uint16_t>(wParam);
      uint8_t shift = kNoShift;
      if (GetKeyState(VK_SHIFT) < 0) shift |= kShift;
      if (GetKeyState(VK_CONTROL) < 0) shift |= kCtrl;
      if (GetKeyState(VK_MENU) < 0) shift |= kAlt;
      if (!list_.HandleKeyDown(key, shift) || !Window()) return 0;
      return WindowPeer::WindowProc(message, key, lParam);
    }
    return WindowPeer::WindowProc(message, wParam, lParam);
  }

 private:
  void DrawItem(HDC dc, const DrawItemEvent& e) {
    GdiCanvas canvas(dc);
    canvas.SetFont(list_.GetFont());
    if (list_.onDrawItem) {
      list_.onDrawItem(list_, canvas, e);
    } else {
      canvas.FillRect(e.rect, Brush{Brush::Style::Solid, SystemColor(SysColor::Window)});
    }
  }

  void ShowSelection() {
    const int current = list_.ItemIndex();
    if (!list_.MultiSelect()) {
      Send(LB_SETCURSEL, current);
      return;
    }
    for (int i = 0; i < list_.Count(); ++i) Send(LB_SETSEL, list_.Selected(i), i);
    if (current >= 0) Send(LB_SETCARETINDEX, current, FALSE);
  }

  void ReadSelection() {
    std::vector<bool> selected(static_cast<size_t>(list_.Count()));
    int current = -1;
    if (list_.MultiSelect()) {
      for (int i = 0; i < list_.Count(); ++i) selected[i] = Send(LB_GETSEL, i) > 0;
      current = static_cast<int>(Send(LB_GETCARETINDEX));
    } else {
      current = static_cast<int>(Send(LB_GETCURSEL));
      if (current >= 0 && current < list_.Count()) selected[current] = true;
    }
    list_.HandleSelectionRead(current, selected);
  }

  ListBox& list_;
};

// A picture area keeps a surface of its own, shown at every repaint.
class PictureAreaPeer : public PanelPeer {
 public:
  explicit PictureAreaPeer(PictureArea& area)
      : PanelPeer(area, 0), surface_(area.Bounds().Width(), area.Bounds().Height()) {
    const RECT all{0, 0, surface_.Width(), surface_.Height()};
    ::FillRect(surface_.Dc(), &all, GetSysColorBrush(COLOR_BTNFACE));
  }

  bool PaintNow(const std::function<void(Canvas&)>& paint) override {
    if (!Window()) return false;
    {
      GdiCanvas canvas(surface_.Dc());
      paint(canvas);
    }
    InvalidateRect(Window(), nullptr, FALSE);
    return true;
  }

 protected:
  void Paint(HDC dc) override {
    BitBlt(dc, 0, 0, surface_.Width(), surface_.Height(), surface_.Dc(), 0, 0, SRCCOPY);
  }

 private:
  Surface surface_;
};

// A custom control paints itself, at every repaint and when asked at once.
class CustomControlPeer : public PanelPeer {
 public:
  explicit CustomControlPeer(CustomControl& custom) : PanelPeer(custom, 0), custom_(custom) {}

  bool PaintNow(const std::function<void(Canvas&)>& paint) override {
    if (!Window()) return false;
    WindowDC dc(Window());
    GdiCanvas canvas(dc.Get());
    paint(canvas);
    return true;
  }

 protected:
  void Paint(HDC dc) override {
    GdiCanvas canvas(dc);
    custom_.Paint(canvas);
  }

 private:
  CustomControl& custom_;
};

}  // namespace
}  // namespace toolkit::win32

namespace toolkit {

using win32::ChildPeer;

std::unique_ptr<Peer> Form::CreatePeer() {
  return std::make_unique<win32::FormPeer>(*this);
}
std::unique_ptr<Peer> Label::CreatePeer() {
  return ChildPeer<win32::LabelPeer>(*this);
}
std::unique_ptr<Peer> Button::CreatePeer() {
  return ChildPeer<win32::ButtonPeer>(*this);
}
std::unique_ptr<Peer> CheckBox::CreatePeer() {
  return ChildPeer<win32::CheckBoxPeer>(*this);
}
std::unique_ptr<Peer> RadioGroup::CreatePeer() {
  return ChildPeer<win32::RadioGroupPeer>(*this);
}
std::unique_ptr<Peer> SpinEdit::CreatePeer() {
  return ChildPeer<win32::SpinEditPeer>(*this);
}
std::unique_ptr<Peer> Memo::CreatePeer() {
  return ChildPeer<win32::MemoPeer>(*this);
}
std::unique_ptr<Peer> PageControl::CreatePeer() {
  return ChildPeer<win32::PageControlPeer>(*this);
}
std::unique_ptr<Peer> TabSheet::CreatePeer() {
  return ChildPeer<win32::TabSheetPeer>(*this);
}
std::unique_ptr<Peer> GroupBox::CreatePeer() {
  return ChildPeer<win32::GroupBoxPeer>(*this);
}
std::unique_ptr<Peer> ListBox::CreatePeer() {
  return ChildPeer<win32::ListBoxPeer>(*this);
}
std::unique_ptr<Peer> PictureArea::CreatePeer() {
  return ChildPeer<win32::PictureAreaPeer>(*this);
}
std::unique_ptr<Peer> CustomControl::CreatePeer() {
  return ChildPeer<win32::CustomControlPeer>(*this);
}

}  // namespace toolkit
