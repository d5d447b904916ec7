// Window descriptions: declarative data saying which controls a form has, where
// they sit and how they are wired. A form class declares one typed pointer per
// control and one member function per handler; its description names them:
//
//   const toolkit::WindowDescription<TDemoForm> kDemo{
//       toolkit::FormSpec{u"Caption", toolkit::BorderStyle::Dialog, 200, 100},
//       {&TDemoForm::FormCreate, &TDemoForm::FormShow, nullptr, nullptr},
//       {toolkit::Describe(&TDemoForm::OkChk, "OkChk").At(8, 8, 100, 17)
//            .Caption(u"Ok").Style(toolkit::kBold).Tab(0).OnClick(&TDemoForm::OkChkClick)}};
//
// Bind(form, description) creates the controls in order (a parent before its
// children), sets their initial values, then wires the events, fills the typed
// pointers and creates the form. A value a kind cannot take fails to compile.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "ui/toolkit/controls.h"
#include "ui/toolkit/form.h"
#include "ui/toolkit/list_box.h"

namespace toolkit {

struct FormSpec {
  std::u16string caption;
  BorderStyle border = BorderStyle::Dialog;
  int clientWidth = 0;
  int clientHeight = 0;
  bool stayOnTop = true;
  Font font;  // Tahoma, 11 pixels
};

template <class F>
struct FormEvents {
  void (F::*created)() = nullptr;
  void (F::*shown)() = nullptr;
  void (F::*close)() = nullptr;
  void (F::*destroyed)() = nullptr;
};

// One described control with its kind erased; made by Describe(...).
template <class F>
struct ControlDesc {
  std::string name;
  std::string parent;  // empty: the form
  Rect bounds;
  std::u16string caption;
  Font font;
  int tabOrder = -1;
  bool enabled = true;
  std::function<Control&(F& form)> make;  // creates the control and fills the slot
  std::vector<std::function<void(F& form, Control& control)>> initial;
  std::vector<std::function<void(F& form, Control& control)>> wiring;
};

template <class F>
struct WindowDescription {
  FormSpec form;
  FormEvents<F> events;
  std::vector<ControlDesc<F>> controls;
};

// Builder for one control of kind T held in the form's member slot.
template <class F, class T>
class ControlSpec {
 public:
  ControlSpec(T* F::*slot, std::string name) {
    desc_.name = std::move(name);
    desc_.make = [slot](F& form) -> Control& {
      T& control = form.Adopt(std::make_unique<T>());
      form.*slot = &control;
      return control;
    };
  }

  ControlSpec& In(std::string parent) { return Set(desc_.parent, std::move(parent)); }
  ControlSpec& At(int left, int top, int width, int height) {
    return Set(desc_.bounds, Rect::FromBounds(left, top, width, height));
  }
  ControlSpec& Caption(std::u16string caption) { return Set(desc_.caption, std::move(caption)); }
  ControlSpec& Style(uint8_t style) { return Set(desc_.font.style, style); }
  ControlSpec& FontFace(std::u16string face) { return Set(desc_.font.face, std::move(face)); }
  ControlSpec& Tab(int order) { return Set(desc_.tabOrder, order); }
  ControlSpec& Disabled() { return Set(desc_.enabled, false); }
  ControlSpec& Hint(std::u16string hint) {
    return Init([hint](T& c) { c.SetHint(hint); });
  }

  ControlSpec& Checked(bool checked) {
    static_assert(std::is_base_of_v<CheckBox, T>, "Checked needs a check box");
    return Init([checked](T& c) { c.SetChecked(checked); });
  }
  ControlSpec& Items(std::vector<std::u16string> items) {
    static_assert(std::is_base_of_v<RadioGroup, T>, "Items needs a radio group");
    return Init([items](T& c) { c.SetItems(items); });
  }
  ControlSpec& Selected(int index) {
    static_assert(std::is_base_of_v<RadioGroup, T> || std::is_base_of_v<PageControl, T>,
                  "Selected needs a radio group or a page control");
    if constexpr (std::is_base_of_v<RadioGroup, T>) {
      return Init([index](T& c) { c.SetItemIndex(index); });
    } else {
      return Init([index](T& c) { c.SetActivePageIndex(index); });
    }
  }
  ControlSpec& Range(int32_t minValue, int32_t maxValue, int32_t step) {
    static_assert(std::is_base_of_v<SpinEdit, T>, "Range needs a spin edit");
    return Init([=](T& c) { c.SetRange(minValue, maxValue, step); });
  }
  ControlSpec& Value(int32_t value) {
    static_assert(std::is_base_of_v<SpinEdit, T>, "Value needs a spin edit");
    return Init([value](T& c) { c.SetValue(value); });
  }
  ControlSpec& Lines(std::vector<std::u16string> lines) {
    static_assert(std::is_base_of_v<Memo, T>, "Lines needs a memo");
    return Init([lines](T& c) { c.SetLines(lines); });
  }
  ControlSpec& ReadOnly() {
    static_assert(std::is_base_of_v<Memo, T>, "ReadOnly needs a memo");
    return Init([](T& c) { c.SetReadOnly(true); });
  }
  ControlSpec& ScrollBars(Memo::ScrollBars bars) {
    static_assert(std::is_base_of_v<Memo, T>, "ScrollBars needs a memo");
    return Init([bars](T& c) { c.SetScrollBars(bars); });
  }
  ControlSpec& ItemHeight(int height) {
    static_assert(std::is_base_of_v<ListBox, T>, "ItemHeight needs a list box");
    return Init([height](T& c) { c.SetItemHeight(height); });
  }
  ControlSpec& MultiSelect() {
    static_assert(std::is_base_of_v<ListBox, T>, "MultiSelect needs a list box");
    return Init([](T& c) { c.SetMultiSelect(true); });
  }
  ControlSpec& DoubleBuffered() {
    static_assert(std::is_base_of_v<ListBox, T>, "DoubleBuffered needs a list box");
    return Init([](T& c) { c.SetDoubleBuffered(true); });
  }
  // Anything else a custom kind needs at creation (a palette picture, a maximum).
  ControlSpec& Init(std::function<void(T&)> init) {
    desc_.initial.push_back([init](F&, Control& c) { init(static_cast<T&>(c)); });
    return *this;
  }

