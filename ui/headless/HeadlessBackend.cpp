#include "ui/headless/HeadlessBackend.h"

#include <algorithm>

namespace ui::headless {

namespace {

// What a test compares a wide box's text with (its own source is UTF-8).
std::string Utf8(const std::u16string& wide) {
  std::string out;
  for (std::size_t i = 0; i < wide.size(); ++i) {
    std::uint32_t c = wide[i];
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < wide.size() && wide[i + 1] >= 0xDC00 &&
        wide[i + 1] < 0xE000)
      c = 0x10000 + ((c - 0xD800) << 10) + (wide[++i] - 0xDC00);
    if (c < 0x80) {
      out += char(c);
    } else if (c < 0x800) {
      out += char(0xC0 | (c >> 6));
      out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += char(0xE0 | (c >> 12));
      out += char(0x80 | ((c >> 6) & 0x3F));
      out += char(0x80 | (c & 0x3F));
    } else {
      out += char(0xF0 | (c >> 18));
      out += char(0x80 | ((c >> 12) & 0x3F));
      out += char(0x80 | ((c >> 6) & 0x3F));
      out += char(0x80 | (c & 0x3F));
    }
  }
  return out;
}

}  // namespace

class HeadlessPeer : public Peer {
 public:
  HeadlessPeer(HeadlessBackend& backend, TWinControl& control)
      : backend_(backend), control_(control), handle_(backend.NewHandle()) {}
  // A window destroyed from outside has no handle any more, as on Windows.
  sys::WindowHandle Handle() const override { return lost_ ? 0 : handle_; }
  void Changed(Change what) override { backend_.NoteChange(control_.Name(), what); }
  void GraphicChanged(TControl& child, Change what) override {
    backend_.NoteChange(child.Name(), what);
  }
  void Repaint(TControl& what) override {
    backend_.repaints_[&what] += 1;
    backend_.NoteRepaint(what.Name());
  }
  void SetFocus() override {}
  bool SetLayeredAlpha(std::uint8_t) override { return !backend_.alphaFails_; }
  void BringToFront() override { backend_.raises_[&control_] += 1; }
  bool Lost() const override { return lost_; }
  void Lose() { lost_ = true; }

 private:
  HeadlessBackend& backend_;
  TWinControl& control_;
  sys::WindowHandle handle_;
  bool lost_ = false;
};

HeadlessBackend::HeadlessBackend() { appHandle_ = NewHandle(); }

namespace {
// Linked in, the headless backend is the one made when none was installed.
const bool kDefault = (SetDefaultBackendFactory([]() -> std::unique_ptr<Backend> {
                         return std::make_unique<HeadlessBackend>();
                       }),
                       true);
}  // namespace

// ---- modal windows and boxes ----

void HeadlessBackend::OnModal(std::function<void(TForm&)> handler) {
  modals_.push_back(std::move(handler));
}

void HeadlessBackend::AnswerMessageBox(int result) {
  answers_.push_back([result](const MessageBoxCall&) { return result; });
}

void HeadlessBackend::OnMessageBox(std::function<int(const MessageBoxCall&)> answer) {
  answers_.push_back(std::move(answer));
}

void HeadlessBackend::AnswerOpenDialog(std::optional<std::string> fileName) {
  openAnswers_.push_back(std::move(fileName));
}

void HeadlessBackend::AnswerColorDialog(std::optional<TColor> color) {
  colorAnswers_.push_back(color);
}

int HeadlessBackend::RunModal(TForm& form) {
  if (modals_.empty()) {
    unexpected_.push_back("modal " + form.Name());
  } else {
    auto handler = std::move(modals_.front());
    modals_.pop_front();
    Guarded([&] { handler(form); });
    if (form.ModalResult() == mrNone) unexpected_.push_back("left open " + form.Name());
  }
  if (form.ModalResult() == mrNone) form.SetModalResult(mrCancel);
  return form.ModalResult();
}

void HeadlessBackend::RunMessageLoop() {}

int HeadlessBackend::MessageBox(const std::string& text, const std::string& caption,
                                unsigned flags) {
  return RecordBox({text, caption, flags, 0, false});
}

int HeadlessBackend::MessageBoxWide(const std::u16string& text, const std::u16string& caption,
                                    unsigned flags) {
  return RecordBox({Utf8(text), Utf8(caption), flags, 0, true});
}

int HeadlessBackend::RecordBox(MessageBoxCall call) {
  const std::string& text = call.Text;
  const unsigned flags = call.Flags;
  if (answers_.empty()) {
    unexpected_.push_back("message " + text);
    unsigned buttons = flags & 0xF;
    call.Result = (buttons == MB_YesNo || buttons == MB_YesNoCancel) ? ID_Yes : ID_Ok;
  } else {
    auto answer = std::move(answers_.front());
    answers_.pop_front();
    call.Result = answer(call);
  }
  boxes_.push_back(call);
  return call.Result;
}

