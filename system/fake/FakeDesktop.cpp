#include "system/fake/FakeDesktop.h"

#include <algorithm>
#include <cctype>

namespace sys {

namespace {
bool SameClass(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}
}  // namespace

bool FakeDesktop::SetForegroundWindow(WindowHandle window) {
  SetForegroundCalls.push_back(window);
  if (!SetForegroundResult) return false;
  Foreground = window;
  return true;
}

WindowHandle FakeDesktop::FindWindow(const std::string& className) { return FindIn(0, className); }

WindowHandle FakeDesktop::FindChildWindow(WindowHandle parent, const std::string& className) {
  return FindIn(parent, className);
}

std::optional<Rect> FakeDesktop::WindowRect(WindowHandle window) {
  const Window* found = window ? Find(window) : nullptr;
  if (!found) return std::nullopt;
  return found->Bounds;
}

bool FakeDesktop::WindowVisible(WindowHandle window) {
  for (const Window* w = window ? Find(window) : nullptr; w;
       w = w->Parent ? Find(w->Parent) : nullptr)
    if (!w->Visible) return false;
  return window && Find(window);
}

unsigned FakeDesktop::RegisterShellMessage(const std::string& name) {
  auto known = std::find(ShellMessages.begin(), ShellMessages.end(), name);
  if (known == ShellMessages.end()) known = ShellMessages.insert(known, name);
  return 0xC000u + unsigned(known - ShellMessages.begin());
}

WindowHandle FakeDesktop::AddWindow(const std::string& className, const Rect& bounds,
                                    WindowHandle parent) {
  next_ += 0x10;
  Windows.push_back({next_, parent, className, bounds});
  return next_;
}

void FakeDesktop::RemoveWindow(WindowHandle window) {
  std::vector<WindowHandle> doomed{window};
  for (std::size_t i = 0; i < doomed.size(); ++i)
    for (const Window& w : Windows)
      if (w.Parent == doomed[i]) doomed.push_back(w.Handle);
  Windows.erase(std::remove_if(Windows.begin(), Windows.end(),
                               [&](const Window& w) {
                                 return std::find(doomed.begin(), doomed.end(), w.Handle) !=
                                        doomed.end();
                               }),
                Windows.end());
}

FakeDesktop::Window* FakeDesktop::Find(WindowHandle window) {
  for (Window& w : Windows)
    if (w.Handle == window) return &w;
  return nullptr;
}

WindowHandle FakeDesktop::AddTaskbar() {
  WindowHandle bar = AddWindow("Shell_TrayWnd", {0, Height - 30, Width, Height});
  return AddWindow("TrayNotifyWnd", {Width - 150, Height - 28, Width - 2, Height - 2}, bar);
}

WindowHandle FakeDesktop::AddWindows11Taskbar(Windows11Tray tray) {
  const Rect face{0, Height - 48, Width, Height};
  WindowHandle bar = AddWindow("Shell_TrayWnd", face);
  if (tray != Windows11Tray::None)
    AddWindow("TrayNotifyWnd",
              tray == Windows11Tray::Sized ? Rect{Width - 240, Height - 48, Width, Height} : Rect{},
              bar);
  AddWindow("Windows.UI.Composition.DesktopWindowContentBridge", face, bar);
  return bar;
}

WindowHandle FakeDesktop::FindIn(WindowHandle parent, const std::string& className) const {
  for (const Window& w : Windows)
    if (w.Parent == parent && SameClass(w.ClassName, className)) return w.Handle;
  return 0;
}

}  // namespace sys
