// The win32 backend's own declarations: shared by its peers, its message loop and tests
// that look at real windows.
#pragma once
#include "ui/win32/WinApi.h"

#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "ui/Backend.h"
#include "ui/Forms.h"
#include "ui/Scaling.h"
#include "ui/win32/Gdi.h"

namespace ui::win32 {

class FormPeer;

class Win32Backend : public Backend {
 public:
  Win32Backend();
  ~Win32Backend() override;

  // The backend in use when it is this kind, else null.
  static Win32Backend* Current();

  // ---- Backend ----
  std::unique_ptr<Peer> CreatePeer(TWinControl& control) override;
  int RunModal(TForm& form) override;
  void RunMessageLoop() override;
  void Terminate() override;
  void ProcessMessages() override;
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
  TextSize ScreenSize() override;
  void SetScreenCursor(TCursor cursor) override;
  sys::WindowHandle ApplicationHandle() override;
  void ShowApplicationWindow(int command) override;
  std::uint32_t ApplicationExStyle() override;
  void SetApplicationExStyle(std::uint32_t exStyle) override;
  void SetApplicationTitle(const std::string& title) override;
  void SetHintTimings(int pauseMs, int hidePauseMs) override;
  void SetApplicationHint(const std::string& hint) override { hint_ = hint; }

  // ---- for the peers ----
  HWND AppWindow() const { return appWindow_; }
  // A shared font for a model font at a DPI (the colour is not part of it); lives with the
  // backend.
  HFONT FontFor(const TFont& font, int dpi);
  TCursor ScreenCursor() const { return cursor_; }
  int HintPause() const { return hintPause_; }
  int HintHidePause() const { return hintHidePause_; }
  // Keyboard handling before dispatch (Tab, Enter, Escape, key preview); true = consumed.
  bool PreTranslate(MSG& msg);
  // The form whose window is the active one of this thread, if it is one of ours.
  FormPeer* ActiveFormPeer();
  // Timer window procedure's work.
  void TimerFired(UINT_PTR id);
  // The forms that have windows now.
  void AddForm(FormPeer* form) { forms_.push_back(form); }
  void RemoveForm(FormPeer* form);
  const std::vector<FormPeer*>& Forms() const { return forms_; }
  // The form of the innermost modal run, or null.
  FormPeer* ModalForm() const { return modal_.empty() ? nullptr : modal_.back(); }

 private:
  void DispatchOne(MSG& msg);

  HWND appWindow_ = nullptr;
  HWND timerWindow_ = nullptr;
  TCursor cursor_ = crDefault;
  int hintPause_ = 500, hintHidePause_ = 2500;
  std::string hint_;
  std::map<std::tuple<std::string, int, bool, bool, bool>, Font> fonts_;  // by pixel height
  std::map<const TTimer*, UINT_PTR> timerIds_;
  std::map<UINT_PTR, TTimer*> timers_;
  UINT_PTR nextTimerId_ = 1;
  int loopDepth_ = 0;
  std::vector<FormPeer*> forms_;
  std::vector<FormPeer*> modal_;
};

// Window styles for a form's border (the same values size the frame and make the window).
struct FormStyles {
  DWORD Style = 0;
  DWORD ExStyle = 0;
};
FormStyles StylesFor(TBorderStyle border, TBorderIcons icons);

// The cursor handle for a TCursor; null for crDefault.
HCURSOR CursorFor(TCursor cursor);

}  // namespace ui::win32