bool HeadlessBackend::ExecuteOpenDialog(TOpenDialog& dialog) {
  if (openAnswers_.empty()) {
    unexpected_.push_back("open dialog " + dialog.Title);
    return false;
  }
  auto answer = std::move(openAnswers_.front());
  openAnswers_.pop_front();
  if (!answer) return false;
  dialog.FileName = *answer;
  return true;
}

bool HeadlessBackend::ExecuteColorDialog(TColorDialog& dialog) {
  if (colorAnswers_.empty()) {
    unexpected_.push_back("colour dialog");
    return false;
  }
  auto answer = colorAnswers_.front();
  colorAnswers_.pop_front();
  if (!answer) return false;
  dialog.Color = *answer;
  return true;
}

void HeadlessBackend::Popup(TPopupMenu& menu, int x, int y) {
  lastPopup_ = &menu;
  lastPopupPos_ = {x, y};
  ++popups_;
}

// ---- time ----

void HeadlessBackend::TimerChanged(TTimer& timer) {
  if (timer.Active())
    due_[&timer] = {now_ + timer.Interval(), ++scheduled_};
  else
    due_.erase(&timer);
}

void HeadlessBackend::TimerDestroyed(TTimer& timer) { due_.erase(&timer); }

void HeadlessBackend::AdvanceTime(unsigned ms) {
  const std::uint64_t target = now_ + ms;
  for (;;) {
    auto next = std::min_element(due_.begin(), due_.end(), [](const auto& a, const auto& b) {
      return a.second.at != b.second.at ? a.second.at < b.second.at
                                        : a.second.order < b.second.order;
    });
    if (next == due_.end() || next->second.at > target) break;
    auto* timer = const_cast<TTimer*>(next->first);
    now_ = next->second.at;
    next->second = {now_ + std::max(1u, timer->Interval()), ++scheduled_};
    Guarded([&] { timer->Fire(); });
  }
  now_ = target;
}

void HeadlessBackend::FireTimer(TTimer& timer) {
  if (due_.count(&timer)) due_[&timer] = {now_ + std::max(1u, timer.Interval()), ++scheduled_};
  Guarded([&] { timer.Fire(); });
}

// ---- input ----

void HeadlessBackend::Click(TControl& control) {
  Guarded([&] {
    control.UserMouseDown(TMouseButton::Left, 0, 0, 0);
    control.UserMouseUp(TMouseButton::Left, 0, 0, 0);
    if (control.Enabled()) control.UserClick();
  });
}

void HeadlessBackend::DblClick(TControl& control) {
  Guarded([&] { control.UserDblClick(); });
}

void HeadlessBackend::RightClick(TControl& control, int x, int y) {
  Guarded([&] {
    control.UserMouseDown(TMouseButton::Right, 0, x, y);
    control.UserMouseUp(TMouseButton::Right, 0, x, y);
    TPopupMenu* menu = nullptr;
    for (TControl* c = &control; c && !menu; c = c->Parent()) menu = c->PopupMenu();
    if (menu) {
      menu->SetPopupComponent(&control);
      menu->Popup(x, y);
    }
  });
}

void HeadlessBackend::MouseDown(TControl& control, TMouseButton button, int x, int y) {
  Guarded([&] { control.UserMouseDown(button, 0, x, y); });
}

void HeadlessBackend::MouseMove(TControl& control, int x, int y) {
  Guarded([&] { control.UserMouseMove(0, x, y); });
}

void HeadlessBackend::Type(TEdit& edit, const std::string& chars) {
  Guarded([&] {
    edit.UserFocus();
    edit.UserType(chars);
  });
}

void HeadlessBackend::Type(TComboBox& combo, const std::string& chars) {
  Guarded([&] {
    combo.UserFocus();
    combo.UserType(chars);
  });
}

void HeadlessBackend::Select(TComboBox& combo, int index) {
  Guarded([&] { combo.UserSelect(index); });
}

void HeadlessBackend::Select(TListBox& list, int index) {
  Guarded([&] { list.UserSelect(index); });
}

void HeadlessBackend::SelectPage(TPageControl& pages, int index) {
  Guarded([&] { pages.UserSelectPage(index); });
}

void HeadlessBackend::SetTrackBar(TTrackBar& bar, int position) {
  Guarded([&] { bar.UserSetPosition(position); });
}

void HeadlessBackend::Focus(TWinControl& control) {
  Guarded([&] { control.UserFocus(); });
}

void HeadlessBackend::PressKey(TForm& form, std::uint16_t key, TShiftState shift) {
  Guarded([&] { form.UserKeyDown(key, shift); });
}

void HeadlessBackend::PressAlt(TForm& form, char ch) {
  Guarded([&] { form.UserDialogChar(ch, ssAlt); });
}

