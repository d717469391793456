// A user's actions in the real windows as a script: one step per tick of whichever message
// loop runs (the program's, a modal window's, a menu's), each acting or waiting and saying
// when it is done. Steps reach the menus by the keys and the windows by posted clicks.
#pragma once
#include "ui/win32/WinApi.h"

#include <deque>
#include <functional>
#include <memory>

#include "tests/win32/MenuSteps.h"
#include "tests/win32/Win32Fixture.h"

namespace usersteps {

using Step = std::function<bool()>;  // true: done

class Script {
 public:
  Script() : driver_(&ui::Application(), "Driver", 20, true) {
    driver_.SetOnTimer([this](ui::TObject*) { Tick(); });
  }
  // Runs the steps; afterwards whatever is still open is closed, so that a failed run does
  // not hang the next test.
  void Run(std::deque<Step> todo, int timeoutMs = 30000) {
    steps_ = std::move(todo);
    win32test::SettleUntil([this] { return steps_.empty(); }, DWORD(timeoutMs));
    EXPECT_TRUE(steps_.empty()) << steps_.size() << " steps left undone";
    steps_.clear();
    for (int i = 0; i < 20; ++i) {
      ui::TForm* open = OpenModal();
      if (!open) break;
      open->Close();
      win32test::Settle();
    }
  }

  // The window of the innermost modal run.
  static ui::TForm* OpenModal() {
    ui::TForm* found = nullptr;
    for (ui::TComponent* c : ui::Application().Components()) {
      auto* form = dynamic_cast<ui::TForm*>(c);
      if (form && form->Modal() && form->Visible() && IsWindowVisible(win32test::Hwnd(*form)))
        found = form;
    }
    return found;
  }

 private:
  void Tick() {
    if (steps_.empty() || busy_) return;
    busy_ = true;
    if (steps_.front()()) steps_.pop_front();
    busy_ = false;
  }
  ui::TTimer driver_;
  std::deque<Step> steps_;
  bool busy_ = false;
};

inline Step Do(std::function<void()> action) {
  return [action] {
    action();
    return true;
  };
}

inline Step Wait(int ticks) {
  auto left = std::make_shared<int>(ticks);
  return [left] { return --*left <= 0; };
}

// Whether a window and every window in it have painted what they show.
inline bool Painted(HWND window) {
  bool painted = !GetUpdateRect(window, nullptr, FALSE);
  EnumChildWindows(
      window,
      [](HWND child, LPARAM all) {
        if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE))
          *reinterpret_cast<bool*>(all) = false;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&painted));
  return painted;
}

// Waits until a window of type W is the one up, its show handled and painted (on two ticks
// running: what it posts itself when shown is handled between them).
template <class W>
Step WaitFor(W*& window) {
  auto seen = std::make_shared<int>(0);
  return [&window, seen] {
    auto* open = dynamic_cast<W*>(Script::OpenModal());
    if (!open || !Painted(win32test::Hwnd(*open))) {
      *seen = 0;
      return false;
    }
    if (++*seen < 2) return false;
    window = open;
    return true;
  };
}

// The right button on a window (the indicator).
inline Step RightClick(ui::TWinControl& target) {
  return Do([&target] {
    PostMessageA(win32test::Hwnd(target), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 5));
    PostMessageA(win32test::Hwnd(target), WM_RBUTTONUP, 0, MAKELPARAM(10, 5));
  });
}

// An item of the open menu (the newest menu window), reached with the arrow keys and then
// chosen with key: Enter for a command, the right arrow to open a submenu.
inline Step Choose(const ui::TMenuItem& parent, const ui::TMenuItem& item, WPARAM key = VK_RETURN) {
  return [&parent, &item, key] {
    const auto menus = menusteps::MenuWindows();
    if (menus.empty()) return false;
    HWND menu = menus.back();
    HMENU items = reinterpret_cast<HMENU>(SendMessageA(menu, MN_GETHMENU, 0, 0));
    // Owner-drawn items carry no text: the item's place among those shown.
    int place = -1, shown = 0;
    for (int i = 0; i < parent.Count(); ++i) {
      if (!parent.Item(i)->Visible()) continue;
      if (parent.Item(i) == &item) place = shown;
      ++shown;
    }
    EXPECT_GE(place, 0) << item.Name();
    if (place < 0) return true;
    const bool lit = GetMenuState(items, UINT(place), MF_BYPOSITION) & MF_HILITE;
    PostMessageA(menu, WM_KEYDOWN, lit ? key : VK_DOWN, 0);
    return lit;
  };
}

inline Step Click(ui::TWinControl& control) {
  return Do([&control] { PostMessageA(win32test::Hwnd(control), BM_CLICK, 0, 0); });
}

}  // namespace usersteps
