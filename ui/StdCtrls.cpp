#include "ui/StdCtrls.h"

#include <algorithm>
#include <cctype>

#include "ui/Forms.h"

namespace ui {

// ---- TLabel ----

TLabel::TLabel(TComponent* owner, TextArg name, TWinControl* parent, Bounds bounds, TextArg caption)
    : TGraphicControl(owner, name, parent, bounds) {
  // The design size stands as given; sizing to the text starts with the next change.
  autoSize_ = false;
  SetCaption(caption.Text);
  autoSize_ = true;
}

TLabel::~TLabel() { SetFocusControl(nullptr); }

void TLabel::SetFocusControl(TWinControl* control) {
  if (control == focusControl_) return;
  if (focusControl_) {
    auto& labels = focusControl_->focusLabels_;
    labels.erase(std::remove(labels.begin(), labels.end(), this), labels.end());
  }
  focusControl_ = control;
  if (control) control->focusLabels_.push_back(this);
}

void TLabel::SetAlignment(TAlignment a) {
  if (a == alignment_) return;
  alignment_ = a;
  Changed(Change::Style);
}

void TLabel::SetLayout(TTextLayout l) {
  if (l == layout_) return;
  layout_ = l;
  Changed(Change::Style);
}

void TLabel::SetWordWrap(bool w) {
  if (w == wordWrap_) return;
  wordWrap_ = w;
  Changed(Change::Style);
  AdjustBounds();
}

void TLabel::SetAutoSize(bool a) {
  if (a == autoSize_) return;
  autoSize_ = a;
  AdjustBounds();
}

void TLabel::SetTransparent(bool t) {
  if (t == transparent_) return;
  transparent_ = t;
  Changed(Change::Style);
}

void TLabel::SetShowAccelChar(bool show) {
  if (show == showAccelChar_) return;
  showAccelChar_ = show;
  Changed(Change::Style);
  AdjustBounds();
}

std::string TLabel::ShownCaption() const {
  return showAccelChar_ ? StripAccelerator(Caption()) : Caption();
}

bool TLabel::DialogChar(char ch) {
  if (!focusControl_ || !Enabled() || !showAccelChar_ || !IsAccel(ch, Caption())) return false;
  if (!focusControl_->CanFocus()) return false;
  focusControl_->SetFocus();
  return true;
}

void TLabel::AdjustBounds() {
  if (!autoSize_) return;
  // An empty caption still takes one line's height, as the classic label measures " ".
  const std::string shown = ShownCaption();
  const std::string& text = shown.empty() ? std::string(" ") : shown;
  TextSize size = CurrentBackend().MeasureText(Font(), text, wordWrap_ ? Width() : 0);
  int left = Left();
  int width = wordWrap_ ? Width() : size.Width;
  if (!wordWrap_) {
    if (alignment_ == TAlignment::RightJustify) left += Width() - width;
    if (alignment_ == TAlignment::Center) left += (Width() - width) / 2;
  }
  SetBounds(left, Top(), width, size.Height);
}

// ---- buttons ----

TButton::TButton(TComponent* owner, TextArg name, TWinControl* parent, Bounds bounds,
                 TextArg caption)
    : TButtonControl(owner, name, parent, bounds) {
  SetTabStop(true);
  SetCaption(caption.Text);
}

void TButton::SetDefault(bool d) {
  if (d == default_) return;
  default_ = d;
  Changed(Change::Default);
}

void TButton::Click() {
  if (modalResult_ != mrNone)
    if (TForm* form = ParentForm()) form->SetModalResult(modalResult_);
  TButtonControl::Click();
}

bool TButton::DialogChar(char ch) {
  if (!IsAccel(ch, Caption()) || !CanFocus()) return false;
  UserClick();
  return true;
}

TCheckBox::TCheckBox(TComponent* owner, TextArg name, TWinControl* parent, Bounds bounds,
                     TextArg caption)
    : TButtonControl(owner, name, parent, bounds) {
  SetTabStop(true);
  SetCaption(caption.Text);
}

bool TCheckBox::DialogChar(char ch) {
  if (!IsAccel(ch, Caption()) || !CanFocus()) return false;
  SetFocus();
  UserClick();
  return true;
}

void TCheckBox::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  Changed(Change::Checked);
  Click();
}

TRadioButton::TRadioButton(TComponent* owner, TextArg name, TWinControl* parent, Bounds bounds,
                           TextArg caption)
    : TButtonControl(owner, name, parent, bounds) {
  SetCaption(caption.Text);
}

bool TRadioButton::DialogChar(char ch) {
  if (!IsAccel(ch, Caption()) || !CanFocus()) return false;
  SetFocus();
  UserClick();
  return true;
}