void HeadlessBackend::PressChar(TForm& form, char ch) {
  Guarded([&] {
    if (form.UserDialogChar(ch, 0)) return;
    const std::string typed(1, ch);
    if (auto* edit = dynamic_cast<TEdit*>(form.ActiveControl()))
      edit->UserType(typed);
    else if (auto* combo = dynamic_cast<TComboBox*>(form.ActiveControl()))
      combo->UserType(typed);
  });
}

void HeadlessBackend::ClickMenu(TMenuItem& item) {
  Guarded([&] { item.UserClick(); });
}

void HeadlessBackend::CloseByUser(TForm& form) {
  Guarded([&] { form.UserClose(); });
}

// ---- shown state ----

std::unique_ptr<Peer> HeadlessBackend::CreatePeer(TWinControl& control) {
  return std::make_unique<HeadlessPeer>(*this, control);
}

namespace {
const char* ChangeName(Change what) {
  static const char* const names[] = {
      "Bounds",  "Visible",      "Enabled",    "Text",        "Hint",     "Font",      "Color",
      "Checked", "Items",        "ItemIndex",  "Selection",   "ReadOnly", "MaxLength", "CharCase",
      "Range",   "Position",     "ActivePage", "TabVisible",  "Picture",  "Style",     "ExStyle",
      "Region",  "ParentWindow", "Default",    "Constraints", "Children"};
  const auto i = static_cast<std::size_t>(what);
  return i < sizeof names / sizeof names[0] ? names[i] : "?";
}
}  // namespace

void HeadlessBackend::NoteChange(const std::string& who, Change what) {
  traffic_.Changes += 1;
  traffic_.Log.push_back(who + " " + ChangeName(what));
}

void HeadlessBackend::NoteRepaint(const std::string& who) {
  traffic_.Repaints += 1;
  traffic_.Log.push_back(who + " repaint");
}

void HeadlessBackend::SetApplicationHint(const std::string& hint) {
  appHint_ = hint;
  NoteChange("Application", Change::Hint);
}

int HeadlessBackend::RepaintCount(const TControl& control) const {
  auto it = repaints_.find(&control);
  return it == repaints_.end() ? 0 : it->second;
}

int HeadlessBackend::RaiseCount(const TControl& control) const {
  auto it = raises_.find(&control);
  return it == raises_.end() ? 0 : it->second;
}

void HeadlessBackend::DestroyFromOutside(TWinControl& control) {
  if (auto* peer = dynamic_cast<HeadlessPeer*>(control.GetPeer())) peer->Lose();
  for (TControl* child : control.Controls())
    if (auto* win = dynamic_cast<TWinControl*>(child)) DestroyFromOutside(*win);
}

void HeadlessBackend::SetHintTimings(int pauseMs, int hidePauseMs) {
  hintPause_ = pauseMs;
  hintHidePause_ = hidePauseMs;
}

TextSize HeadlessBackend::MeasureText(const TFont& font, const std::string& text, int wrapWidth) {
  const int cw = CharWidth(font), lh = LineHeight(font);
  int lines = 0, widest = 0;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    std::string line =
        text.substr(start, end == std::string::npos ? std::string::npos : end - start);
    int width = int(line.size()) * cw;
    if (wrapWidth > 0 && width > wrapWidth) {
      // Greedy word wrap.
      int current = 0;
      ++lines;
      std::size_t pos = 0;
      while (pos < line.size()) {
        std::size_t sp = line.find(' ', pos);
        std::size_t wordEnd = sp == std::string::npos ? line.size() : sp;
        int word = int(wordEnd - pos) * cw;
        int needed = current ? current + cw + word : word;
        if (current && needed > wrapWidth) {
          ++lines;
          widest = std::max(widest, current);
          current = word;
        } else {
          current = needed;
        }
        pos = wordEnd + 1;
      }
      widest = std::max(widest, current);
    } else {
      ++lines;
      widest = std::max(widest, width);
    }
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return {widest, lines * lh};
}

FrameInsets HeadlessBackend::Frame(TBorderStyle style, TBorderIcons) {
  switch (style) {
    case TBorderStyle::None:
      return {0, 0, 0, 0};
    case TBorderStyle::Single:
    case TBorderStyle::Dialog:
      return {3, 22, 3, 3};
    case TBorderStyle::Sizeable:
      return {4, 23, 4, 4};
    case TBorderStyle::ToolWindow:
      return {3, 18, 3, 3};
    case TBorderStyle::SizeToolWin:
      return {4, 19, 4, 4};
  }
  return {};
}

// ---- installation ----

HeadlessBackend& Install() {
  auto backend = std::make_unique<HeadlessBackend>();
  HeadlessBackend& ref = *backend;
  SetBackend(std::move(backend));
  Application().Reset();
  return ref;
}

HeadlessBackend* Current() { return dynamic_cast<HeadlessBackend*>(&CurrentBackend()); }

}  // namespace ui::headless
