// The win32 backend: the application and timer windows, peers, fonts, metrics, message
// boxes, menus and timers. The message loops are in MessageLoop.cpp.
#include "ui/win32/Win32Backend.h"

#include "ui/win32/WinApi.h"

#include <algorithm>

#include "system/win32/Dpi.h"
#include "ui/ExtCtrls.h"
#include "ui/win32/BackendImpl.h"
#include "ui/win32/Peers.h"
#include "ui/win32/PopupMenus.h"

namespace ui::win32 {

namespace {

Win32Backend* g_current = nullptr;

const char kAppClass[] = "TApplication";
const char kTimerClass[] = "TQuontharyTimers";

LRESULT CALLBACK AppWindowProc(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
  // A menu shown for no form of ours is owned by this window.
  LRESULT result = 0;
  if (MenuOwnerMessage(msg, wp, lp, result)) return result;
  switch (msg) {
    case WM_CLOSE:
      // Closing the taskbar button closes the main form, as the user means.
      Guarded([] {
        if (TForm* main = Application().MainForm())
          main->UserClose();
        else
          Application().Terminate();
      });
      return 0;
    case WM_SETFOCUS:
      // Clicking the taskbar button during a dialog brings the dialog back.
      if (g_current)
        if (FormPeer* modal = g_current->ModalForm()) {
          SetActiveWindow(modal->Hwnd());
          return 0;
        }
      break;
    default:
      break;
  }
  return DefWindowProcA(window, msg, wp, lp);
}

LRESULT CALLBACK TimerWindowProc(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_TIMER && g_current) {
    g_current->TimerFired(UINT_PTR(wp));
    return 0;
  }
  return DefWindowProcA(window, msg, wp, lp);
}

void RegisterClassOnce(const char* name, WNDPROC proc) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = name;
  RegisterClassExA(&wc);  // fails harmlessly when already registered
}

}  // namespace

std::unique_ptr<Backend> MakeWin32Backend() { return std::make_unique<Win32Backend>(); }

WindowTraffic& Traffic() {
  static WindowTraffic traffic;
  return traffic;
}

Backend& InstallWin32() {
  Backend& backend = SetBackend(MakeWin32Backend());
  Application().Reset();
  return backend;
}

Win32Backend* Win32Backend::Current() { return g_current; }