  ControlSpec& OnClick(void (F::*handler)()) {
    return Wire([handler](F& form, T& c) { c.onClick = [&form, handler] { (form.*handler)(); }; });
  }
  ControlSpec& OnDoubleClick(void (F::*handler)()) {
    static_assert(std::is_base_of_v<ListBox, T>, "OnDoubleClick needs a list box");
    return Wire(
        [handler](F& form, T& c) { c.onDoubleClick = [&form, handler] { (form.*handler)(); }; });
  }
  ControlSpec& OnDrawItem(void (F::*handler)(ListBox&, Canvas&, const DrawItemEvent&)) {
    static_assert(std::is_base_of_v<ListBox, T>, "OnDrawItem needs a list box");
    return Wire([handler](F& form, T& c) {
      c.onDrawItem = [&form, handler](ListBox& list, Canvas& canvas, const DrawItemEvent& e) {
        (form.*handler)(list, canvas, e);
      };
    });
  }
  ControlSpec& OnKeyDown(void (F::*handler)(ListBox&, uint16_t&, uint8_t)) {
    static_assert(std::is_base_of_v<ListBox, T>, "OnKeyDown needs a list box");
    return Wire([handler](F& form, T& c) {
      c.onKeyDown = [&form, handler](ListBox& list, uint16_t& key, uint8_t shift) {
        (form.*handler)(list, key, shift);
      };
    });
  }
  // Wiring of events a custom kind adds.
  ControlSpec& Wire(std::function<void(F&, T&)> wire) {
    desc_.wiring.push_back([wire](F& form, Control& c) { wire(form, static_cast<T&>(c)); });
    return *this;
  }

  operator ControlDesc<F>() const { return desc_; }

 private:
  template <class V, class W>
  ControlSpec& Set(V& field, W&& value) {
    field = std::forward<W>(value);
    return *this;
  }

  ControlDesc<F> desc_;
};

template <class F, class T>
ControlSpec<F, T> Describe(T* F::*slot, std::string name) {
  return ControlSpec<F, T>(slot, std::move(name));
}

// Builds the form from its description; false (and nothing wired) when a
// parent is named before it is described.
template <class F>
bool Bind(F& form, const WindowDescription<F>& d) {
  static_assert(std::is_base_of_v<Form, F>, "a description binds to a Form");
  form.SetCaption(d.form.caption);
  form.SetBorder(d.form.border);
  form.SetStayOnTop(d.form.stayOnTop);
  form.SetFont(d.form.font);
  form.SetClientSize(d.form.clientWidth, d.form.clientHeight);

  std::vector<std::pair<const ControlDesc<F>*, Control*>> made;
  for (const ControlDesc<F>& c : d.controls) {
    Control* parent = &form;
    if (!c.parent.empty()) parent = form.FindControl(c.parent);
    if (!parent) return false;
    Control& control = c.make(form);
    control.SetName(c.name);
    control.SetBounds(c.bounds);
    control.SetCaption(c.caption);
    control.SetFont(c.font);
    control.SetTabOrder(c.tabOrder);
    control.SetEnabled(c.enabled);
    control.SetParent(parent);
    for (const auto& init : c.initial) init(form, control);
    made.emplace_back(&c, &control);
  }
  for (auto& [desc, control] : made)
    for (const auto& wire : desc->wiring) wire(form, *control);
  auto wireForm = [&form](void (F::*handler)(), Handler& event) {
    if (handler) event = [&form, handler] { (form.*handler)(); };
  };
  wireForm(d.events.created, form.onCreate);
  wireForm(d.events.shown, form.onShow);
  wireForm(d.events.close, form.onClose);
  wireForm(d.events.destroyed, form.onDestroy);
  form.Create();
  return true;
}

}  // namespace toolkit
