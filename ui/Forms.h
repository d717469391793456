// Forms (top-level windows) and the application object.
#pragma once
#include <cstdint>
#include <exception>
#include <string>
#include <vector>

#include "system/Error.h"
#include "ui/Controls.h"

namespace ui {

class TButton;

struct TSizeConstraints {
  int MinWidth = 0, MinHeight = 0, MaxWidth = 0, MaxHeight = 0;  // 0 = no limit
};

class TForm : public TWinControl {
 public:
  TForm(TComponent* owner, TextArg name);
  ~TForm() override;

  // Client area: the outer size less the frame of the border style.
  int ClientWidth() const override;
  int ClientHeight() const override;
  void SetClientSize(int width, int height);
  void SetClientWidth(int w) { SetClientSize(w, ClientHeight()); }
  void SetClientHeight(int h) { SetClientSize(ClientWidth(), h); }

  TBorderStyle BorderStyle() const { return borderStyle_; }
  // Keeps the client size.
  void SetBorderStyle(TBorderStyle style);
  TBorderIcons BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(TBorderIcons icons);
  TFormStyle FormStyle() const { return formStyle_; }
  void SetFormStyle(TFormStyle style);
  TPosition Position() const { return position_; }
  void SetPosition(TPosition p) { position_ = p; }
  const TSizeConstraints& Constraints() const { return constraints_; }
  void SetConstraints(const TSizeConstraints& c);
  // Pins minimum and maximum size to the present size (how dialogs stop being resized).
  void PinSize();
  bool KeyPreview() const { return keyPreview_; }
  void SetKeyPreview(bool k) { keyPreview_ = k; }

  // Extra extended-style bits (WS_EX_ToolWindow, WS_EX_Layered) on top of what the border
  // and form style give.
  std::uint32_t ExStyle() const { return exStyle_; }
  void SetExStyle(std::uint32_t exStyle);
  // Window that owns this one at creation (the classic CreateParams.WndParent).
  sys::WindowHandle WndParent() const { return wndParent_; }
  void SetWndParent(sys::WindowHandle owner) { wndParent_ = owner; }
  // A real parent window: non-zero makes the form a child window of it.
  sys::WindowHandle ParentWindow() const { return parentWindow_; }
  void SetParentWindow(sys::WindowHandle parent);
  // Adds WS_EX_Layered and sets the opacity (255 = opaque); false when the system refused.
  bool SetLayeredAlpha(std::uint8_t alpha);
  int LayeredAlpha() const { return alpha_; }
  // The window region as a union of rectangles (client coordinates); empty = none.
  const std::vector<sys::Rect>& WindowRegion() const { return region_; }
  void SetWindowRegion(std::vector<sys::Rect> rects);

  TWinControl* ActiveControl() const { return activeControl_; }
  void SetActiveControl(TWinControl* control);

  // Showing fires OnShow each time the form becomes visible.
  void SetVisible(bool visible) override;
  void BringToFront();
  // Runs OnClose; a modal form then ends with mrCancel, the main form ends the application,
  // any other form hides.
  void Close();
  int ShowModal();
  bool Modal() const { return modal_; }
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int r) { modalResult_ = r; }

  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  // Any window message to the form's window, before the library handles it (hot keys, mixer
  // notifications); true when it was handled.
  std::function<bool(unsigned message, std::uintptr_t wParam, std::intptr_t lParam)> OnMessage;
  TCloseEvent OnClose;
  TKeyEvent OnKeyDown;

  // User input: a key pressed in the form (key preview, then Enter/Escape for the default
  // and cancel buttons); the title bar's close button.
  void UserKeyDown(std::uint16_t key, TShiftState shift);
  void UserClose() { Close(); }
  // Enter clicks the default button (or the focused button), Escape the cancel button.
  bool DialogKey(std::uint16_t key);
  // A character typed in the form, with Alt (ssAlt) or without. With Alt, or while the
  // focused control takes no characters, the first showing control whose caption holds it as
  // its accelerator acts (ui/README.md, "Accelerators"); true when one did.
  bool UserDialogChar(char ch, TShiftState shift);

 private:
  friend class TWinControl;
  TButton* FindButton(bool wantDefault, TWinControl& within) const;
  void ApplyPosition();

  TBorderStyle borderStyle_ = TBorderStyle::Sizeable;
  TBorderIcons borderIcons_ = biSystemMenu | biMinimize | biMaximize;
  TFormStyle formStyle_ = TFormStyle::Normal;
  TPosition position_ = TPosition::Designed;
  TSizeConstraints constraints_;
  bool keyPreview_ = false;
  std::uint32_t exStyle_ = 0;
  sys::WindowHandle wndParent_ = 0;
  sys::WindowHandle parentWindow_ = 0;
  int alpha_ = 255;
  std::vector<sys::Rect> region_;
  TWinControl* activeControl_ = nullptr;
  bool modal_ = false;
  int modalResult_ = mrNone;
  bool positioned_ = false;
};

class TApplication : public TComponent {
 public:
  TApplication();

  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& title);
  sys::WindowHandle Handle();
  TForm* MainForm() const { return mainForm_; }
  void SetMainForm(TForm* form) { mainForm_ = form; }
  bool ShowMainForm() const { return showMainForm_; }
  void SetShowMainForm(bool show) { showMainForm_ = show; }
  int HintPause() const { return hintPause_; }
  int HintHidePause() const { return hintHidePause_; }
  void SetHintTimings(int pauseMs, int hidePauseMs);
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint);
  TCursor ScreenCursor() const { return cursor_; }
  void SetScreenCursor(TCursor cursor);

  // Shows the main form (when ShowMainForm) and runs the message loop until Terminate().
  void Run();
  void Terminate();
  bool Terminated() const { return terminated_; }
  void ProcessMessages();

  int MessageBox(const std::string& text, const std::string& caption, unsigned flags);
  // The wide-character box, for text whose letters the ANSI code page may lack.
  int MessageBoxWide(const std::u16string& text, const std::u16string& caption, unsigned flags);
  // The standard error box for an exception that reached an event's edge.
  void ShowException(const std::exception& e);

  // The application's own window (kept hidden; shown as the taskbar button during dialogs).
  void ShowWindow(int command);
  std::uint32_t ExStyle();
  void SetExStyle(std::uint32_t exStyle);

  // Back to the state of a new process (tests run many starts in one process).
  void Reset();

 private:
  std::string title_;
  TForm* mainForm_ = nullptr;
  bool showMainForm_ = true;
  int hintPause_ = 500, hintHidePause_ = 2500;
  std::string hint_;
  TCursor cursor_ = crDefault;
  bool terminated_ = false;
};

TApplication& Application();

// Runs an event handler at the edge of the event system: an exception is shown in the
// standard error box instead of crossing a window procedure or timer callback.
template <class F>
void Guarded(F&& handler) {
  try {
    handler();
  } catch (const std::exception& e) {
    Application().ShowException(e);
  } catch (...) {
    Application().ShowException(sys::Error("Unknown error"));
  }
}

}  // namespace ui
