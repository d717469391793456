// The profile switcher: one page per opening, its buttons mirroring the menu items, the
// in-force circles and the focus mark, the height following the buttons, applying with a
// second chance after "No", the configure buttons, and never two switchers at once.
#include <filesystem>
#include <string>
#include <vector>

#include "dialogs/FormMsgBox.h"
#include "tests/CommandFixture.h"

namespace {

using profiles::ProfileKind;
using testing_support::CommandFixture;

// ---- the window on its own, with links of the test's making ----

class ChangerWindow : public CommandFixture {
 protected:
  void SetUp() override {
    CommandFixture::SetUp();
    Start();
    // Profiles in slots 2 and 7 only; 7 is in force.
    for (ui::TMenuItem* item : Ind().mnuIP) item->SetVisible(false);
    Item(2).SetVisible(true);
    Item(2).SetCaption("Home");
    Item(7).SetVisible(true);
    Item(7).SetCaption("Office");
    Item(7).SetChecked(true);
    for (ProfileKind k : profiles::kProfileKinds)
      for (std::size_t i = 0; i < 21; ++i)
        links.Items[profiles::KindIndex(k)][i] = Ind().ProfileItems(k)[i];
    links.RefreshMenu = [this] { ++refreshes; };
    links.Apply = [this](ProfileKind kind, int slot) {
      applied.push_back({kind, slot});
      return confirm;
    };
    links.Configure = [this](ProfileKind kind) {
      configured.push_back(kind);
      if (editor) editor();
    };
  }
  ui::TMenuItem& Item(int slot) { return *Ind().mnuIP[std::size_t(slot)]; }
  // Runs a switcher on the IP page; act runs inside its modal run.
  int Run(std::function<void(TFormChanger&)> act) {
    TFormChanger w(&ui::Application(), Ind().DialogEnvironment(), links);
    w.ShowPage(ProfileKind::IP);
    ui_->OnModal([&](ui::TForm&) { act(w); });
    return w.ShowModal();
  }