void TRadioButton::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  Changed(Change::Checked);
  if (!checked) return;
  if (TWinControl* parent = Parent()) {
    for (TControl* sibling : parent->Controls()) {
      auto* radio = dynamic_cast<TRadioButton*>(sibling);
      if (radio && radio != this && radio->checked_) {
        radio->checked_ = false;
        radio->Changed(Change::Checked);
      }
    }
  }
  Click();
}

// ---- TEdit ----

TEdit::TEdit(TComponent* owner, TextArg name, TWinControl* parent, Bounds bounds)
    : TWinControl(owner, name, parent, bounds) {
  SetTabStop(true);
  SetColor(clWindow);
}

void TEdit::SetMaxLength(int n) {
  if (n == maxLength_) return;
  maxLength_ = n;
  Changed(Change::MaxLength);
}

void TEdit::SetCharCase(TEditCharCase c) {
  if (c == charCase_) return;
  charCase_ = c;
  Changed(Change::CharCase);
  SetText(Cased(Text()));
}

void TEdit::SetReadOnly(bool r) {
  if (r == readOnly_) return;
  readOnly_ = r;
  Changed(Change::ReadOnly);
}

void TEdit::SetSelection(int start, int length) {
  int size = static_cast<int>(Text().size());
  start = std::clamp(start, 0, size);
  length = std::clamp(length, 0, size - start);
  if (start == selStart_ && length == selLength_) return;
  selStart_ = start;
  selLength_ = length;
  Changed(Change::Selection);
}

std::string TEdit::Cased(const std::string& s) const {
  std::string out = s;
  if (charCase_ == TEditCharCase::UpperCase)
    for (char& ch : out) ch = char(std::toupper(static_cast<unsigned char>(ch)));
  if (charCase_ == TEditCharCase::LowerCase)
    for (char& ch : out) ch = char(std::tolower(static_cast<unsigned char>(ch)));
  return out;
}

void TEdit::TextChanged() {
  std::string cased = Cased(Text());
  if (cased != Text()) {
    SetText(cased);  // runs this again with the cased text
    return;
  }
  // The caret goes to the end of text the program sets, as in a real edit box.
  int size = static_cast<int>(Text().size());
  selStart_ = std::min(selStart_, size);
  selLength_ = std::min(selLength_, size - selStart_);
  if (OnChange) OnChange(this);
}

void TEdit::UserType(const std::string& chars) {
  for (char ch : chars) {
    if (readOnly_) return;
    std::string text = Text();
    if (ch == '\b') {
      if (selLength_ == 0 && selStart_ == 0) continue;
      int from = selLength_ ? selStart_ : selStart_ - 1;
      int count = selLength_ ? selLength_ : 1;
      text.erase(std::size_t(from), std::size_t(count));
      selStart_ = from;
    } else {
      if (maxLength_ > 0 && int(text.size()) - selLength_ >= maxLength_) continue;
      text.replace(std::size_t(selStart_), std::size_t(selLength_), Cased(std::string(1, ch)));
      selStart_ += 1;
    }
    selLength_ = 0;
    SetText(text);
  }
}

void TEdit::UserSetText(const std::string& text) { SetText(text); }

void TEdit::UserSetText(const std::string& text, int selStart, int selLength) {
  // The window already shows this selection: nothing to tell it.
  selStart_ = std::max(0, selStart);
  selLength_ = std::max(0, selLength);
  SetText(text);
}

// ---- TComboBox ----

namespace {
int IndexOfText(const std::vector<std::string>& items, const std::string& text) {
  for (std::size_t i = 0; i < items.size(); ++i)
    if (SameText(items[i], text)) return static_cast<int>(i);
  return -1;
}
}  // namespace

TComboBox::TComboBox(TComponent* owner, TextArg name, TWinControl* parent, Bounds bounds)
    : TWinControl(owner, name, parent, bounds) {
  SetTabStop(true);
  SetColor(clWindow);
}

void TComboBox::SetStyle(TComboBoxStyle s) {
  if (s == style_) return;
  style_ = s;
  Changed(Change::Style);
}

void TComboBox::SetItems(std::vector<std::string> items) {
  items_ = std::move(items);
  itemIndex_ = -1;
  Changed(Change::Items);
}

void TComboBox::AddItem(const std::string& item) {
  items_.push_back(item);
  Changed(Change::Items);
}

void TComboBox::DeleteItem(int index) {
  if (index < 0 || index >= int(items_.size())) return;
  items_.erase(items_.begin() + index);
  if (itemIndex_ == index) {
    itemIndex_ = -1;
    if (style_ == TComboBoxStyle::DropDownList) SetCaption("");
  } else if (itemIndex_ > index) {
    --itemIndex_;
  }
  Changed(Change::Items);
}

