#include "ui/win32/Tooltips.h"

#include "ui/win32/WinApi.h"
#include <commctrl.h>
#include <windowsx.h>

#include "system/win32/Dpi.h"
#include "ui/win32/CommonControls.h"
#include "ui/win32/GraphicPainter.h"

#include <string>

namespace ui::win32 {

namespace {

HWND HwndOf(const TWinControl& control) {
  return control.GetPeer() ? reinterpret_cast<HWND>(control.GetPeer()->Handle()) : nullptr;
}

bool Hinted(const TControl& c) { return c.ShowHint() && !c.Hint().empty(); }

bool AnyHint(const TWinControl& holder) {
  if (Hinted(holder)) return true;
  for (const TControl* c : holder.Controls()) {
    if (Hinted(*c)) return true;
    if (auto* win = dynamic_cast<const TWinControl*>(c))
      if (AnyHint(*win)) return true;
  }
  return false;
}

// The size comctl32 5 accepts as well as 6 (the test programs carry no manifest).
TTTOOLINFOA NewTool() {
  TTTOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V2_SIZE;
  return tool;
}

}  // namespace

Tooltips::~Tooltips() { Destroy(); }

void Tooltips::Destroy() {
  if (window_) DestroyWindow(window_);
  window_ = nullptr;
}

void Tooltips::SetDelays(int initialMs, int autoPopMs) {
  initial_ = initialMs;
  autoPop_ = autoPopMs;
  if (!window_) return;
  SendMessageA(window_, TTM_SETDELAYTIME, TTDT_INITIAL, MAKELPARAM(initialMs, 0));
  SendMessageA(window_, TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(autoPopMs, 0));
}

void Tooltips::SetDpi(int dpi) {
  if (dpi == dpi_) return;
  dpi_ = dpi;
  ApplyFont();
}

void Tooltips::ApplyFont() {
  // The system's tooltip font is made for the system's DPI: on another monitor, its like.
  Font made;
  LOGFONTW font{};
  if (dpi_ != sys::dpi::SystemDpi() && sys::dpi::StatusFontForDpi(font, dpi_))
    made.Reset(CreateFontIndirectW(&font));
  // The window lets go of the old font before it is deleted.
  if (window_) SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(made.Get()), TRUE);
  font_ = std::move(made);
}

int Tooltips::ToolCount() const {
  return window_ ? int(SendMessageA(window_, TTM_GETTOOLCOUNT, 0, 0)) : 0;
}

void Tooltips::Rebuild(TWinControl& form, HWND formWindow, const Scaling& scaling) {
  if (!formWindow) return;
  if (!window_) {
    if (!armed_ || !AnyHint(form)) return;
    EnsureCommonControls();
    window_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                              WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, formWindow, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    if (!window_) return;
    owner_ = formWindow;
    SendMessageA(window_, TTM_SETMAXTIPWIDTH, 0, scaling.ToPixels(400));
    SetDelays(initial_, autoPop_);
    if (font_) SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
  }
  for (;;) {
    TTTOOLINFOA tool = NewTool();
    if (!SendMessageA(window_, TTM_ENUMTOOLSA, 0, reinterpret_cast<LPARAM>(&tool))) break;
    SendMessageA(window_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  }
  AddTools(form, scaling);
  // The form's own hint last: the tools of its parts are found first.
  if (Hinted(form) && form.Visible()) {
    std::string text = form.Hint();
    TTTOOLINFOA tool = NewTool();
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = formWindow;
    tool.uId = reinterpret_cast<UINT_PTR>(formWindow);
    tool.lpszText = &text[0];
    SendMessageA(window_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

void Tooltips::Relay(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
  if (!window_) return;
  MSG m{};
  m.hwnd = window;
  m.message = msg;
  m.wParam = wp;
  m.lParam = lp;
  m.time = DWORD(GetMessageTime());
  const DWORD at = GetMessagePos();
  m.pt = POINT{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
  SendMessageA(window_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&m));
}

void Tooltips::AddTools(TWinControl& holder, const Scaling& scaling) {
  HWND holderWindow = HwndOf(holder);
  if (!holderWindow) return;
  for (TControl* c : holder.Controls()) {
    if (!c->Visible()) continue;
    auto* win = dynamic_cast<TWinControl*>(c);
    if (win) AddTools(*win, scaling);
    if (!Hinted(*c)) continue;
    std::string text = c->Hint();
    TTTOOLINFOA tool = NewTool();
    tool.hwnd = holderWindow;
    tool.lpszText = &text[0];
    if (win) {
      HWND window = HwndOf(*win);
      if (!window) continue;
      tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
      tool.uId = reinterpret_cast<UINT_PTR>(window);
    } else {
      tool.uFlags = TTF_SUBCLASS;
      tool.uId = reinterpret_cast<UINT_PTR>(c);
      tool.rect = PixelBounds(*c, scaling);
    }
    SendMessageA(window_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

}  // namespace ui::win32
