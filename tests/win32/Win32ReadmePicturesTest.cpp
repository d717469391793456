// The README's pictures, made the way a user meets the program: the indicator docked in the
// taskbar and as a window, its context menu opened by a right click with the IP profiles
// open, the switcher chosen from the menu and the three editors opened by its "Configure"
// buttons, the five settings pages, the battery history over prepared logs, the about
// dialog, and a profile chosen from the menu with its confirmation and timed message. The
// program holds example profiles ("Office", "Home", a proxy, a MAC) so that the pictures show
// something real. Each picture goes to build/screenshots/readme/; scripts/docs copies them
// into docs/.
#include "tests/win32/ProgramScript.h"

namespace {

using usersteps::Choose;
using usersteps::Click;
using usersteps::Do;
using usersteps::Step;
using usersteps::Wait;
using usersteps::WaitFor;
using win32test::Hwnd;
using win32test::kBase;
using win32test::Part;
using win32test::Settle;

class Win32ReadmePictures : public win32test::ProgramScript {
 protected:
  Win32ReadmePictures() : ProgramScript("quonthary_readme", "readme\\") {}
};

TEST_F(Win32ReadmePictures, TheIndicatorDockedInTheTaskbar) {
  HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr);
  if (!taskbar) GTEST_SKIP() << "this desktop has no taskbar";
  TFormQuonthary& f = Start();
  for (int i = 0; i < 3; ++i) {
    f.TimerTimer(&f);
    Settle();
  }
  HWND window = Hwnd(f);
  ASSERT_TRUE(IsWindowVisible(window));
  RECT bar{}, gauge{};
  GetWindowRect(taskbar, &bar);
  GetWindowRect(window, &gauge);
  // The right end of the taskbar with a strip of the desktop above it.
  RECT around{bar.right - 280, bar.top - 24, bar.right, bar.bottom};
  EXPECT_GE(gauge.left, around.left);
  EXPECT_LE(gauge.bottom, around.bottom);
  EXPECT_GE(gauge.top, bar.top);
  const screenshot::Capture docked = Part(screenshot::Screen(), around);
  // The gauge is on the picture: its charged part is not the taskbar's face.
  const screenshot::Capture printed = screenshot::PrintClient(f.Handle());
  EXPECT_EQ(docked.Pixel(gauge.left - around.left + 6, gauge.top - around.top + 7),
            printed.Pixel(6, 7));
  Save(docked.Scaled(2), "indicator-taskbar");
}

TEST_F(Win32ReadmePictures, TheIndicatorAsAWindow) {
  // On the desktop, where the user put it.
  Put(kBase, "ShowInTaskBar", "0");
  Put(kBase, "Left", "600");
  Put(kBase, "Top", "400");
  TFormQuonthary& w = Start();
  for (int i = 0; i < 3; ++i) {
    w.TimerTimer(&w);
    Settle();
  }
  ASSERT_TRUE(IsWindowVisible(Hwnd(w)));
  EXPECT_EQ(GetAncestor(Hwnd(w), GA_PARENT), GetDesktopWindow());
  RECT gauge{};
  GetWindowRect(Hwnd(w), &gauge);
  EXPECT_EQ(gauge.left, 600);
  EXPECT_EQ(gauge.top, 400);
  const screenshot::Capture floating = Part(
      screenshot::Screen(), {gauge.left - 30, gauge.top - 12, gauge.right + 30, gauge.bottom + 12});
  Save(floating.Scaled(4), "indicator-window");
}

TEST_F(Win32ReadmePictures, TheContextMenuWithTheIPProfiles) {
  TFormQuonthary& f = Start();
  screenshot::Capture shot;
  int menus = 0, profileItems = 0;
  Run({RightClick(), Choose(f.PopupMenu.Items(), f.mnuIPChanger, VK_RIGHT),
       [&] { return menusteps::MenuWindows().size() == 2; }, Wait(3), Do([&] {
         const auto open = menusteps::MenuWindows();
         menus = int(open.size());
         HMENU items = reinterpret_cast<HMENU>(SendMessageA(open.back(), MN_GETHMENU, 0, 0));
         profileItems = GetMenuItemCount(items);
         shot = menusteps::CaptureMenus(12);
         EndMenu();
       }),
       [] { return menusteps::MenuWindows().empty(); }});
  EXPECT_EQ(menus, 2);
  // "Configure", the separator, "Office", "Home" and "Hotel".
  EXPECT_EQ(profileItems, 5);
  EXPECT_TRUE(f.mnuIP[0]->Checked());
  EXPECT_EQ(f.mnuIP[1]->Caption(), "Home");
  Save(shot, "context-menu");
}

