// The context menu as a user meets it: its items, captions, shortcuts and default item, which
// commands a right click finds enabled, the profile items and their check marks, and what
// each click does.
#include <string>
#include <vector>

#include "dialogs/FormMsgBox.h"
#include "profiles/ProfileStorage.h"
#include "profiles/ProfileKinds.h"
#include "tests/CommandFixture.h"

namespace {

using profiles::ProfileKind;
using testing_support::CommandFixture;
using testing_support::kInternetSettings;

class ContextMenu : public CommandFixture {
 protected:
  // The visible items of a menu level as a user reads them: caption, tab, shortcut.
  static std::vector<std::string> Shown(const ui::TMenuItem& parent) {
    std::vector<std::string> rows;
    for (int i = 0; i < parent.Count(); ++i) {
      const ui::TMenuItem& item = *parent.Item(i);
      if (!item.Visible()) continue;
      std::string row = item.Caption();
      if (item.ShortCut()) row += "\t" + ui::ShortCutToText(item.ShortCut());
      if (item.Default()) row += " (default)";
      rows.push_back(row);
    }
    return rows;
  }
  // The items that the command dialogs switch off, and those a profile change switches off
  // too (the 63 profile items with them).
  std::vector<ui::TMenuItem*> CommandItems() {
    TFormQuonthary& f = Ind();
    return {&f.mnuAbout, &f.mnuIPConfigure, &f.mnuClose,
            &f.mnuProxy, &f.mnuSettings,    &f.mnuBatteryHistory};
  }
  std::vector<ui::TMenuItem*> ProfileCommandItems() {
    TFormQuonthary& f = Ind();
    std::vector<ui::TMenuItem*> items{&f.mnuIPChanger,          &f.mnuProxyChanger,
                                      &f.mnuMacChanger,         &f.mnuIPChangerDialog,
                                      &f.mnuProxyChangerDialog, &f.mnuMacChangerDialog};
    for (auto* family : {&f.mnuIP, &f.mnuPX, &f.mnuMAC})
      items.insert(items.end(), family->begin(), family->end());
    return items;
  }
  void RightClick() { ui_->RightClick(Ind().ImageBatt, 10, 5); }
};

TEST_F(ContextMenu, DefaultLayoutHasTheGeneralCommandsAndTheThreeSwitchers) {
  TFormQuonthary& f = Start();
  RightClick();
  ASSERT_EQ(ui_->LastPopup(), &f.PopupMenu);
  EXPECT_EQ(ui_->PopupCount(), 1);
  // "ShowMenuChange" off and "ShowMenuWindow" on: no profile submenus.
  EXPECT_EQ(
      Shown(f.PopupMenu.Items()),
      (Names({"About\tF1", "Move window", "Settings\tCtrl+U", "Battery history...", "Close\tAlt+F4",
              "-", "MAC Address Changer...", "Proxy Changer...", "IP Changer... (default)"})));
  // The picture with its own reference to the menu opens the same one.
  EXPECT_EQ(f.ImageCharging.PopupMenu(), &f.PopupMenu);
  EXPECT_EQ(f.PopupMenu.Items().Item(9), &f.N2);
}

TEST_F(ContextMenu, BothProfileGroupsAreSeparatedAndNeitherLeavesALoneSeparator) {
  Store("ShowMenuChange", "1");
  TFormQuonthary& f = Start();
  EXPECT_EQ(Shown(f.PopupMenu.Items()),
            (Names({"About\tF1", "Move window", "Settings\tCtrl+U", "Battery history...",
                    "Close\tAlt+F4", "-", "MAC Address Changer", "Proxy Changer", "IP Changer", "-",
                    "MAC Address Changer...", "Proxy Changer...", "IP Changer... (default)"})));
  f.Cfg.ShowMenuChange = false;
  f.Cfg.ShowMenuWindow = false;
  f.UpdateChangerMenus();
  EXPECT_EQ(Shown(f.PopupMenu.Items()), (Names({"About\tF1", "Move window", "Settings\tCtrl+U",
                                                "Battery history...", "Close\tAlt+F4"})));
}

TEST_F(ContextMenu, SubmenusHoldConfigureASeparatorAndTwentyOneProfileItems) {
  Store("ShowMenuChange", "1");
  Store("ShowMenuWindow", "0");
  TFormQuonthary& f = Start();
  EXPECT_EQ(Shown(f.PopupMenu.Items()),
            (Names({"About\tF1", "Move window", "Settings\tCtrl+U", "Battery history...",
                    "Close\tAlt+F4", "-", "MAC Address Changer", "Proxy Changer", "IP Changer"})));
  struct Family {
    ui::TMenuItem& Submenu;
    ui::TMenuItem& Configure;
    const char* Separator;
    ProfileKind Kind;
    const char* Prefix;
  };
  for (const Family& fam :
       {Family{f.mnuMacChanger, f.mnuMacConfigure, "N11", ProfileKind::Mac, "mnuMAC"},
        Family{f.mnuProxyChanger, f.mnuProxy, "N10", ProfileKind::Proxy, "mnuPX"},
        Family{f.mnuIPChanger, f.mnuIPConfigure, "N9", ProfileKind::IP, "mnuIP"}}) {
    SCOPED_TRACE(fam.Prefix);
    ASSERT_EQ(fam.Submenu.Count(), 23);
    EXPECT_EQ(fam.Submenu.Item(0), &fam.Configure);
    EXPECT_EQ(fam.Configure.Caption(), "Configure");
    EXPECT_EQ(fam.Submenu.Item(1)->Name(), fam.Separator);
    EXPECT_TRUE(fam.Submenu.Item(1)->IsSeparator());
    for (int slot = 0; slot < 21; ++slot) {
      ui::TMenuItem* item = fam.Submenu.Item(slot + 2);
      EXPECT_EQ(item, f.ProfileItems(fam.Kind)[std::size_t(slot)]);
      EXPECT_EQ(item->Name(), profiles::SlotName(fam.Prefix, slot));
      // Found by name, as translation finds them.
      EXPECT_EQ(f.FindComponent(item->Name()), item);
      // Empty slots: hidden until the editors fill them.
      EXPECT_FALSE(item->Visible());
      const bool ctrlDigit = fam.Kind == ProfileKind::IP && slot < 10;
      EXPECT_EQ(item->ShortCut(),
                ctrlDigit ? ui::ShortCut(std::uint16_t('0' + slot), ui::scCtrl) : ui::TShortCut(0));
    }
  }
  EXPECT_EQ(ui::ShortCutToText(f.mnuIP[9]->ShortCut()), "Ctrl+9");
}

TEST_F(ContextMenu, MoveWindowIsGreyedInTaskbarModeAndStartsADragInWindowMode) {
  fake.Desktop.AddTaskbar();
  TFormQuonthary& f = Start();
  RightClick();
  EXPECT_FALSE(f.mnuMove.Enabled());
  ui_->ClickMenu(f.mnuMove);
  EXPECT_FALSE(f.MoveMode);

  owner.reset();
  Store("ShowInTaskBar", "0");
  TFormQuonthary& w = Start();
  RightClick();
  EXPECT_TRUE(w.mnuMove.Enabled());
  ui_->ClickMenu(w.mnuMove);
  EXPECT_TRUE(w.MoveMode);
  // The next press puts it down.
  RightClick();
  EXPECT_FALSE(w.MoveMode);
}

TEST_F(ContextMenu, APressFirstRaisesTheOpenDialogs) {
  TFormQuonthary& f = Start();
  TFormMsgBox about(&ui::Application(), f.DialogEnvironment());
  f.Dialogs.Opened(dialogs::DialogKind::About, about);
  fake.Desktop.SetForegroundCalls.clear();
  RightClick();
  EXPECT_EQ(fake.Desktop.SetForegroundCalls, (std::vector<sys::WindowHandle>{about.Handle()}));
  f.Dialogs.Closed(about);
}

TEST_F(ContextMenu, CommandDialogsDisableTheCommandsAndAProfileChangeTheProfileCommands) {
  Store("ShowInTaskBar", "0");
  TFormQuonthary& f = Start();
  TFormMsgBox dialog(&ui::Application(), f.DialogEnvironment());
  using K = dialogs::DialogKind;
  struct Case {
    K Kind;
    bool Commands, ProfileCommands;
  };
  for (const Case& c : {Case{K::About, false, false}, Case{K::Changer, false, false},
                        Case{K::IPChanger, false, false}, Case{K::Proxy, false, false},
                        Case{K::MacChanger, false, false}, Case{K::Settings, false, false},
                        Case{K::BatteryHistory, false, false},
                        // The confirmation window and the timed box: a change is under way.
                        Case{K::MessageChanger, true, false}, Case{K::MsgBox, true, false},
                        Case{K::ProfilesOrder, true, true}, Case{K::ImportSettings, true, true}}) {
    SCOPED_TRACE(int(c.Kind));
    f.Dialogs.Opened(c.Kind, dialog);
    RightClick();
    for (ui::TMenuItem* item : CommandItems())
      EXPECT_EQ(item->Enabled(), c.Commands) << item->Name();
    for (ui::TMenuItem* item : ProfileCommandItems())
      EXPECT_EQ(item->Enabled(), c.ProfileCommands) << item->Name();
    EXPECT_TRUE(f.mnuMove.Enabled());
    // Unreachable anyway: its submenu is off.
    EXPECT_TRUE(f.mnuMacConfigure.Enabled());
    f.Dialogs.Closed(dialog);
    RightClick();
    for (ui::TMenuItem* item : CommandItems()) EXPECT_TRUE(item->Enabled()) << item->Name();
    for (ui::TMenuItem* item : ProfileCommandItems()) EXPECT_TRUE(item->Enabled()) << item->Name();
  }
}

TEST_F(ContextMenu, GeneralCommandsReachTheirHandlers) {
  TFormQuonthary& f = Start();
  // About, Settings and the battery history open their dialogs, as the only command dialog
  // running.
  std::vector<std::string> opened;
  for (int i = 0; i < 3; ++i)
    ui_->OnModal([&](ui::TForm& form) {
      opened.push_back(form.Name());
      EXPECT_TRUE(f.Dialogs.BlocksCommands());
      form.Close();
    });
  ui_->ClickMenu(f.mnuAbout);
  ui_->ClickMenu(f.mnuSettings);
  ui_->ClickMenu(f.mnuBatteryHistory);
  EXPECT_EQ(opened, (Names({"FormAbout", "FormSettings", "FormBatteryHistory"})));
  EXPECT_TRUE(f.Dialogs.Empty());
  ExpectAllAnswered();
  ui_->ClickMenu(f.mnuClose);
  EXPECT_TRUE(ui::Application().Terminated());
}

// Each "Configure" runs its own editor; afterwards the items of the kinds it may have
// changed follow the tables, and everything is saved.
TEST_F(ContextMenu, EachConfigureItemRunsItsEditorAndTheMenuFollowsWhatItChanged) {
  Store("ShowMenuChange", "1");
  TFormQuonthary& f = Start();
  struct Case {
    ui::TMenuItem& Item;
    std::string Editor;
    bool IP, Proxy, Mac;  // the items refreshed
  };
  for (const Case& c : {Case{f.mnuIPConfigure, "FormIPChanger", true, true, true},
                        Case{f.mnuProxy, "FormProxy", false, true, false},
                        Case{f.mnuMacConfigure, "FormMacChanger", false, false, true}}) {
    SCOPED_TRACE(c.Editor);
    ui_->OnModal([&](ui::TForm& editor) {
      EXPECT_EQ(editor.Name(), c.Editor);
      // What Save in the editor (or an editor it opened) leaves in the tables.
      f.Profiles.IPProfiles[1] = testing_support::OfficeProfile();
      f.Profiles.ProxyProfiles[1] = {true, "", false, "", "", false};
      f.Profiles.MacProfiles[1] = {true, "", "NIC", false, "0001", ""};
      for (std::string* name :
           {&f.Profiles.IPProfiles[1].ProfileName, &f.Profiles.ProxyProfiles[1].ProfileName,
            &f.Profiles.MacProfiles[1].ProfileName})
        *name = c.Editor;
      editor.Close();
    });
    ui_->ClickMenu(c.Item);
    EXPECT_EQ(f.mnuIP[1]->Caption() == c.Editor, c.IP);
    EXPECT_EQ(f.mnuPX[1]->Caption() == c.Editor, c.Proxy);
    EXPECT_EQ(f.mnuMAC[1]->Caption() == c.Editor, c.Mac);
    EXPECT_EQ(f.mnuPX[1]->Visible(), c.Proxy);
    EXPECT_EQ(Stored("ProfileName", "\\Software\\Quonthary\\MacChanger1"), c.Editor);
    ExpectAllAnswered();
    UseProfiles({});
  }
}

TEST_F(ContextMenu, DoubleClickBeepsOnceAndOpensTheIPSwitcher) {
  TFormQuonthary& f = Start();
  OnSwitcher([](TFormChanger& w) {
    EXPECT_EQ(w.Kind(), ProfileKind::IP);
    EXPECT_EQ(w.PageControl.ActivePage(), &w.TabSheetIP);
  });
  fake.Sound.Events.clear();
  ui_->DblClick(f.LabelState);
  EXPECT_EQ(switcherRuns, 1);
  EXPECT_EQ(fake.Sound.Events, (std::vector<sys::SoundEvent>{sys::SoundEvent::SystemBeep(0)}));
  ExpectAllAnswered();
}

// ---- profile items ----

TEST_F(ContextMenu, ProfileItemsShowTheProfilesInUse) {
  Store("ShowMenuChange", "1");
  TFormQuonthary& f = Start();
  profiles::ProfileTables t;
  t.IPProfiles[4] = testing_support::OfficeProfile();
  t.ProxyProfiles[0] = {true, "No proxy", false, "", "", false};
  t.ProxyProfiles[1] = {false, "Unused", false, "", "", false};
  t.MacProfiles[20] = {true, "Spoofed", "NIC", true, "0007", "02AABBCCDDEE"};
  UseProfiles(t);
  LiveProxy(0, "");
  RightClick();
  EXPECT_TRUE(f.mnuIP[4]->Visible());
  EXPECT_EQ(f.mnuIP[4]->Caption(), "Office");
  EXPECT_FALSE(f.mnuIP[3]->Visible());
  EXPECT_EQ(f.mnuPX[0]->Caption(), "No proxy");
  // Not in use: hidden and never checked, though its settings would match.
  EXPECT_FALSE(f.mnuPX[1]->Visible());
  EXPECT_EQ(Checked(f.mnuPX), Names({"mnuPX00"}));
  EXPECT_EQ(f.mnuMAC[20]->Caption(), "Spoofed");
}

TEST_F(ContextMenu, AnAmpersandInAProfileNameShowsAsTyped) {
  Store("ShowMenuChange", "1");
  TFormQuonthary& f = Start();
  profiles::ProfileTables t;
  t.ProxyProfiles[2] = {true, "R&D lab", false, "", "", false};
  UseProfiles(t);
  RightClick();
  EXPECT_EQ(ui::StripAccelerator(f.mnuPX[2]->Caption()), "R&D lab");
  EXPECT_EQ(ui::AcceleratorOf(f.mnuPX[2]->Caption()), 0);
}

TEST_F(ContextMenu, IPMarksAreTheAppliedMarksFromLoadAndApplication) {
  Store("Checked5", "1", profiles::kConnectionsKey);
  TFormQuonthary& f = Start();
  EXPECT_EQ(Checked(f.mnuIP), Names({"mnuIP05"}));
  profiles::ProfileTables t = f.Profiles;
  t.IPProfiles[5] = testing_support::OfficeProfile();
  t.IPProfiles[6] = testing_support::OfficeProfile();
  UseProfiles(t);
  AnswerConfirmation(true);
  RecordTimedMessage();
  ui_->ClickMenu(*f.mnuIP[6]);
  ExpectAllAnswered();
  // The same connection: one mark, on the profile put in force last.
  EXPECT_EQ(Checked(f.mnuIP), Names({"mnuIP06"}));
  // The menu opening leaves them.
  RightClick();
  EXPECT_EQ(Checked(f.mnuIP), Names({"mnuIP06"}));
}

TEST_F(ContextMenu, ItemsApplyTheSlotInTheirNameWhateverTheCaption) {
  Store("ShowMenuChange", "1");
  TFormQuonthary& f = Start();
  profiles::ProfileTables t;
  t.ProxyProfiles[3] = {true, "Three", true, "10.0.0.3", "3128", false};
  t.MacProfiles[12] = {true, "Twelve", "NIC", false, "0012", ""};
  t.IPProfiles[17] = testing_support::OfficeProfile();
  t.IPProfiles[17].ProfileName = "Seventeen";
  UseProfiles(t);
  f.mnuPX[3]->SetCaption("Set Proxy 9");
  f.mnuMAC[12]->SetCaption("mnuMAC1");
  std::vector<std::string> asked;
  for (int i = 0; i < 3; ++i)
    AnswerConfirmation(false, [&](TFormMessageChanger& w) {
      asked.push_back(w.Caption() + " / " + w.LabelProfilName.Caption());
    });
  ui_->ClickMenu(*f.mnuPX[3]);
  ui_->ClickMenu(*f.mnuMAC[12]);
  ui_->ClickMenu(*f.mnuIP[17]);
  ExpectAllAnswered();
  EXPECT_EQ(asked, (Names({"Quonthary - Proxy Changer / Three", "Quonthary - MAC Changer / Twelve",
                           "Quonthary - IP Changer / Seventeen"})));
}

// In taskbar mode no modal run disables the gauge: from inside the first change's
// confirmation and result box, the menu, the hot key and the double click start nothing.
TEST_F(ContextMenu, NoSecondProfileChangeStartsWhileTheFirstOnesWindowsAreUp) {
  fake.Desktop.AddTaskbar();
  Store("ShowMenuChange", "1");
  TFormQuonthary& f = Start();
  profiles::ProfileTables t;
  t.ProxyProfiles[0] = {true, "Office", true, "10.0.0.1", "3128", false};
  t.ProxyProfiles[1] = {true, "Home", false, "", "", false};
  UseProfiles(t);
  int tries = 0;
  auto tryAnother = [&] {
    ++tries;
    RightClick();
    EXPECT_FALSE(f.mnuPX[1]->Enabled());
    ui_->ClickMenu(*f.mnuPX[1]);
    f.HandleHotKey(44206);
    ui_->DblClick(f.LabelState);
  };
  AnswerConfirmation(true, [&](TFormMessageChanger&) { tryAnother(); });
  ui_->OnModal([&](ui::TForm& box) {
    tryAnother();
    ui_->Click(dynamic_cast<TFormMsgBox&>(box).ButtonOK);
  });
  fake.Sound.Events.clear();
  ui_->ClickMenu(*f.mnuPX[0]);
  // No second confirmation, no switcher, no error box; only the result box's beep.
  ExpectAllAnswered();
  EXPECT_EQ(tries, 2);
  EXPECT_EQ(fake.Sound.Events, (std::vector<sys::SoundEvent>{sys::SoundEvent::SystemBeep(0)}));
  EXPECT_EQ(UserValue(kInternetSettings, "ProxyServer")->Text, "10.0.0.1:3128");
  EXPECT_TRUE(f.Dialogs.Empty());
  RightClick();
  EXPECT_TRUE(f.mnuPX[1]->Enabled());
}

TEST(ProfileKinds, SlotsComeFromTheTwoDigitsOfTheName) {
  using profiles::SlotFromName;
  EXPECT_EQ(SlotFromName("mnuIP07", 6), 7);
  EXPECT_EQ(SlotFromName("mnuPX20", 6), 20);
  EXPECT_EQ(SlotFromName("mnuMAC12", 7), 12);
  EXPECT_EQ(SlotFromName("btnMAC03", 7), 3);
  // Not a number, or no digits at all: slot 0.
  EXPECT_EQ(SlotFromName("mnuIPxy", 6), 0);
  EXPECT_EQ(SlotFromName("mnuIP-1", 6), 0);
  EXPECT_EQ(SlotFromName("mnuIP", 6), 0);
  EXPECT_EQ(SlotFromName("mnuIP7", 6), 7);
  EXPECT_EQ(profiles::SlotName("btnPX", 5), "btnPX05");
}

// ---- check marks from the system ----

class ProfileMarks : public CommandFixture {
 protected:
  void SetUp() override {
    CommandFixture::SetUp();
    Store("ShowMenuChange", "1");
    Start();
  }
  void Refresh() { Ind().PopupMenuPopup(&Ind().PopupMenu); }
  void Proxies(std::vector<profiles::ProxyProfileRecord> records) {
    profiles::ProfileTables t = Ind().Profiles;
    for (std::size_t i = 0; i < records.size(); ++i) t.ProxyProfiles[i] = records[i];
    UseProfiles(t);
  }
};

TEST_F(ProfileMarks, ProxyServerSplitsAtItsFirstColon) {
  Proxies({{true, "with port", true, "10.0.0.1", "3128", false},
           {true, "no port", true, "10.0.0.1", "", false},
           {true, "same again", true, "10.0.0.1", "3128", false},
           {true, "other port", true, "10.0.0.1", "8080", false},
           {true, "off", false, "10.0.0.1", "3128", false}});
  LiveProxy(1, "10.0.0.1:3128");
  Refresh();
  // Both profiles with this server and port, and the proxy-off one that names them too.
  EXPECT_EQ(Checked(Ind().mnuPX), Names({"mnuPX00", "mnuPX02", "mnuPX04"}));
  LiveProxy(1, "10.0.0.1");
  Refresh();
  EXPECT_EQ(Checked(Ind().mnuPX), Names({"mnuPX01"}));
  // Everything after the first colon is the port.
  LiveProxy(1, "10.0.0.1:3128:1");
  Refresh();
  EXPECT_TRUE(Checked(Ind().mnuPX).empty());
  // Proxy off: the off profile, and a server profile only by its server.
  LiveProxy(0, "10.0.0.1:8080");
  Refresh();
  EXPECT_EQ(Checked(Ind().mnuPX), Names({"mnuPX03", "mnuPX04"}));
}

// A server typed with colons of its own, "host:port" in the server field or the
// per-protocol form, is in force while the registry holds the very text it wrote; the split
// alone would never mark it.
TEST_F(ProfileMarks, AServerWithItsOwnColonsIsInForceByTheTextItWrote) {
  Proxies({{true, "per protocol", true, "http=10.0.0.1:80;https=10.0.0.1:443", "", false},
           {true, "port typed in", true, "10.0.0.1:3128", "", false},
           {true, "split", true, "10.0.0.1", "3128", false},
           {true, "both", true, "http=10.0.0.1:80", "81", false}});
  LiveProxy(1, "http=10.0.0.1:80;https=10.0.0.1:443");
  Refresh();
  EXPECT_EQ(Checked(Ind().mnuPX), Names({"mnuPX00"}));
  LiveProxy(1, "10.0.0.1:3128");
  Refresh();
  EXPECT_EQ(Checked(Ind().mnuPX), Names({"mnuPX01", "mnuPX02"}));
  LiveProxy(1, "http=10.0.0.1:80:81");
  Refresh();
  EXPECT_EQ(Checked(Ind().mnuPX), Names({"mnuPX03"}));
  LiveProxy(1, "http=10.0.0.1:80;https=10.0.0.1:444");
  Refresh();
  EXPECT_TRUE(Checked(Ind().mnuPX).empty());
}

TEST_F(ProfileMarks, TheBypassInForceIsTheOverrideListsWhereThereIsOne) {
  Proxies({{true, "bypass", true, "10.0.0.1", "80", true},
           {true, "no bypass", true, "10.0.0.1", "80", false}});
  LiveProxy(1, "10.0.0.1:80");
  auto bypass = [&](sys::RegistryValue value, const char* path, const char* name) {
    fake.Registry.PutValue(sys::RootKey::CurrentUser, path, name, value);
    Refresh();
    return Checked(Ind().mnuPX);
  };
  EXPECT_EQ(bypass({sys::ValueKind::Dword, "", 1}, testing_support::kZoneMap, "ProxyByPass"),
            Names({"mnuPX00"}));
  EXPECT_EQ(bypass({sys::ValueKind::String, "*.corp", 0}, kInternetSettings, "ProxyOverride"),
            Names({"mnuPX01"}));
  EXPECT_EQ(
      bypass({sys::ValueKind::String, "*.corp <Local>", 0}, kInternetSettings, "ProxyOverride"),
      Names({"mnuPX00"}));
}

TEST_F(ProfileMarks, WithoutTheInternetSettingsKeyTheProxyIsOff) {
  Proxies({{true, "off", false, "", "", false}, {true, "on", true, "", "", false}});
  Refresh();
  // No key: proxy off, no server; a server profile with empty fields matches that too.
  EXPECT_EQ(Checked(Ind().mnuPX), Names({"mnuPX00", "mnuPX01"}));
}

TEST_F(ProfileMarks, AnUnreadableProxyKeepsItsMarksAndTheMacMarksStillFollow) {
  Proxies({{true, "off", false, "", "", false}, {true, "on", true, "10.0.0.1", "80", false}});
  profiles::ProfileTables t = Ind().Profiles;
  t.MacProfiles[2] = {true, "Built-in", "NIC", false, "0002", ""};
  UseProfiles(t);
  AddAdapter("0002", "NIC", std::string("02AABBCCDDEE"));
  LiveProxy(1, "10.0.0.1:80");
  Refresh();
  ASSERT_EQ(Checked(Ind().mnuPX), Names({"mnuPX01"}));
  ASSERT_TRUE(Checked(Ind().mnuMAC).empty());

  // "ProxyEnable" gone: the proxy step gives up; the adapter's address gone too.
  Unset(sys::RootKey::CurrentUser, kInternetSettings, "ProxyEnable");
  Unset(sys::RootKey::LocalMachine, std::string(testing_support::kAdapterClass) + "\\0002",
        "NetworkAddress");
  Refresh();
  EXPECT_EQ(Checked(Ind().mnuPX), Names({"mnuPX01"}));
  EXPECT_EQ(Checked(Ind().mnuMAC), Names({"mnuMAC02"}));

  // A value of the wrong kind gives up the same way.
  fake.Registry.PutValue(sys::RootKey::CurrentUser, kInternetSettings, "ProxyEnable",
                         {sys::ValueKind::String, "0", 0});
  Refresh();
  EXPECT_EQ(Checked(Ind().mnuPX), Names({"mnuPX01"}));
  fake.Registry.PutValue(sys::RootKey::CurrentUser, kInternetSettings, "ProxyEnable",
                         {sys::ValueKind::Dword, "", 0});
  fake.Registry.PutValue(sys::RootKey::CurrentUser, kInternetSettings, "ProxyServer",
                         {sys::ValueKind::Dword, "", 80});
  Refresh();
  EXPECT_EQ(Checked(Ind().mnuPX), Names({"mnuPX01"}));
  // Without a server value the server is empty.
  Unset(sys::RootKey::CurrentUser, kInternetSettings, "ProxyServer");
  Refresh();
  EXPECT_EQ(Checked(Ind().mnuPX), Names({"mnuPX00"}));
}

TEST_F(ProfileMarks, MacProfilesAreInForceWhileTheirAdapterCarriesTheirAddress) {
  profiles::ProfileTables t = Ind().Profiles;
  t.MacProfiles[0] = {true, "Built-in, no value", "NIC A", false, "0000", ""};
  t.MacProfiles[1] = {true, "Built-in, empty value", "NIC B", false, "0001", ""};
  t.MacProfiles[2] = {true, "Spoofed", "NIC C", true, "0002", "02AABBCCDDEE"};
  t.MacProfiles[3] = {true, "Spoofed, other case", "NIC C", true, "0002", "02aabbccddee"};
  t.MacProfiles[4] = {true, "Gone adapter", "NIC", false, "0009", ""};
  t.MacProfiles[5] = {false, "Unused", "NIC A", false, "0000", ""};
  t.MacProfiles[6] = {true, "Built-in on a spoofed card", "NIC C", false, "0002", ""};
  UseProfiles(t);
  AddAdapter("0000", "NIC A");
  AddAdapter("0001", "NIC B", std::string(""));
  AddAdapter("0002", "NIC C", std::string("02AABBCCDDEE"));
  // A subkey that is no network device: no bus type.
  AddAdapter("0009", "Not a device", std::nullopt, false);
  Refresh();
  EXPECT_EQ(Checked(Ind().mnuMAC), Names({"mnuMAC00", "mnuMAC01", "mnuMAC02"}));

  // An adapter whose description is not text stops the listing: the MAC marks stay, the
  // proxy marks still follow.
  Proxies({{true, "off", false, "", "", false}});
  LiveProxy(0, "");
  fake.Registry.PutValue(sys::RootKey::LocalMachine,
                         std::string(testing_support::kAdapterClass) + "\\0001", "DriverDesc",
                         {sys::ValueKind::Dword, "", 1});
  Unset(sys::RootKey::LocalMachine, std::string(testing_support::kAdapterClass) + "\\0002",
        "NetworkAddress");
  Refresh();
  EXPECT_EQ(Checked(Ind().mnuMAC), Names({"mnuMAC00", "mnuMAC01", "mnuMAC02"}));
  EXPECT_EQ(Checked(Ind().mnuPX), Names({"mnuPX00"}));
}

TEST_F(ProfileMarks, TheSettingsDialogFreezesTheMarks) {
  Proxies({{true, "off", false, "", "", false}, {true, "on", true, "10.0.0.1", "80", false}});
  LiveProxy(0, "");
  Refresh();
  ASSERT_EQ(Checked(Ind().mnuPX), Names({"mnuPX00"}));
  TFormMsgBox settings(&ui::Application(), Ind().DialogEnvironment());
  Ind().Dialogs.Opened(dialogs::DialogKind::Settings, settings);
  LiveProxy(1, "10.0.0.1:80");
  ui_->RightClick(Ind().ImageBatt);
  EXPECT_FALSE(Ind().mnuIPChangerDialog.Enabled());
  EXPECT_FALSE(Ind().mnuProxyChanger.Enabled());
  EXPECT_EQ(Checked(Ind().mnuPX), Names({"mnuPX00"}));
  Ind().Dialogs.Closed(settings);
  Refresh();
  EXPECT_EQ(Checked(Ind().mnuPX), Names({"mnuPX01"}));
}

}  // namespace