Win32Backend::Win32Backend() {
  RegisterClassOnce(kAppClass, AppWindowProc);
  RegisterClassOnce(kTimerClass, TimerWindowProc);
  const int cx = GetSystemMetrics(SM_CXSCREEN) / 2, cy = GetSystemMetrics(SM_CYSCREEN) / 2;
  appWindow_ =
      CreateWindowExA(0, kAppClass, Application().Title().c_str(),
                      WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX, cx, cy,
                      0, 0, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  timerWindow_ = CreateWindowExA(0, kTimerClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
  // A quit left over from an earlier loop (tests install many backends) must not end ours.
  MSG msg;
  while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
  g_current = this;
}

Win32Backend::~Win32Backend() {
  if (g_current == this) g_current = nullptr;
  if (timerWindow_) DestroyWindow(timerWindow_);  // its timers go with it
  if (appWindow_) DestroyWindow(appWindow_);
}

std::unique_ptr<Peer> Win32Backend::CreatePeer(TWinControl& control) {
  std::unique_ptr<WindowPeer> peer;
  if (auto* form = dynamic_cast<TForm*>(&control))
    peer = std::make_unique<FormPeer>(*this, *form);
  else if (auto* sheet = dynamic_cast<TTabSheet*>(&control))
    peer = std::make_unique<SheetPeer>(*this, *sheet);
  else if (auto* pages = dynamic_cast<TPageControl*>(&control))
    peer = std::make_unique<PageControlPeer>(*this, *pages);
  else if (dynamic_cast<TPanel*>(&control))
    peer = std::make_unique<ContainerPeer>(*this, control, "TPanel");
  else if (auto* box = dynamic_cast<TGroupBox*>(&control))
    peer = std::make_unique<GroupBoxPeer>(*this, *box);
  else if (auto* button = dynamic_cast<TButtonControl*>(&control))
    peer = std::make_unique<ButtonPeer>(*this, *button);
  else if (auto* edit = dynamic_cast<TEdit*>(&control))
    peer = std::make_unique<EditPeer>(*this, *edit);
  else if (auto* combo = dynamic_cast<TComboBox*>(&control))
    peer = std::make_unique<ComboPeer>(*this, *combo);
  else if (auto* list = dynamic_cast<TListBox*>(&control))
    peer = std::make_unique<ListPeer>(*this, *list);
  else if (auto* bar = dynamic_cast<TTrackBar*>(&control))
    peer = std::make_unique<TrackBarPeer>(*this, *bar);
  else
    peer = std::make_unique<ContainerPeer>(*this, control, "TWinControl");
  peer->Start();
  return peer;
}

void Win32Backend::RemoveForm(FormPeer* form) {
  forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
  modal_.erase(std::remove(modal_.begin(), modal_.end(), form), modal_.end());
}

FormPeer* Win32Backend::ActiveFormPeer() {
  return dynamic_cast<FormPeer*>(WindowPeer::FromHwnd(GetActiveWindow()));
}

// ---- fonts and metrics ----

HFONT Win32Backend::FontFor(const TFont& font, int dpi) {
  // Made for the DPI it is shown at, as the system makes its own: never a 96-DPI font
  // stretched.
  const int height = Scaling{dpi}.ToPixels(font.Height);
  auto key = std::make_tuple(font.Name, height, font.Bold, font.Italic, font.Underline);
  auto it = fonts_.find(key);
  if (it != fonts_.end()) return it->second.Get();
  Font made(CreateFontA(-height, 0, 0, 0, font.Bold ? FW_BOLD : FW_NORMAL, font.Italic,
                        font.Underline, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                        font.Name.c_str()));
  HFONT handle = made.Get();
  fonts_.emplace(key, std::move(made));
  return handle;
}

TextSize Win32Backend::MeasureText(const TFont& font, const std::string& text, int wrapWidth) {
  // In the font the windows show at the system's DPI, given back as design lengths that hold
  // the text there.
  const Scaling system{sys::dpi::SystemDpi()};
  WindowDC screen(nullptr);
  Selection selected(screen.Get(), FontFor(font, system.Dpi));
  RECT r{0, 0, wrapWidth > 0 ? system.ToPixels(wrapWidth) : 0, 0};
  UINT flags = DT_CALCRECT | DT_EXPANDTABS | DT_NOPREFIX | (wrapWidth > 0 ? DT_WORDBREAK : 0u);
  DrawTextA(screen.Get(), text.c_str(), int(text.size()), &r, flags);
  return {system.DesignLength(int(r.right - r.left)), system.DesignLength(int(r.bottom - r.top))};
}

FrameInsets Win32Backend::Frame(TBorderStyle style, TBorderIcons icons) {
  // The design frame: as thick as at 96 DPI (a form's window gets the frame of its own DPI
  // around its scaled client area).
  FormStyles s = StylesFor(style, icons);
  RECT r{0, 0, 0, 0};
  sys::dpi::AdjustWindowRectForDpi(r, s.Style | WS_CLIPCHILDREN, s.ExStyle, kDesignDpi);
  return {int(-r.left), int(-r.top), int(r.right), int(r.bottom)};
}

TextSize Win32Backend::ScreenSize() {
  const Scaling system{sys::dpi::SystemDpi()};
  return {system.ToDesign(GetSystemMetrics(SM_CXSCREEN)),
          system.ToDesign(GetSystemMetrics(SM_CYSCREEN))};
}

HCURSOR CursorFor(TCursor cursor) {
  switch (cursor) {
    case crDefault:
      return nullptr;
    case crSizeAll:
      return LoadCursor(nullptr, IDC_SIZEALL);
    case crHourGlass:
      return LoadCursor(nullptr, IDC_WAIT);
    case crHandPoint:
      return LoadCursor(nullptr, IDC_HAND);
    default:
      return LoadCursor(nullptr, IDC_ARROW);
  }
}

void Win32Backend::SetScreenCursor(TCursor cursor) {
  cursor_ = cursor;
  HCURSOR handle = CursorFor(cursor);
  SetCursor(handle ? handle : LoadCursor(nullptr, IDC_ARROW));
}

// ---- the application window ----

sys::WindowHandle Win32Backend::ApplicationHandle() {
  return reinterpret_cast<sys::WindowHandle>(appWindow_);
}

void Win32Backend::ShowApplicationWindow(int command) { ShowWindow(appWindow_, command); }

std::uint32_t Win32Backend::ApplicationExStyle() {
  return std::uint32_t(GetWindowLongPtrA(appWindow_, GWL_EXSTYLE));
}

void Win32Backend::SetApplicationExStyle(std::uint32_t exStyle) {
  SetWindowLongPtrA(appWindow_, GWL_EXSTYLE, LONG_PTR(exStyle));
}

void Win32Backend::SetApplicationTitle(const std::string& title) {
  SetWindowTextA(appWindow_, title.c_str());
}

void Win32Backend::SetHintTimings(int pauseMs, int hidePauseMs) {
  hintPause_ = pauseMs;
  hintHidePause_ = hidePauseMs;
  for (FormPeer* form : forms_) form->Hints().SetDelays(pauseMs, hidePauseMs);
}

// ---- boxes and menus ----

int Win32Backend::MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
  HWND owner = appWindow_;
  if (FormPeer* form = ActiveFormPeer()) owner = form->Hwnd();
  return MessageBoxA(owner, text.c_str(), caption.c_str(), flags);
}

int Win32Backend::MessageBoxWide(const std::u16string& text, const std::u16string& caption,
                                 unsigned flags) {
  static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows' wide characters are UTF-16");
  HWND owner = appWindow_;
  if (FormPeer* form = ActiveFormPeer()) owner = form->Hwnd();
  return MessageBoxW(owner, reinterpret_cast<const wchar_t*>(text.c_str()),
                     reinterpret_cast<const wchar_t*>(caption.c_str()), flags);
}

void Win32Backend::Popup(TPopupMenu& menu, int x, int y) {
  HWND owner = nullptr;
  if (auto* control = dynamic_cast<TControl*>(menu.PopupComponent()))
    if (TForm* form = control->ParentForm())
      if (form->GetPeer()) owner = reinterpret_cast<HWND>(form->GetPeer()->Handle());
  if (!owner)
    if (FormPeer* form = ActiveFormPeer()) owner = form->Hwnd();
  if (!owner) owner = appWindow_;
  TrackMenu(menu, owner, x, y);
}

// ---- timers ----

void Win32Backend::TimerChanged(TTimer& timer) {
  auto it = timerIds_.find(&timer);
  if (timer.Active()) {
    UINT_PTR id = it != timerIds_.end() ? it->second : nextTimerId_++;
    KillTimer(timerWindow_, id);  // the interval starts afresh
    SetTimer(timerWindow_, id, timer.Interval(), nullptr);
    timerIds_[&timer] = id;
    timers_[id] = &timer;
  } else if (it != timerIds_.end()) {
    KillTimer(timerWindow_, it->second);
    timers_.erase(it->second);
    timerIds_.erase(it);
  }
}

void Win32Backend::TimerDestroyed(TTimer& timer) {
  auto it = timerIds_.find(&timer);
  if (it == timerIds_.end()) return;
  KillTimer(timerWindow_, it->second);
  timers_.erase(it->second);
  timerIds_.erase(it);
}

void Win32Backend::TimerFired(UINT_PTR id) {
  auto it = timers_.find(id);
  if (it == timers_.end()) return;
  TTimer* timer = it->second;
  // The handler may destroy the timer: nothing touches it afterwards.
  Guarded([timer] { timer->Fire(); });
}

}  // namespace ui::win32