TEST_F(Win32ReadmePictures, TheSwitcherFromTheMenuAndTheEditorsFromItsConfigureButtons) {
  TFormQuonthary& f = Start();
  TFormChanger* switcher = nullptr;
  TFormIPChanger* ip = nullptr;
  TFormProxy* proxy = nullptr;
  TFormMacChanger* mac = nullptr;
  std::deque<Step> script{RightClick(), FromTheMenu(f.mnuIPChangerDialog), WaitFor(switcher)};
  script.push_back(Do([&] {
    ASSERT_TRUE(switcher->btnIP[0]->Visible());
    EXPECT_EQ(ui::StripAccelerator(switcher->btnIP[0]->Caption()), "Office");
    EXPECT_EQ(ui::StripAccelerator(switcher->btnIP[1]->Caption()), "Home");
    EXPECT_FALSE(switcher->btnIP[3]->Visible());
    SaveWindow(*switcher, "Quonthary Changer", "switcher");
  }));
  script.push_back(Do([&] { PostMessageA(Hwnd(switcher->ButtonConfigureIP), BM_CLICK, 0, 0); }));
  script.push_back(WaitFor(ip));
  script.push_back(Do([&] { Pick(ip->ComboBoxProfNo, 0); }));
  script.push_back(Wait(3));
  script.push_back(Do([&] {
    EXPECT_EQ(ip->EditProfName.Text(), "Office");
    EXPECT_EQ(win32test::TextOf(Hwnd(ip->EditIP)), "10.0.0.5");
    SaveWindow(*ip, "IP Changer", "ip-editor");
    PostMessageA(Hwnd(ip->Button2), BM_CLICK, 0, 0);
  }));
  // Each menu item opens the switcher on its own page, whose "Configure" opens its editor.
  script.push_back(WaitFor(switcher));
  script.push_back(Do([&] { PostMessageA(Hwnd(switcher->ButtonClose), BM_CLICK, 0, 0); }));
  script.push_back([&] { return f.FormChanger == nullptr; });
  script.push_back(RightClick());
  script.push_back(FromTheMenu(f.mnuProxyChangerDialog));
  script.push_back(WaitFor(switcher));
  script.push_back(Do([&] {
    EXPECT_EQ(switcher->PageControl.ActivePage(), &switcher->TabSheetProxy);
    EXPECT_EQ(ui::StripAccelerator(switcher->btnPX[0]->Caption()), "Office proxy");
    PostMessageA(Hwnd(switcher->ButtonConfigureProxy), BM_CLICK, 0, 0);
  }));
  script.push_back(WaitFor(proxy));
  script.push_back(Do([&] { Pick(proxy->ComboBoxProfNo, 0); }));
  script.push_back(Wait(3));
  script.push_back(Do([&] {
    EXPECT_EQ(proxy->EditProfName.Text(), "Office proxy");
    SaveWindow(*proxy, "Proxy Server Changer", "proxy-editor");
    PostMessageA(Hwnd(proxy->Button2), BM_CLICK, 0, 0);
  }));
  script.push_back(WaitFor(switcher));
  script.push_back(Do([&] { PostMessageA(Hwnd(switcher->ButtonClose), BM_CLICK, 0, 0); }));
  script.push_back([&] { return f.FormChanger == nullptr; });
  script.push_back(RightClick());
  script.push_back(FromTheMenu(f.mnuMacChangerDialog));
  script.push_back(WaitFor(switcher));
  script.push_back(Do([&] {
    EXPECT_EQ(switcher->PageControl.ActivePage(), &switcher->TabSheetMAC);
    PostMessageA(Hwnd(switcher->ButtonConfigureMac), BM_CLICK, 0, 0);
  }));
  script.push_back(WaitFor(mac));
  script.push_back(Do([&] { Pick(mac->ComboBoxProfNo, 0); }));
  script.push_back(Wait(3));
  script.push_back(Do([&] {
    EXPECT_EQ(mac->EditProfName.Text(), "Home card");
    EXPECT_EQ(win32test::TextOf(Hwnd(mac->EditMacAddress)), "02A1B2C3D4E5");
    SaveWindow(*mac, "MAC Address Changer", "mac-editor");
    PostMessageA(Hwnd(mac->Button2), BM_CLICK, 0, 0);
  }));
  script.push_back(WaitFor(switcher));
  script.push_back(Do([&] { PostMessageA(Hwnd(switcher->ButtonClose), BM_CLICK, 0, 0); }));
  script.push_back([&] { return f.FormChanger == nullptr; });
  Run(std::move(script));
  EXPECT_EQ(saved.size(), 4u);
}

