// The confirmation window as the three kinds of profile application fill it, and its layout.
#include <fstream>

#include "i18n/Translate.h"
#include "tests/ProfileFixture.h"

namespace {

using testing_support::ProfileFixture;

class ConfirmationWindow : public ProfileFixture {
 protected:
  void SetUp() override {
    ProfileFixture::SetUp();
    Start();
    auto& t = Ind().Profiles;
    t.IPProfiles[0] = testing_support::OfficeProfile();
    t.IPProfiles[1] = {true, "Home", true, "", "", "", "", "", "WLAN", -1, -1};
    t.ProxyProfiles[2] = {true, "Company proxy", true, "192.168.0.1", "8080", true};
    t.ProxyProfiles[3] = {true, "No proxy", false, "192.168.0.1", "8080", false};
    t.ProxyProfiles[4] = {true, "Portless", true, "proxy.local", "", false};
    t.MacProfiles[6] = {true, "Spoofed", "Fast Ethernet", true, "0001", "00AABBCCDDEE"};
    t.MacProfiles[7] = {true, "Built-in", "Fast Ethernet", false, "0001", "00AABBCCDDEE"};
    AddAdapter("0001", "Fast Ethernet");
  }
  // Looks at the window, declines, and checks that declining changed nothing.
  void Inspect(bool (TFormQuonthary::*apply)(int), int slot,
               std::function<void(TFormMessageChanger&)> look) {
    AnswerConfirmation(false, std::move(look));
    EXPECT_FALSE((Ind().*apply)(slot));
    ExpectAllAnswered();
  }
};

TEST_F(ConfirmationWindow, StaticIPProfileWithLinkedProxyAndMac) {
  Ind().Profiles.IPProfiles[0].ProxyProfile = 2;
  Ind().Profiles.IPProfiles[0].MacProfile = 6;
  Inspect(&TFormQuonthary::ApplyIPProfile, 0, [&](TFormMessageChanger& w) {
    EXPECT_EQ(w.Caption(), "Quonthary - IP Changer");
    EXPECT_EQ(w.LabelProfilName.Caption(), "Office");
    EXPECT_EQ(w.LabelConName.Caption(), "Local Area Connection");
    EXPECT_EQ(w.LabelIP.Caption(), "10.0.0.5");
    EXPECT_EQ(w.LabelMask.Caption(), "255.255.255.0");
    EXPECT_EQ(w.LabelGate.Caption(), "10.0.0.1");
    EXPECT_EQ(w.LabelDns1.Caption(), "10.0.0.2");
    EXPECT_EQ(w.LabelDns2.Caption(), "10.0.0.3");
    EXPECT_TRUE(w.LabelMask.Visible());
    EXPECT_TRUE(w.LabelDns1.Visible());

    EXPECT_EQ(w.LabelProxyName.Caption(), "Company proxy");
    EXPECT_EQ(w.LabelProxyIP.Caption(), "192.168.0.1");
    EXPECT_EQ(w.LabelProxyPort.Caption(), "8080");
    EXPECT_TRUE(w.Label13.Visible());
    EXPECT_TRUE(w.Label14.Visible());
    EXPECT_TRUE(w.LabelProxyBypass.Visible());
    EXPECT_EQ(w.Label14.Left(), w.LabelProxyIP.Right() + 3);
    EXPECT_EQ(w.LabelProxyPort.Left(), w.Label14.Right() + 3);

    EXPECT_EQ(w.LabelMacName.Caption(), "Spoofed");
    EXPECT_EQ(w.LabelAdapterName.Caption(), "Fast Ethernet");
    EXPECT_EQ(w.LabelMAC.Caption(), "00AABBCCDDEE");

    // Stacked without gaps: 45 + 76 + 9 = 130, + 61 + 9 = 200, + 81 + 9 = 290.
    EXPECT_EQ(w.PanelIP.Top(), 45);
    EXPECT_EQ(w.PanelIP.Height(), 76);
    EXPECT_EQ(w.PanelProxy.Top(), 130);
    EXPECT_EQ(w.PanelProxy.Height(), 61);
    EXPECT_EQ(w.PanelMac.Top(), 200);
    EXPECT_EQ(w.Height(), 290 + 115);
    // The question and the buttons stay at the bottom of the shortened window.
    EXPECT_EQ(w.Panel1.Bottom(), w.ClientHeight());
    EXPECT_GT(w.Label24.Top(), w.PanelMac.Bottom());
    EXPECT_LT(w.Label24.Bottom(), w.Panel1.Top());
  });
}

TEST_F(ConfirmationWindow, DhcpProfileWithoutLinksIsOneShortPanel) {
  Inspect(&TFormQuonthary::ApplyIPProfile, 1, [&](TFormMessageChanger& w) {
    EXPECT_EQ(w.LabelConName.Caption(), "WLAN");
    EXPECT_EQ(w.LabelIP.Caption(), "DHCP");
    EXPECT_TRUE(w.PanelIP.Visible());
    EXPECT_FALSE(w.PanelProxy.Visible());
    EXPECT_FALSE(w.PanelMac.Visible());
    EXPECT_EQ(w.PanelIP.Top(), 45);
    EXPECT_EQ(w.PanelIP.Height(), 46);
    for (ui::TLabel* hidden : {&w.Label3, &w.LabelMask, &w.Label5, &w.LabelDns1})
      EXPECT_FALSE(hidden->Visible()) << hidden->Name();
    // Only the connection name and the "IP: DHCP" row lie inside the panel.
    EXPECT_LE(w.LabelIP.Bottom(), 46);
    EXPECT_GE(w.LabelGate.Top(), 46);
    EXPECT_GE(w.LabelDns2.Top(), 46);
    EXPECT_EQ(w.Height(), 45 + 46 + 9 + 115);
    EXPECT_EQ(w.Constraints().MinHeight, 215);
    EXPECT_EQ(w.Constraints().MaxHeight, 215);
    EXPECT_EQ(w.Constraints().MinWidth, w.Width());
    EXPECT_EQ(w.Constraints().MaxWidth, w.Width());
  });
}

TEST_F(ConfirmationWindow, LinkedProxyOffAndDefaultMac) {
  Ind().Profiles.IPProfiles[0].ProxyProfile = 3;
  Ind().Profiles.IPProfiles[0].MacProfile = 7;
  Inspect(&TFormQuonthary::ApplyIPProfile, 0, [&](TFormMessageChanger& w) {
    EXPECT_EQ(w.LabelProxyIP.Caption(), "Don't use proxy server");
    EXPECT_TRUE(w.LabelProxyIP.Visible());
    EXPECT_FALSE(w.Label13.Visible());  // no "Proxy IP:"
    EXPECT_FALSE(w.Label14.Visible());  // no colon
    EXPECT_FALSE(w.LabelProxyPort.Visible());
    EXPECT_FALSE(w.LabelProxyBypass.Visible());
    EXPECT_EQ(w.PanelProxy.Height(), 46);
    EXPECT_EQ(w.LabelMAC.Caption(), "Default");
  });
}

TEST_F(ConfirmationWindow, LinkToAnUnusedSlotShowsNoPanel) {
  Ind().Profiles.IPProfiles[0].ProxyProfile = 5;
  Ind().Profiles.IPProfiles[0].MacProfile = 8;
  Inspect(&TFormQuonthary::ApplyIPProfile, 0, [&](TFormMessageChanger& w) {
    EXPECT_FALSE(w.PanelProxy.Visible());
    EXPECT_FALSE(w.PanelMac.Visible());
    EXPECT_EQ(w.Height(), 45 + 76 + 9 + 115);
  });
}

TEST_F(ConfirmationWindow, ProxyProfileAloneMovesUpAndHidesAnEmptyPort) {
  Inspect(&TFormQuonthary::ApplyProxyProfile, 4, [&](TFormMessageChanger& w) {
    EXPECT_EQ(w.Caption(), "Quonthary - Proxy Changer");
    EXPECT_EQ(w.LabelProfilName.Caption(), "Portless");
    EXPECT_EQ(w.LabelProxyName.Caption(), "");
    EXPECT_FALSE(w.PanelIP.Visible());
    EXPECT_FALSE(w.PanelMac.Visible());
    EXPECT_EQ(w.PanelProxy.Top(), 45);
    EXPECT_EQ(w.LabelProxyIP.Caption(), "proxy.local");
    EXPECT_TRUE(w.Label13.Visible());
    EXPECT_FALSE(w.Label14.Visible());
    EXPECT_FALSE(w.LabelProxyPort.Visible());
    EXPECT_EQ(w.Height(), 45 + 46 + 9 + 115);
  });
}

TEST_F(ConfirmationWindow, ServerNameBeginningWithDKeepsCaptionAndPort) {
  Ind().Profiles.ProxyProfiles[4] = {true, "DSL", true, "DSL-gateway", "3128", false};
  Inspect(&TFormQuonthary::ApplyProxyProfile, 4, [&](TFormMessageChanger& w) {
    EXPECT_TRUE(w.Label13.Visible());
    EXPECT_TRUE(w.Label14.Visible());
    EXPECT_TRUE(w.LabelProxyPort.Visible());
    EXPECT_EQ(w.LabelProxyPort.Caption(), "3128");
  });
}

TEST_F(ConfirmationWindow, MacProfileAloneShowsTheDefaultAddressText) {
  Inspect(&TFormQuonthary::ApplyMacProfile, 7, [&](TFormMessageChanger& w) {
    EXPECT_EQ(w.Caption(), "Quonthary - MAC Changer");
    EXPECT_EQ(w.LabelProfilName.Caption(), "Built-in");
    EXPECT_EQ(w.LabelMacName.Caption(), "");
    EXPECT_EQ(w.LabelAdapterName.Caption(), "Fast Ethernet");
    EXPECT_EQ(w.LabelMAC.Caption(), "Use default MAC Address");
    EXPECT_EQ(w.PanelMac.Top(), 45);
    EXPECT_FALSE(w.PanelProxy.Visible());
    EXPECT_EQ(w.Height(), 45 + 81 + 9 + 115);
  });
}

TEST_F(ConfirmationWindow, AnswersAndTheTaskbarButton) {
  int escape = 0, closed = 0;
  bool shownMeanwhile = false, recordedMeanwhile = false;
  ui_->OnModal([&](ui::TForm& form) {
    shownMeanwhile = ui_->AppShowCommand() == ui::SW_Show;
    recordedMeanwhile = Ind().FormMessageChanger.get() == &form;
    ui_->PressKey(form, ui::VK_Escape);
    escape = form.ModalResult();
  });
  EXPECT_FALSE(Ind().ApplyProxyProfile(2));
  EXPECT_EQ(escape, ui::mrNo);
  EXPECT_TRUE(shownMeanwhile);
  EXPECT_TRUE(recordedMeanwhile);
  EXPECT_EQ(ui_->AppShowCommand(), ui::SW_Hide);
  EXPECT_EQ(Ind().FormMessageChanger, nullptr);

  ui_->OnModal([&](ui::TForm& form) {
    ui_->CloseByUser(form);
    closed = form.ModalResult();
  });
  EXPECT_FALSE(Ind().ApplyMacProfile(6));
  EXPECT_EQ(closed, ui::mrCancel);

  int yes = 0;
  ui_->OnModal([&](ui::TForm& form) {
    ui_->PressKey(form, ui::VK_Return);  // Yes is the default button
    yes = form.ModalResult();
  });
  RecordTimedMessage();
  EXPECT_TRUE(Ind().ApplyProxyProfile(2));
  EXPECT_EQ(yes, ui::mrYes);
  ExpectAllAnswered();
  // The indicator came to the front before and after the window was made.
  ASSERT_GE(fake.Desktop.SetForegroundCalls.size(), 2u);
  EXPECT_EQ(fake.Desktop.SetForegroundCalls[0], Ind().Handle());
  EXPECT_EQ(fake.Desktop.SetForegroundCalls[1], Ind().Handle());
}

TEST_F(ConfirmationWindow, DesignAndCreationValues) {
  TFormMessageChanger w(&ui::Application(), Ind().DialogEnvironment());
  EXPECT_EQ(w.Caption(), "Quonthary - ");
  EXPECT_EQ(w.ClientWidth(), 368);
  EXPECT_EQ(w.ClientHeight(), 484);
  EXPECT_EQ(w.BorderStyle(), ui::TBorderStyle::Sizeable);
  EXPECT_EQ(w.BorderIcons(), ui::biSystemMenu);
  EXPECT_EQ(w.ImageDesc.SystemIcon(), ui::IDI_Question);
  EXPECT_EQ(w.LabelConName.Caption(), "Local Area Connection");
  for (ui::TLabel* l : {&w.LabelProfilName, &w.LabelIP, &w.LabelMask, &w.LabelGate, &w.LabelDns1,
                        &w.LabelDns2, &w.LabelProxyName, &w.LabelProxyIP, &w.LabelProxyPort,
                        &w.LabelMacName, &w.LabelAdapterName, &w.LabelMAC})
    EXPECT_EQ(l->Caption(), "") << l->Name();
  // The profile's own texts (a connection named "R&D") show every "&" as it is.
  for (ui::TLabel* l : {&w.LabelProfilName, &w.LabelConName, &w.LabelProxyIP, &w.LabelAdapterName})
    EXPECT_FALSE(l->ShowAccelChar()) << l->Name();
  EXPECT_TRUE(w.Label2.ShowAccelChar());
  EXPECT_FALSE(w.Label1.Visible());
  EXPECT_FALSE(w.PanelIP.Visible());
  EXPECT_FALSE(w.PanelProxy.Visible());
  EXPECT_FALSE(w.PanelMac.Visible());
  EXPECT_FALSE(w.LabelProxyBypass.Visible());
  EXPECT_EQ(w.LabelProfilName.Width(), 301);
  EXPECT_EQ(w.LabelProfilName.Font().Color, ui::clWhite);
  EXPECT_TRUE(w.LabelProfilName.Font().Bold);
  EXPECT_EQ(w.LabelProfilName.Color(), ui::clGray);
  EXPECT_TRUE(w.LabelConName.Font().Underline);
  EXPECT_EQ(w.LabelConName.Font().Color, ui::clGreen);
  EXPECT_EQ(w.Label8.Font().Color, ui::clRed);
  // Fixed boxes: the red note wraps inside the panel, the question is centred on its width.
  EXPECT_EQ(w.Label8.Width(), 285);
  EXPECT_TRUE(w.Label8.WordWrap());
  EXPECT_EQ(w.Label8.Bottom(), 79);
  EXPECT_EQ(w.Label24.Width(), 301);
  // The names of linked profiles end at the panel's right margin whatever their length.
  w.LabelProxyName.SetCaption("A rather long proxy profile name");
  EXPECT_EQ(w.LabelProxyName.Right(), 293);
  EXPECT_EQ(w.LabelMacName.Right(), 293);
  EXPECT_EQ(w.Label24.Alignment(), ui::TAlignment::Center);
  EXPECT_TRUE(w.Button1.Default());
  EXPECT_TRUE(w.Button2.Cancel());
  EXPECT_EQ(w.Button1.ModalResult(), ui::mrYes);
  EXPECT_EQ(w.Button2.ModalResult(), ui::mrNo);
}

TEST_F(ConfirmationWindow, TranslatesItselfWhenShown) {
  std::filesystem::create_directories(dir.Path() / "language");
  std::ofstream(dir.Path() / "language" / "test.lng")
      << "[FormMessageChanger]\r\nButton1_Cpt=Ja\r\nLabel24_Cpt=Profil verwenden?\r\n";
  Ind().FormLanguage->SetLanguageFile("test.lng");
  Inspect(&TFormQuonthary::ApplyProxyProfile, 2, [&](TFormMessageChanger& w) {
    EXPECT_EQ(w.Button1.Caption(), "Ja");
    EXPECT_EQ(w.Label24.Caption(), "Profil verwenden?");
  });
}

}  // namespace