  TFormChanger::Links links;
  int refreshes = 0;
  bool confirm = false;
  std::vector<std::pair<ProfileKind, int>> applied;
  std::vector<ProfileKind> configured;
  std::function<void()> editor;
};

TEST_F(ChangerWindow, VisibleButtonsStackFromTheTopWithConfigureBelow) {
  Run([&](TFormChanger& w) {
    EXPECT_EQ(VisibleTops(w.btnIP), (std::vector<int>{5, 25}));
    EXPECT_TRUE(w.btnIP[2]->Visible());
    EXPECT_EQ(w.btnIP[2]->Caption(), "Home");
    EXPECT_EQ(w.btnIP[7]->Name(), "btnIP07");
    EXPECT_EQ(w.btnIP[7]->Tag(), 10);
    EXPECT_EQ(w.btnMAC[12]->Tag(), 30);
    EXPECT_EQ(w.btnIP[7]->Left(), 22);
    EXPECT_EQ(w.btnIP[7]->Width(), 288);
    // Directly below the two buttons, and the window shrunk to fit.
    EXPECT_EQ(w.ButtonConfigureIP.Top(), 50);
    EXPECT_EQ(w.ButtonConfigureIP.Parent(), &w.TabSheetIP);
    EXPECT_EQ(w.ClientHeight(), 549 - 380);
    EXPECT_EQ(w.ButtonClose.Top(), 509 - 380);
    EXPECT_EQ(w.Constraints().MinHeight, w.Height());
    EXPECT_EQ(w.Constraints().MaxHeight, w.Height());
    EXPECT_EQ(w.Caption(), "Quonthary Changer");
    w.Close();
  });
  EXPECT_EQ(refreshes, 1);
}

TEST_F(ChangerWindow, ThePresentSettingsSitBetweenTheButtonsAndConfigure) {
  std::vector<std::string> present{"Local Area Connection: 10.0.0.5", "Wireless: DHCP"};
  int reads = 0;
  links.PresentIP = [&] {
    ++reads;
    return present;
  };
  Run([&](TFormChanger& w) {
    EXPECT_TRUE(w.LabelPresent.Visible());
    EXPECT_EQ(w.LabelPresent.Caption(), "In force now:");
    EXPECT_EQ(w.LabelPresentList.Caption(), "Local Area Connection: 10.0.0.5\nWireless: DHCP");
    EXPECT_EQ(w.LabelPresent.Parent(), &w.TabSheetIP);
    // Below the last button, the list whole, the configure button below the list.
    EXPECT_GE(w.LabelPresent.Top(), w.btnIP[7]->Bottom());
    EXPECT_GE(w.LabelPresentList.Top(), w.LabelPresent.Bottom());
    const auto text = ui::CurrentBackend().MeasureText(
        w.LabelPresentList.Font(), w.LabelPresentList.Caption(), w.LabelPresentList.Width());
    EXPECT_GE(w.LabelPresentList.Height(), text.Height);
    EXPECT_GE(w.ButtonConfigureIP.Top(), w.LabelPresentList.Bottom());
    EXPECT_LE(w.ButtonConfigureIP.Top(), w.LabelPresentList.Bottom() + 10);
    EXPECT_LE(w.ButtonConfigureIP.Bottom(), w.TabSheetIP.ClientHeight());
    const int configureTop = w.ButtonConfigureIP.Top();
    // Read again at each show: a connection that changed meanwhile shows its new state.
    present.push_back("VPN: not found");
    ui_->Click(w.ButtonConfigureIP);
    EXPECT_EQ(reads, 2);
    EXPECT_EQ(w.LabelPresentList.Caption(),
              "Local Area Connection: 10.0.0.5\nWireless: DHCP\nVPN: not found");
    EXPECT_GT(w.ButtonConfigureIP.Top(), configureTop);
    // Nothing to tell (no profiles, or the system did not answer): no heading either, and
    // the configure button follows the buttons directly.
    present.clear();
    ui_->Click(w.ButtonConfigureIP);
    EXPECT_FALSE(w.LabelPresent.Visible());
    EXPECT_FALSE(w.LabelPresentList.Visible());
    EXPECT_EQ(w.ButtonConfigureIP.Top(), 50);
    w.Close();
  });
  // Only the IP page has them.
  TFormChanger proxy(&ui::Application(), Ind().DialogEnvironment(), links);
  proxy.ShowPage(ProfileKind::Proxy);
  ui_->OnModal([&](ui::TForm&) {
    EXPECT_FALSE(proxy.LabelPresent.Visible());
    proxy.Close();
  });
  proxy.ShowModal();
  EXPECT_EQ(reads, 3);
}

TEST_F(ChangerWindow, InForceProfilesAreBoldWithOneLimeCircleEachShow) {
  editor = [&] {
    // The editor moved the applied profile to slot 2.
    Item(7).SetChecked(false);
    Item(2).SetChecked(true);
  };
  Run([&](TFormChanger& w) {
    EXPECT_TRUE(w.btnIP[7]->Font().Bold);
    EXPECT_FALSE(w.btnIP[2]->Font().Bold);
    EXPECT_EQ(Circles(w), (std::vector<std::pair<int, int>>{{2, 26}}));
    ui_->Click(w.ButtonConfigureIP);
    EXPECT_EQ(configured, (std::vector<ProfileKind>{ProfileKind::IP}));
    // Shown again: names, visibility and marks follow the edits, and no circle is doubled.
    EXPECT_EQ(refreshes, 2);
    EXPECT_TRUE(w.btnIP[2]->Font().Bold);
    EXPECT_FALSE(w.btnIP[7]->Font().Bold);
    EXPECT_EQ(Circles(w), (std::vector<std::pair<int, int>>{{2, 6}}));
    ui_->Click(w.ButtonConfigureIP);
    EXPECT_EQ(Circles(w).size(), 1u);
    w.Close();
  });
}

TEST_F(ChangerWindow, TheFocusMarkFollowsTheFocusedButton) {
  Run([&](TFormChanger& w) {
    EXPECT_FALSE(w.ShapeSelectedIP.Visible());
    EXPECT_EQ(w.ChosenButton(), nullptr);
    // Nothing chosen yet: a click does nothing.
    w.btnIP00Click(w.btnIP[2]);
    EXPECT_TRUE(applied.empty());
    ui_->Focus(*w.btnIP[7]);
    EXPECT_TRUE(w.ShapeSelectedIP.Visible());
    EXPECT_EQ(w.ShapeSelectedIP.Top(), 25 + 4);
    EXPECT_EQ(w.ChosenButton(), w.btnIP[7]);
    EXPECT_EQ(w.ShapeSelectedIP.Tag(), 1);
    // Painted over the lime circle it sits in.
    EXPECT_EQ(w.TabSheetIP.Controls().back(), &w.ShapeSelectedIP);
    ui_->Focus(*w.btnIP[2]);
    EXPECT_EQ(w.ShapeSelectedIP.Top(), 5 + 4);
    // Something else than a button is not chosen.
    w.btnIP00Enter(&w.ShapeSelectedIP);
    w.btnIP00Enter(nullptr);
    EXPECT_EQ(w.ChosenButton(), w.btnIP[2]);
    w.Close();
  });
}

TEST_F(ChangerWindow, CloseEscapeAndEnterEndWithCancel) {
  EXPECT_EQ(Run([&](TFormChanger& w) { ui_->Click(w.ButtonClose); }), ui::mrCancel);
  EXPECT_EQ(Run([&](TFormChanger& w) { ui_->PressKey(w, ui::VK_Escape); }), ui::mrCancel);
  EXPECT_EQ(Run([&](TFormChanger& w) { ui_->PressKey(w, ui::VK_Return); }), ui::mrCancel);
  // Enter on a profile button presses that button.
  confirm = true;
  EXPECT_EQ(Run([&](TFormChanger& w) {
              ui_->Focus(*w.btnIP[2]);
              ui_->PressKey(w, ui::VK_Return);
            }),
            ui::mrOk);
  EXPECT_EQ(applied, (std::vector<std::pair<ProfileKind, int>>{{ProfileKind::IP, 2}}));
}

// ---- opened by the program ----

class Changer : public CommandFixture {
 protected:
  void SetUp() override {
    CommandFixture::SetUp();
    Start();
  }
  // The page shown and which tabs a user can see.
  static void ExpectOnlyPage(TFormChanger& w, ProfileKind kind) {
    EXPECT_EQ(w.Kind(), kind);
    EXPECT_EQ(w.PageControl.ActivePage(), &w.PageOf(kind));
    for (ProfileKind other : profiles::kProfileKinds)
      EXPECT_EQ(w.PageOf(other).TabVisible(), other == kind) << int(other);
  }
};

TEST_F(Changer, EachOpenerShowsOnlyItsPage) {
  TFormQuonthary& f = Ind();
  struct Opener {
    const char* Name;
    std::function<void()> Open;
    ProfileKind Kind;
  };
  const Opener openers[] = {
      {"IP item", [&] { ui_->ClickMenu(f.mnuIPChangerDialog); }, ProfileKind::IP},
      {"proxy item", [&] { ui_->ClickMenu(f.mnuProxyChangerDialog); }, ProfileKind::Proxy},
      {"MAC item", [&] { ui_->ClickMenu(f.mnuMacChangerDialog); }, ProfileKind::Mac},
      {"Win+Shift+1", [&] { f.HandleHotKey(44205); }, ProfileKind::IP},
      {"Win+Shift+2", [&] { f.HandleHotKey(44206); }, ProfileKind::Proxy},
      {"Win+Shift+3", [&] { f.HandleHotKey(44207); }, ProfileKind::Mac},
      {"double click", [&] { ui_->DblClick(f.ImageBatt); }, ProfileKind::IP},
  };
  for (const Opener& o : openers) {
    SCOPED_TRACE(o.Name);
    OnSwitcher([&](TFormChanger& w) {
      ExpectOnlyPage(w, o.Kind);
      // Run as a dialog: recorded, owned by the application, with a taskbar button.
      EXPECT_EQ(f.FormChanger.get(), &w);
      EXPECT_EQ(w.Owner(), &ui::Application());
      EXPECT_TRUE(f.Dialogs.IsOpen(dialogs::DialogKind::Changer));
      EXPECT_EQ(ui_->AppShowCommand(), ui::SW_Show);
    });
    o.Open();
    EXPECT_EQ(f.FormChanger, nullptr);
    EXPECT_TRUE(f.Dialogs.Empty());
    EXPECT_EQ(ui_->AppShowCommand(), ui::SW_Hide);
  }
  EXPECT_EQ(switcherRuns, 7);
  ExpectAllAnswered();
}

TEST_F(Changer, OneSwitcherAtMost) {
  TFormQuonthary& f = Ind();
  OnSwitcher([&](TFormChanger& w) {
    // Its show refreshed the menu: the commands are off while it is open.
    EXPECT_FALSE(f.mnuIPChangerDialog.Enabled());
    f.HandleHotKey(44206);
    ui_->ClickMenu(f.mnuMacChangerDialog);
    ui_->DblClick(f.ImageBatt);
    f.mnuIPChangerDialogClick(&f.mnuIPChangerDialog);
    EXPECT_EQ(f.FormChanger.get(), &w);
  });
  ui_->ClickMenu(f.mnuIPChangerDialog);
  EXPECT_EQ(switcherRuns, 1);
  ExpectAllAnswered();
  // Closed, the commands are on again.
  EXPECT_TRUE(f.mnuIPChangerDialog.Enabled());
}

TEST_F(Changer, AHotKeyFindsTheCommandStateAsItIsNow) {
  // The enabled state was last set while the about dialog was open; it has closed since.
  TFormQuonthary& f = Ind();
  TFormMsgBox about(&ui::Application(), f.DialogEnvironment());
  f.Dialogs.Opened(dialogs::DialogKind::About, about);
  f.PopupMenuPopup(&f.PopupMenu);
  f.Dialogs.Closed(about);
  OnSwitcher();
  f.HandleHotKey(44205);
  EXPECT_EQ(switcherRuns, 1);

  // And the other way round: opened since the last refresh, it keeps the switcher shut.
  f.Dialogs.Opened(dialogs::DialogKind::About, about);
  f.HandleHotKey(44205);
  EXPECT_EQ(switcherRuns, 1);
  f.Dialogs.Closed(about);
  ExpectAllAnswered();
}

TEST_F(Changer, AppliedFromTheSwitcherAfterADeclineTheProfileIsInForce) {
  profiles::ProfileTables t;
  t.ProxyProfiles[1] = {true, "Direct", false, "", "", false};
  t.ProxyProfiles[4] = {true, "Office proxy", true, "10.0.0.1", "3128", false};
  UseProfiles(t);
  LiveProxy(0, "");
  TFormQuonthary& f = Ind();
  OnSwitcher([&](TFormChanger& w) {
    EXPECT_EQ(VisibleTops(w.btnPX), (std::vector<int>{5, 25}));
    EXPECT_TRUE(w.btnPX[1]->Font().Bold);
    EXPECT_FALSE(w.btnPX[4]->Font().Bold);
    ui_->Focus(*w.btnPX[4]);
    ui_->Click(*w.btnPX[4]);  // answered No
    EXPECT_TRUE(w.Visible());
    ui_->Click(*w.btnPX[4]);  // answered Yes
  });
  AnswerConfirmation(false, [](TFormMessageChanger& c) {
    EXPECT_EQ(c.LabelProfilName.Caption(), "Office proxy");
  });
  AnswerConfirmation(true);
  RecordTimedMessage();
  ui_->ClickMenu(f.mnuProxyChangerDialog);
  ExpectAllAnswered();
  ASSERT_TRUE(shown);
  EXPECT_EQ(shown->Message, "Server Proxy was changed!\nThe proxy settings are in force.");
  EXPECT_EQ(f.FormChanger, nullptr);
  // Refreshed after the run: the menu shows the new profile in force.
  EXPECT_EQ(Checked(f.mnuPX), Names({"mnuPX04"}));
}

TEST_F(Changer, InForceCirclesFollowTheSystemAtEachShow) {
  profiles::ProfileTables t;
  t.ProxyProfiles[0] = {true, "Direct", false, "", "", false};
  t.ProxyProfiles[1] = {true, "Proxy", true, "10.0.0.1", "80", false};
  UseProfiles(t);
  LiveProxy(0, "");
  OnSwitcher([&](TFormChanger& w) {
    EXPECT_EQ(Circles(w), (std::vector<std::pair<int, int>>{{2, 6}}));
    // Another program switches the proxy on; the configure run shows the switcher again.
    LiveProxy(1, "10.0.0.1:80");
    ui_->OnModal([](ui::TForm& editor) { editor.Close(); });
    ui_->Click(w.ButtonConfigureProxy);
    EXPECT_EQ(Circles(w), (std::vector<std::pair<int, int>>{{2, 26}}));
    EXPECT_TRUE(w.btnPX[1]->Font().Bold);
    EXPECT_FALSE(w.btnPX[0]->Font().Bold);
  });
  ui_->ClickMenu(Ind().mnuProxyChangerDialog);
  ExpectAllAnswered();
}

TEST_F(Changer, TheIPPageTellsWhatEachConnectionHasNow) {
  profiles::ProfileTables t;
  t.IPProfiles[0] = testing_support::OfficeProfile();
  t.IPProfiles[3] = {true, "Home", true, "", "", "", "", "", "Local Area Connection", -1, -1};
  t.IPProfiles[5] = {true, "Cafe", true, "", "", "", "", "", "Wireless", -1, -1};
  UseProfiles(t);
  fake.IpHelper.Now = {{"Local Area Connection", true, {{"192.168.1.7", 24}}, {}, {}}};
  OnSwitcher([&](TFormChanger& w) {
    EXPECT_EQ(w.LabelPresentList.Caption(),
              "Local Area Connection: DHCP (192.168.1.7)\nWireless: not found");
  });
  ui_->ClickMenu(Ind().mnuIPChangerDialog);
  // The connection's state is read afresh at the next opening.
  fake.IpHelper.Now.push_back({"Wireless", false, {{"10.1.1.2", 24}}, {}, {}});
  OnSwitcher([&](TFormChanger& w) {
    EXPECT_EQ(w.LabelPresentList.Caption(),
              "Local Area Connection: DHCP (192.168.1.7)\nWireless: 10.1.1.2");
  });
  ui_->ClickMenu(Ind().mnuIPChangerDialog);
  ExpectAllAnswered();
}

TEST_F(Changer, TheSampleLanguageTranslatesTheSwitcher) {
  std::filesystem::copy(std::filesystem::path(Q_SOURCE_DIR) / "resources" / "language",
                        dir.Path() / "language");
  Ind().FormLanguage->SetLanguageFile("Deutsch.lng");
  OnSwitcher([](TFormChanger& w) {
    EXPECT_EQ(w.TabSheetMAC.Caption(), "MAC-Adresse");
    EXPECT_EQ(w.ButtonConfigureMac.Caption(), "&Einrichten");
    EXPECT_EQ(w.ButtonClose.Caption(),
              "Schlie\xDF"
              "en");                              // Windows-1252, as the file is
    EXPECT_EQ(w.Caption(), "Quonthary Changer");  // window captions keep their design
  });
  ui_->ClickMenu(Ind().mnuMacChangerDialog);
  ExpectAllAnswered();
}

}  // namespace
