#include "ui/toolkit/controls.h"

#include <algorithm>
#include <limits>

namespace toolkit {
namespace {

// Decimal with an optional sign and surrounding blanks, within 32 bits.
bool ParseWholeNumber(const std::u16string& text, int32_t& value) {
  size_t i = 0;
  size_t end = text.size();
  while (i < end && text[i] == u' ') ++i;
  while (end > i && text[end - 1] == u' ') --end;
  bool negative = false;
  if (i < end && (text[i] == u'-' || text[i] == u'+')) negative = text[i++] == u'-';
  if (i == end) return false;
  int64_t magnitude = 0;
  for (; i < end; ++i) {
    if (text[i] < u'0' || text[i] > u'9') return false;
    magnitude = magnitude * 10 + (text[i] - u'0');
    if (magnitude > int64_t{std::numeric_limits<int32_t>::max()} + 1) return false;
  }
  const int64_t signedValue = negative ? -magnitude : magnitude;
  if (signedValue > std::numeric_limits<int32_t>::max()) return false;
  value = static_cast<int32_t>(signedValue);
  return true;
}

std::u16string Decimal(int32_t value) {
  const std::string digits = std::to_string(value);
  return std::u16string(digits.begin(), digits.end());
}

}  // namespace

void Button::HandleClick() {
  if (onClick) onClick();
}

void CheckBox::SetChecked(bool checked) {
  if (checked_ == checked) return;
  checked_ = checked;
  Changed(Change::State);
  if (onClick) onClick();
}

void RadioGroup::SetItems(std::vector<std::u16string> items) {
  items_ = std::move(items);
  if (itemIndex_ >= static_cast<int>(items_.size())) itemIndex_ = -1;
  Changed(Change::Items);
}

void RadioGroup::SetItemIndex(int index) {
  if (index < -1 || index >= static_cast<int>(items_.size())) index = -1;
  if (itemIndex_ == index) return;
  itemIndex_ = index;
  Changed(Change::State);
  if (onClick) onClick();
}

void SpinEdit::SetRange(int32_t minValue, int32_t maxValue, int32_t step) {
  min_ = minValue;
  max_ = maxValue;
  step_ = step;
}

int32_t SpinEdit::Clamp(int32_t value) const {
  if (max_ <= min_) return value;
  return std::clamp(value, min_, max_);
}

int32_t SpinEdit::Value() const {
  int32_t value = 0;
  return ParseWholeNumber(text_, value) ? value : min_;
}

void SpinEdit::SetValue(int32_t value) {
  std::u16string text = Decimal(Clamp(value));
  if (text == text_) return;
  text_ = std::move(text);
  Changed(Change::State);
}

void SpinEdit::StepBy(int steps) {
  if (!EffectivelyEnabled()) return;
  SetValue(static_cast<int32_t>(std::clamp<int64_t>(int64_t{Value()} + int64_t{step_} * steps,
                                                    std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max())));
}

void Memo::SetLines(std::vector<std::u16string> lines) {
  lines_ = std::move(lines);
  Changed(Change::State);
}

void Memo::AddLine(std::u16string line) {
  lines_.push_back(std::move(line));
  Changed(Change::State);
}

std::u16string Memo::Text() const {
  std::u16string text;
  for (size_t i = 0; i < lines_.size(); ++i) {
    if (i > 0) text += u"\r\n";
    text += lines_[i];
  }
  return text;
}

void Memo::SetReadOnly(bool readOnly) {
  if (readOnly_ == readOnly) return;
  readOnly_ = readOnly;
  Changed(Change::State);
}

void Memo::HandleTextChanged(const std::u16string& text) {
  lines_.clear();
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(u"\r\n", start);
    if (end == std::u16string::npos) {
      if (start < text.size()) lines_.push_back(text.substr(start));
      break;
    }
    lines_.push_back(text.substr(start, end - start));
    start = end + 2;
  }
}

std::vector<TabSheet*> PageControl::Pages() const {
  std::vector<TabSheet*> pages;
  for (Control* child : Children())
    if (child->GetKind() == Kind::TabSheet) pages.push_back(static_cast<TabSheet*>(child));
  return pages;
}

TabSheet* PageControl::ActivePage() const {
  const auto pages = Pages();
  return active_ >= 0 && active_ < static_cast<int>(pages.size()) ? pages[active_] : nullptr;
}

void PageControl::SetActivePageIndex(int index) {
  const auto pages = Pages();
  if (index < 0 || index >= static_cast<int>(pages.size())) return;
  active_ = index;
  for (size_t i = 0; i < pages.size(); ++i) pages[i]->SetVisible(static_cast<int>(i) == index);
  Changed(Change::State);
}

void PageControl::ChildAdded(Control& child) {
  if (child.GetKind() != Kind::TabSheet) return;
  child.SetBounds(DisplayRect());
  child.SetVisible(static_cast<int>(Pages().size()) - 1 == active_);
}

Rect PageControl::DisplayRect() const {
  // Tabs one text line high, then a 2-pixel border round the pages.
  const int tabs = GetFont().height + 10;
  return Rect{4, tabs + 2, Bounds().Width() - 4, Bounds().Height() - 4};
}

void PictureArea::Draw(const Painting& paint) {
  if (GetPeer()) GetPeer()->PaintNow(paint);
  if (onDraw) onDraw(paint);
}

void PictureArea::SetPicture(const Picture& picture) {
  Draw([&picture](Canvas& canvas) { canvas.DrawPicture(picture, 0, 0); });
}

void CustomControl::Paint(Canvas& canvas) {
  if (onPaint) onPaint(canvas);
}

void CustomControl::PaintNow() {
  if (GetPeer()) GetPeer()->PaintNow([this](Canvas& canvas) { Paint(canvas); });
}

}  // namespace toolkit
