// The message loops: the main loop, modal runs, ProcessMessages and the keyboard handling
// every loop does before dispatching (Tab, Enter, Escape, key preview).
#include <algorithm>
#include <vector>

#include "ui/win32/BackendImpl.h"
#include "ui/win32/Peers.h"

namespace ui::win32 {

namespace {

struct Disabled {
  HWND self;
  std::vector<HWND> windows;
};

BOOL CALLBACK CollectEnabled(HWND window, LPARAM param) {
  auto* list = reinterpret_cast<Disabled*>(param);
  if (window != list->self && GetWindow(window, GW_OWNER) != list->self &&
      IsWindowVisible(window) && IsWindowEnabled(window))
    list->windows.push_back(window);
  return TRUE;
}

}  // namespace

bool Win32Backend::PreTranslate(MSG& msg) {
  if (msg.message == WM_SYSCHAR || msg.message == WM_CHAR) {
    // Alt+letter, or a letter while the focused control takes no characters: the model
    // finds the control that has it as its accelerator. Anything else goes on as usual
    // (an unknown Alt+letter beeps, Alt+Space opens the system menu).
    FormPeer* form = WindowPeer::FormOf(msg.hwnd);
    if (!form) return false;
    TForm& model = form->Form();
    const auto ch = char(static_cast<unsigned char>(msg.wParam));
    const TShiftState shift = msg.message == WM_SYSCHAR ? TShiftState(ssAlt) : 0;
    bool handled = false;
    Guarded([&] { handled = model.UserDialogChar(ch, shift); });
    return handled;
  }
  if (msg.message != WM_KEYDOWN) return false;
  FormPeer* form = WindowPeer::FormOf(msg.hwnd);
  if (!form) return false;
  const auto key = std::uint16_t(msg.wParam);
  const TShiftState shift = ShiftFromKeyboard();
  if (key == VK_TAB && !(shift & (ssCtrl | ssAlt))) {
    form->FocusNext((shift & ssShift) != 0);
    return true;
  }
  if (key == VK_RETURN || key == VK_ESCAPE) {
    // An open combo list takes these keys itself (to pick or to close).
    for (HWND w = msg.hwnd; w && w != form->Hwnd(); w = GetParent(w))
      if (auto* combo = dynamic_cast<ComboPeer*>(WindowPeer::FromHwnd(w)))
        if (combo->DroppedDown()) return false;
    TForm& model = form->Form();
    Guarded([&] { model.UserKeyDown(key, shift); });
    return true;
  }
  if (form->Form().KeyPreview()) {
    TForm& model = form->Form();
    Guarded([&] { model.UserKeyDown(key, shift); });
  }
  return false;
}

void Win32Backend::DispatchOne(MSG& msg) {
  if (PreTranslate(msg)) return;
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
}

void Win32Backend::RunMessageLoop() {
  if (Application().Terminated()) return;
  ++loopDepth_;
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchOne(msg);
  --loopDepth_;
}

void Win32Backend::Terminate() {
  // Outside a loop the application's Terminated flag keeps the loop from starting; a quit
  // message left in the queue would end some later loop instead.
  if (loopDepth_ > 0) PostQuitMessage(0);
}

void Win32Backend::ProcessMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(int(msg.wParam));  // for the loop that is to end
      break;
    }
    DispatchOne(msg);
  }
}

int Win32Backend::RunModal(TForm& form) {
  auto* peer = dynamic_cast<FormPeer*>(form.GetPeer());
  if (!peer) return form.ModalResult();
  std::weak_ptr<int> life = peer->Life();
  // Every other window of the program waits for this one.
  Disabled disabled{peer->Hwnd(), {}};
  EnumThreadWindows(GetCurrentThreadId(), CollectEnabled, reinterpret_cast<LPARAM>(&disabled));
  for (HWND w : disabled.windows) EnableWindow(w, FALSE);
  modal_.push_back(peer);
  ++loopDepth_;
  MSG msg;
  // A modal form that was hidden or lost its window cannot be answered any more: the run
  // ends rather than waiting on an invisible window.
  while (!life.expired() && form.ModalResult() == mrNone && form.Visible()) {
    BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got <= 0) {
      PostQuitMessage(got == 0 ? int(msg.wParam) : 0);  // the outer loop ends too
      break;
    }
    DispatchOne(msg);
  }
  --loopDepth_;
  if (!life.expired()) modal_.erase(std::remove(modal_.begin(), modal_.end(), peer), modal_.end());
  for (HWND w : disabled.windows)
    if (IsWindow(w)) EnableWindow(w, TRUE);
  return life.expired() ? int(mrCancel) : form.ModalResult();
}

}  // namespace ui::win32
