// The yardstick of bench/footprint: a bare Win32 program, built with the same compiler,
// flags and static runtime as the indicator, that shows one small window of class
// "QuontharyBareWindow" and runs its message loop until closed.
#include <windows.h>

namespace {

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = "QuontharyBareWindow";
  if (!RegisterClassA(&wc)) return 1;
  HWND window = CreateWindowExA(WS_EX_TOOLWINDOW, wc.lpszClassName, "Bare", WS_POPUP, 5, 700, 50,
                                14, nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  ShowWindow(window, show == SW_HIDE ? SW_SHOWNOACTIVATE : show);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