TEST_F(Win32ReadmePictures, TheFiveSettingsPages) {
  TFormQuonthary& f = Start();
  TFormSettings* d = nullptr;
  std::deque<Step> script{RightClick(), FromTheMenu(f.mnuSettings), WaitFor(d)};
  const char* const pages[] = {"general", "window-options", "display-options", "sound", "hot-keys"};
  for (int page = 0; page < 5; ++page) {
    script.push_back(Do([&d, page] { ClickTab(d->PageControl1, page); }));
    script.push_back(Wait(3));
    script.push_back(Do([this, &d, page, name = pages[page]] {
      EXPECT_EQ(d->PageControl1.ActivePageIndex(), page);
      SaveWindow(*d, "Quonthary Settings", "settings-" + std::to_string(page + 1) + "-" + name);
    }));
  }
  script.push_back(Do([&] {
    EXPECT_TRUE(d->cbxHotKeyIPChanger.Checked());
    EXPECT_FALSE(d->cbxHotKeyToFront.Checked());
    PostMessageA(Hwnd(d->ButtonCancel), BM_CLICK, 0, 0);
  }));
  script.push_back([&] { return f.FormSettings == nullptr || !f.FormSettings->Visible(); });
  Run(std::move(script));
  EXPECT_EQ(saved.size(), 5u);
}

TEST_F(Win32ReadmePictures, TheBatteryHistoryAndTheAboutDialogFromTheMenu) {
  TFormQuonthary& f = Start();
  TFormBatteryHistory* history = nullptr;
  TFormAbout* about = nullptr;
  std::deque<Step> script{RightClick(),
                          FromTheMenu(f.mnuBatteryHistory),
                          [&] {
                            history = f.FormBatteryHistory.get();
                            return history && IsWindowVisible(Hwnd(*history));
                          },
                          Wait(4),
                          Do([&] {
                            EXPECT_EQ(history->History().Periods.size(), 4u);
                            SaveWindow(*history, "Battery history", "battery-history");
                            PostMessageA(Hwnd(history->ButtonClose), BM_CLICK, 0, 0);
                          }),
                          [&] { return f.FormBatteryHistory == nullptr; }};
  script.push_back(RightClick());
  script.push_back(FromTheMenu(f.mnuAbout));
  script.push_back(WaitFor(about));
  script.push_back(Do([&] {
    SaveWindow(*about, "About Quonthary", "about");
    PostMessageA(Hwnd(about->Button1), BM_CLICK, 0, 0);
  }));
  script.push_back([&] { return f.FormAbout == nullptr; });
  Run(std::move(script));
  EXPECT_EQ(saved.size(), 2u);
}

TEST_F(Win32ReadmePictures, AProxyProfileFromTheMenuWithItsConfirmationAndTimedMessage) {
  TFormQuonthary& f = Start();
  TFormMessageChanger* confirmation = nullptr;
  TFormMsgBox* box = nullptr;
  std::string message;
  Run({RightClick(), Choose(f.PopupMenu.Items(), f.mnuProxyChanger, VK_RIGHT),
       [] { return menusteps::MenuWindows().size() == 2; }, Choose(f.mnuProxyChanger, *f.mnuPX[0]),
       WaitFor(confirmation), Do([&] {
         const std::string title = win32test::TextOf(Hwnd(*confirmation));
         EXPECT_EQ(title.rfind("Quonthary - ", 0), 0u) << title;
         SaveWindow(*confirmation, title, "confirmation");
         PostMessageA(Hwnd(confirmation->Button1), BM_CLICK, 0, 0);
       }),
       WaitFor(box), Do([&] {
         message = box->LabelMsg.Caption();
         SaveWindow(*box, "Quonthary", "timed-message");
         PostMessageA(Hwnd(box->ButtonOK), BM_CLICK, 0, 0);
       }),
       [&] { return f.FormMsgBox == nullptr; }});
  EXPECT_EQ(message, "Server Proxy was changed!\nThe proxy settings are in force.");
  EXPECT_EQ(saved.size(), 2u);
}

}  // namespace
