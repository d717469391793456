// The base of every window the win32 backend makes for a windowed control: creation (own
// window classes or subclassed standard ones), mirroring the model's common properties,
// reflecting child notifications to the child's peer, and the windowless children of a
// window that holds them (painting, mouse hit-testing, popup menus).
#pragma once
#include "ui/win32/WinApi.h"

#include <memory>
#include <string>

#include "ui/Controls.h"
#include "ui/win32/BackendImpl.h"

namespace ui::win32 {

class WindowPeer : public Peer {
 public:
  WindowPeer(Win32Backend& backend, TWinControl& control);
  ~WindowPeer() override;
  WindowPeer(const WindowPeer&) = delete;
  WindowPeer& operator=(const WindowPeer&) = delete;

  // ---- Peer ----
  sys::WindowHandle Handle() const override { return reinterpret_cast<sys::WindowHandle>(hwnd_); }
  void Changed(Change what) override;
  void GraphicChanged(TControl& child, Change what) override;
  void Repaint(TControl& what) override;
  void SetFocus() override;
  // The window went with a parent of another process (its handle no longer names it).
  bool Lost() const override { return !hwnd_ || !IsWindow(hwnd_); }

  // Sets everything from the model; the backend calls it once the peer is made.
  void Start() { ApplyAll(); }
  HWND Hwnd() const { return hwnd_; }
  // A token that expires when this peer goes away (handlers may destroy the control).
  std::weak_ptr<int> Life() const { return life_; }
  TWinControl& Control() const { return control_; }
  Win32Backend& Backend() const { return backend_; }
  // The peer of one of our windows (own class or subclassed); null for any other window.
  static WindowPeer* FromHwnd(HWND window);
  // The form peer this window belongs to (walking up the parents); null when none.
  static FormPeer* FormOf(HWND window);

  // The window's message handling; false = let the default procedure run.
  virtual bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
  // Reflected from the parent: WM_COMMAND notification codes, WM_NOTIFY, scrolling.
  virtual void OnCommand(WORD /*code*/) {}
  virtual bool OnNotify(NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
  virtual void OnScroll() {}
  // WM_CTLCOLOR* for this control: the brush to paint with, or null for the default.
  virtual HBRUSH OnCtlColor(HDC dc);

  // Whether this window paints windowless children (form, panel, sheet, group box).
  virtual bool HoldsGraphics() const { return false; }
  // Paints the client area (background and windowless children) into dc.
  virtual void PaintClient(HDC dc);

 protected:
  // Makes the window. ownClass: the class's procedure is ours; otherwise a standard class
  // that is subclassed. parent: null = the parent control's window.
  void CreateHandle(const char* className, DWORD style, DWORD exStyle, bool ownClass,
                    HWND parent = nullptr, const char* text = nullptr);
  void DestroyHandle();
  // Sets everything from the model after creation.
  virtual void ApplyAll();
  virtual void ApplyBounds();
  virtual void ApplyVisible();
  virtual void ApplyText();
  virtual void ApplyFont();
  // The parts only this kind has (Checked, Items, Range...).
  virtual void ApplyKind(Change /*what*/) {}
  LRESULT CallDefault(UINT msg, WPARAM wp, LPARAM lp);
  HWND ParentHwnd() const;
  // Model changes applied to the window must not come back as user input.
  class Applying {
   public:
    explicit Applying(WindowPeer& peer) : peer_(peer), old_(peer.applying_) {
      peer.applying_ = true;
    }
    ~Applying() { peer_.applying_ = old_; }
    Applying(const Applying&) = delete;
    Applying& operator=(const Applying&) = delete;

   private:
    WindowPeer& peer_;
    bool old_;
  };
  bool applying() const { return applying_; }
  std::string WindowText() const;
  void SetWindowTextGuarded(const std::string& text);
  void FillBackground(HDC dc, const RECT& rect);
  // Tooltips of the form this window belongs to need rebuilding.
  void HintsChanged();
  // A speed button held down by the mouse (painted sunken), or null.
  const TControl* PressedGraphic() const;

  Win32Backend& backend_;
  TWinControl& control_;
  HWND hwnd_ = nullptr;
  WNDPROC original_ = nullptr;  // the standard class's procedure, when subclassed
  Brush brush_;
  TColor brushColor_ = clNone;

 private:
  friend LRESULT CALLBACK PeerWindowProc(HWND, UINT, WPARAM, LPARAM);
  LRESULT Dispatch(UINT msg, WPARAM wp, LPARAM lp);
  bool Reflect(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
  bool MouseMessage(UINT msg, WPARAM wp, LPARAM lp);
  bool SetCursorMessage(LPARAM lp);
  TControl* HitTest(int x, int y);
  bool StillHere(TControl* control) const;
  void ShowPopupFor(TControl& target, POINT screen);

  bool applying_ = false;
  bool dying_ = false;  // DestroyWindow is running: messages go to the default procedure
  std::shared_ptr<int> life_ = std::make_shared<int>(0);
  // The control that received the last button press (a windowless child or this one).
  TControl* pressed_ = nullptr;
  bool clickPending_ = false;
  bool pointerSeen_ = false;  // the form has heard of the first mouse move over this window
};

LRESULT CALLBACK PeerWindowProc(HWND window, UINT msg, WPARAM wp, LPARAM lp);
// Registers one of our window classes once per process (CS_DBLCLKS, our procedure).
void RegisterOwnClass(const std::string& name, UINT extraStyle = 0);
// The mouse's shift state from WM_*BUTTON* wParam.
TShiftState ShiftFromMouse(WPARAM wp);
// The keyboard's shift state now.
TShiftState ShiftFromKeyboard();

}  // namespace ui::win32