void TComboBox::ClearItems() {
  items_.clear();
  itemIndex_ = -1;
  if (style_ == TComboBoxStyle::DropDownList) SetCaption("");
  Changed(Change::Items);
}

int TComboBox::IndexOfItem(const std::string& text) const { return IndexOfText(items_, text); }

void TComboBox::SetItemIndex(int index) {
  if (index < -1 || index >= int(items_.size())) index = -1;
  itemIndex_ = index;
  SetCaption(index >= 0 ? items_[std::size_t(index)] : std::string());
  Changed(Change::ItemIndex);
}

void TComboBox::SetComboText(const std::string& text) {
  if (style_ == TComboBoxStyle::DropDownList) {
    SetItemIndex(IndexOfText(items_, text));
    return;
  }
  // The text first: a window told that no item is chosen then keeps that text.
  SetCaption(text);
  if (itemIndex_ >= 0 && items_[std::size_t(itemIndex_)] != text) {
    itemIndex_ = -1;
    Changed(Change::ItemIndex);
  }
}

void TComboBox::UserSelect(int index) {
  SetItemIndex(index);
  if (OnChange) OnChange(this);
}

void TComboBox::UserType(const std::string& chars) {
  if (style_ == TComboBoxStyle::DropDownList) return;
  for (char ch : chars) {
    std::string text = Text();
    if (ch == '\b') {
      if (!text.empty()) text.pop_back();
    } else {
      text += ch;
    }
    UserSetText(text);
  }
}

void TComboBox::UserSetText(const std::string& text) {
  if (style_ == TComboBoxStyle::DropDownList) return;
  SetComboText(text);
  if (OnChange) OnChange(this);
}

// ---- TListBox ----

TListBox::TListBox(TComponent* owner, TextArg name, TWinControl* parent, Bounds bounds)
    : TWinControl(owner, name, parent, bounds) {
  SetTabStop(true);
  SetColor(clWindow);
}

void TListBox::SetItems(std::vector<std::string> items) {
  items_ = std::move(items);
  itemIndex_ = -1;
  Changed(Change::Items);
}

void TListBox::AddItem(const std::string& item) { InsertItem(int(items_.size()), item); }

void TListBox::InsertItem(int index, const std::string& item) {
  index = std::clamp(index, 0, int(items_.size()));
  items_.insert(items_.begin() + index, item);
  // The list box forgets its selection when an entry is inserted, as a real list box does.
  itemIndex_ = -1;
  Changed(Change::Items);
}

void TListBox::DeleteItem(int index) {
  if (index < 0 || index >= int(items_.size())) return;
  items_.erase(items_.begin() + index);
  itemIndex_ = -1;
  Changed(Change::Items);
}

void TListBox::ClearItems() { SetItems({}); }

int TListBox::IndexOfItem(const std::string& text) const { return IndexOfText(items_, text); }

void TListBox::SetItemIndex(int index) {
  if (index < -1 || index >= int(items_.size())) index = -1;
  if (index == itemIndex_) return;
  itemIndex_ = index;
  Changed(Change::ItemIndex);
}

void TListBox::UserSelect(int index) {
  SetItemIndex(index);
  Click();
}

// ---- containers ----

TGroupBox::TGroupBox(TComponent* owner, TextArg name, TWinControl* parent, Bounds bounds,
                     TextArg caption)
    : TWinControl(owner, name, parent, bounds) {
  SetCaption(caption.Text);
}

bool TGroupBox::DialogChar(char ch) {
  if (!IsAccel(ch, Caption()) || !CanFocus()) return false;
  if (SelectFirst()) return true;
  // Radio buttons are no tab stops: then the checked one, or the first that can take focus.
  TWinControl* target = nullptr;
  for (TControl* c : Controls()) {
    auto* win = dynamic_cast<TWinControl*>(c);
    if (!win || !win->CanFocus()) continue;
    auto* radio = dynamic_cast<TRadioButton*>(win);
    if (radio && radio->Checked()) {
      target = win;
      break;
    }
    if (!target) target = win;
  }
  if (target) target->SetFocus();
  return true;
}

TPanel::TPanel(TComponent* owner, TextArg name, TWinControl* parent, Bounds bounds, TextArg caption)
    : TWinControl(owner, name, parent, bounds) {
  SetCaption(caption.Text);
}

void TPanel::SetBevelOuter(TBevelCut b) {
  if (b == bevelOuter_) return;
  bevelOuter_ = b;
  Changed(Change::Style);
}

}  // namespace ui
