// The headless backend: keeps no windows, records what would be shown, and lets a test drive
// clicks, typing, focus, keys, menus and timer ticks, and answer modal windows and message
// boxes from inside their modal runs. Time is virtual: timers fire only when the test
// advances it, so nothing sleeps.
#pragma once
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "ui/Backend.h"
#include "ui/ComCtrls.h"
#include "ui/Dialogs.h"
#include "ui/ExtCtrls.h"
#include "ui/Forms.h"
#include "ui/Menus.h"
#include "ui/StdCtrls.h"

namespace ui::headless {

struct MessageBoxCall {
  std::string Text;  // UTF-8 for a wide-character box
  std::string Caption;
  unsigned Flags = 0;
  int Result = 0;
  bool Wide = false;  // shown through MessageBoxWide
};

class HeadlessBackend : public Backend {
 public:
  HeadlessBackend();

  // ---- modal windows and message boxes ----
  // The next ShowModal runs this while the form is shown; the handler closes the form (a
  // button click, a key, AdvanceTime for a box that closes itself). A form still open when
  // its handler returns, or a modal run with no handler, ends with mrCancel and is listed in
  // Unexpected().
  void OnModal(std::function<void(TForm& form)> handler);
  std::size_t PendingModals() const { return modals_.size(); }
  // The next message box gets this answer (ID_Yes...); unanswered boxes get their first
  // button and are listed in Unexpected().
  void AnswerMessageBox(int result);
  void OnMessageBox(std::function<int(const MessageBoxCall&)> answer);
  const std::vector<MessageBoxCall>& MessageBoxes() const { return boxes_; }
  void ClearMessageBoxes() { boxes_.clear(); }
  void AnswerOpenDialog(std::optional<std::string> fileName);
  void AnswerColorDialog(std::optional<TColor> color);
  // Modal windows and boxes nobody expected (names or texts), for a test to check.
  const std::vector<std::string>& Unexpected() const { return unexpected_; }

  // ---- time ----
  // Moves virtual time on, firing every due timer in time order.
  void AdvanceTime(unsigned ms);
  std::uint64_t Now() const { return now_; }
  // Fires one timer now, as its interval elapsing would.
  void FireTimer(TTimer& timer);
  bool TimerScheduled(const TTimer& timer) const { return due_.count(&timer) != 0; }

  // ---- input (each is an event edge: exceptions go to the error box) ----
  void Click(TControl& control);
  void DblClick(TControl& control);
  // Right button: mouse down, then the control's (or its form's) popup menu at (x, y).
  void RightClick(TControl& control, int x = 0, int y = 0);
  void MouseDown(TControl& control, TMouseButton button, int x = 0, int y = 0);
  void MouseMove(TControl& control, int x = 0, int y = 0);
  void Type(TEdit& edit, const std::string& chars);
  void Type(TComboBox& combo, const std::string& chars);
  void Select(TComboBox& combo, int index);
  void Select(TListBox& list, int index);
  void SelectPage(TPageControl& pages, int index);
  void SetTrackBar(TTrackBar& bar, int position);
  void Focus(TWinControl& control);
  void PressKey(TForm& form, std::uint16_t key, TShiftState shift = 0);
  // Alt+ch: the accelerator.
  void PressAlt(TForm& form, char ch);
  // A character key: an accelerator while the focused control takes no characters, else
  // typed into the focused edit or editable combo box.
  void PressChar(TForm& form, char ch);
  void ClickMenu(TMenuItem& item);
  void CloseByUser(TForm& form);

  // ---- what is shown ----
  TPopupMenu* LastPopup() const { return lastPopup_; }
  sys::Point LastPopupPos() const { return lastPopupPos_; }
  int PopupCount() const { return popups_; }
  int RepaintCount(const TControl& control) const;
  int AppShowCommand() const { return appShow_; }
  const std::string& AppTitle() const { return appTitle_; }
  const std::string& AppHint() const { return appHint_; }
  int HintPause() const { return hintPause_; }
  int HintHidePause() const { return hintHidePause_; }
  TCursor Cursor() const { return cursor_; }
  bool LoopEnded() const { return loopEnded_; }
  void SetScreenSize(int width, int height) { screen_ = {width, height}; }
  // Destroys a window, and its windowed children's, from outside, as Windows does with the
  // children of a window whose process ended: the control keeps its peer, now without a
  // window (WindowLost).
  void DestroyFromOutside(TWinControl& control);
  // How often the program raised the control's window above its siblings (BringToFront).
  int RaiseCount(const TControl& control) const;
  // Whether the form's last layered alpha call is to fail (as on a system that refuses it).
  void SetLayeredAlphaFails(bool fails) { alphaFails_ = fails; }
  bool LayeredAlphaFails() const { return alphaFails_; }

