// The seam between the form model and what shows it: the headless backend (records state,
// driven by tests) and the win32 backend (real windows). The model is the single source of
// truth; a backend mirrors it and feeds user input back through the model's user entry
// points (see ui/README.md for the event rules both obey).
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "system/Types.h"
#include "ui/Types.h"

namespace ui {

class TControl;
class TWinControl;
class TForm;
class TTimer;
class TPopupMenu;
class TOpenDialog;
class TColorDialog;

// What changed on a control, so a peer can update just that.
enum class Change {
  Bounds,
  Visible,
  Enabled,
  Text,
  Hint,
  Font,
  Color,
  Checked,
  Items,
  ItemIndex,
  Selection,
  ReadOnly,
  MaxLength,
  CharCase,
  Range,
  Position,
  ActivePage,
  TabVisible,
  Picture,
  Style,  // kind-specific look: border style, form style, label alignment, shape, bevel...
  ExStyle,
  Region,
  ParentWindow,
  Default,
  Constraints,
  Children,
};

// The backend's mirror of one windowed control (a form or a control with a window).
class Peer {
 public:
  virtual ~Peer() = default;
  virtual sys::WindowHandle Handle() const = 0;
  virtual void Changed(Change what) = 0;
  // A windowless child (label, image, shape, speed button) of this window changed.
  virtual void GraphicChanged(TControl& child, Change what) = 0;
  // Paint now (the classic Repaint): this window, or one windowless child of it.
  virtual void Repaint(TControl& what) = 0;
  virtual void SetFocus() = 0;
  // Forms only: SetLayeredWindowAttributes(window, 0, alpha, LWA_ALPHA); its result.
  virtual bool SetLayeredAlpha(std::uint8_t /*alpha*/) { return true; }
  // Raises the window above its siblings (for a free form, the other top-level windows).
  virtual void BringToFront() {}
  // Whether the window went away without the model asking: destroyed from outside, as the
  // children of a window of another process are when that process ends.
  virtual bool Lost() const { return false; }
};

// Non-client thickness of a form for a border style.
struct FrameInsets {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
};

class Backend {
 public:
  virtual ~Backend() = default;

  virtual std::unique_ptr<Peer> CreatePeer(TWinControl& control) = 0;
  // Runs a modal loop for a shown form until its ModalResult is set (or the application ends);
  // returns the result.
  virtual int RunModal(TForm& form) = 0;
  // The main loop: until Terminate().
  virtual void RunMessageLoop() = 0;
  virtual void Terminate() = 0;
  virtual void ProcessMessages() = 0;

  virtual int MessageBox(const std::string& text, const std::string& caption, unsigned flags) = 0;
  // The same in UTF-16 (MessageBoxW), for text whose letters the ANSI code page may lack.
  virtual int MessageBoxWide(const std::u16string& text, const std::u16string& caption,
                             unsigned flags) = 0;
  virtual bool ExecuteOpenDialog(TOpenDialog& dialog) = 0;
  virtual bool ExecuteColorDialog(TColorDialog& dialog) = 0;
  // Shows the menu at screen coordinates; a chosen item's Click() runs before it returns or
  // from the message loop.
  virtual void Popup(TPopupMenu& menu, int x, int y) = 0;

  // A timer's Enabled, Interval or OnTimer changed (restart it), or it is going away.
  virtual void TimerChanged(TTimer& timer) = 0;
  virtual void TimerDestroyed(TTimer& timer) = 0;

  // Size of text in a font; wrapWidth > 0 wraps at that width.
  virtual TextSize MeasureText(const TFont& font, const std::string& text, int wrapWidth) = 0;
  virtual FrameInsets Frame(TBorderStyle style, TBorderIcons icons) = 0;
  virtual TextSize ScreenSize() = 0;
  virtual void SetScreenCursor(TCursor cursor) = 0;

  // The application's own (hidden) window.
  virtual sys::WindowHandle ApplicationHandle() = 0;
  virtual void ShowApplicationWindow(int command) = 0;
  virtual std::uint32_t ApplicationExStyle() = 0;
  virtual void SetApplicationExStyle(std::uint32_t exStyle) = 0;
  virtual void SetApplicationTitle(const std::string& title) = 0;
  virtual void SetHintTimings(int pauseMs, int hidePauseMs) = 0;
  virtual void SetApplicationHint(const std::string& hint) = 0;
};

// The backend in use. When none was installed, the default one is made on first use: the
// headless backend wherever it is linked in (the tests; it names itself the default), and
// none in the program, which installs the win32 backend first and so carries no headless one.
Backend& CurrentBackend();
using DefaultBackendFactory = std::unique_ptr<Backend> (*)();
void SetDefaultBackendFactory(DefaultBackendFactory factory);
// Installs a backend (forms made under the previous one must be gone) and returns it.
Backend& SetBackend(std::unique_ptr<Backend> backend);

}  // namespace ui