  // ---- what reached the windows ----
  // Every change the model passed on to a window (one of its own properties, or one of a
  // windowless child it paints), every repaint, and every change of the application's own
  // window properties, since the last ResetTraffic: what a real window would be told or
  // have to redraw. Traffic().Log names each ("ImageCharging Bounds", "LabelState repaint").
  struct PeerTraffic {
    int Changes = 0;
    int Repaints = 0;
    std::vector<std::string> Log;
  };
  const PeerTraffic& Traffic() const { return traffic_; }
  void ResetTraffic() { traffic_ = {}; }

  // ---- Backend ----
  std::unique_ptr<Peer> CreatePeer(TWinControl& control) override;
  int RunModal(TForm& form) override;
  void RunMessageLoop() override;
  void Terminate() override { loopEnded_ = true; }
  void ProcessMessages() override {}
  int MessageBox(const std::string& text, const std::string& caption, unsigned flags) override;
  int MessageBoxWide(const std::u16string& text, const std::u16string& caption,
                     unsigned flags) override;
  bool ExecuteOpenDialog(TOpenDialog& dialog) override;
  bool ExecuteColorDialog(TColorDialog& dialog) override;
  void Popup(TPopupMenu& menu, int x, int y) override;
  void TimerChanged(TTimer& timer) override;
  void TimerDestroyed(TTimer& timer) override;
  TextSize MeasureText(const TFont& font, const std::string& text, int wrapWidth) override;
  FrameInsets Frame(TBorderStyle style, TBorderIcons icons) override;
  TextSize ScreenSize() override { return screen_; }
  void SetScreenCursor(TCursor cursor) override { cursor_ = cursor; }
  sys::WindowHandle ApplicationHandle() override { return appHandle_; }
  void ShowApplicationWindow(int command) override { appShow_ = command; }
  std::uint32_t ApplicationExStyle() override { return appExStyle_; }
  void SetApplicationExStyle(std::uint32_t exStyle) override { appExStyle_ = exStyle; }
  void SetApplicationTitle(const std::string& title) override { appTitle_ = title; }
  void SetHintTimings(int pauseMs, int hidePauseMs) override;
  void SetApplicationHint(const std::string& hint) override;

  // Text metrics: a character is (height + 1) / 2 wide, a line height + (height + 3) / 5 high.
  static int CharWidth(const TFont& font) { return (font.Height + 1) / 2; }
  static int LineHeight(const TFont& font) { return font.Height + (font.Height + 3) / 5; }

 private:
  friend class HeadlessPeer;
  int RecordBox(MessageBoxCall call);
  void NoteChange(const std::string& who, Change what);
  void NoteRepaint(const std::string& who);
  sys::WindowHandle NewHandle() { return nextHandle_ += 4; }

  std::deque<std::function<void(TForm&)>> modals_;
  std::deque<std::function<int(const MessageBoxCall&)>> answers_;
  std::deque<std::optional<std::string>> openAnswers_;
  std::deque<std::optional<TColor>> colorAnswers_;
  std::vector<MessageBoxCall> boxes_;
  std::vector<std::string> unexpected_;
  // When each active timer is due next; `order` breaks ties by scheduling order, as a
  // message queue would, not by address.
  struct Due {
    std::uint64_t at;
    std::uint64_t order;
  };
  std::map<const TTimer*, Due> due_;
  std::uint64_t scheduled_ = 0;
  std::uint64_t now_ = 0;
  std::map<const TControl*, int> repaints_;
  std::map<const TControl*, int> raises_;
  PeerTraffic traffic_;
  TPopupMenu* lastPopup_ = nullptr;
  sys::Point lastPopupPos_;
  int popups_ = 0;
  sys::WindowHandle nextHandle_ = 0x10000;
  sys::WindowHandle appHandle_;
  int appShow_ = -1;
  std::uint32_t appExStyle_ = 0;
  std::string appTitle_, appHint_;
  int hintPause_ = 500, hintHidePause_ = 2500;
  TCursor cursor_ = crDefault;
  bool loopEnded_ = false;
  bool alphaFails_ = false;
  TextSize screen_{1024, 768};
};

// Makes a fresh headless backend current (and the application object new) and returns it.
HeadlessBackend& Install();
// The current backend when it is headless, else null.
HeadlessBackend* Current();

}  // namespace ui::headless
