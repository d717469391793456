// The proxy editor, and through it the editor pattern the three editors share: selector
// rows, loading, the changed state, the unsaved-change question, Save, Delete, Close,
// reordering; and the import of the proxy settings in force.
#include "tests/EditorFixture.h"

namespace {

using testing_support::EditorFixture;

class ProxyEditor : public EditorFixture {
 protected:
  void SetUp() override {
    EditorFixture::SetUp();
    Ind().Profiles.ProxyProfiles[0] = {true, "Office", true, "10.0.0.1", "3128", true};
    Ind().Profiles.ProxyProfiles[3] = {true, "Home", false, "192.168.0.1", "", false};
  }
  const profiles::ProxyProfileRecord& Proxy(int slot) {
    return Ind().Profiles.ProxyProfiles[std::size_t(slot)];
  }
  void PutInternet(const std::string& path, const std::string& name, sys::RegistryValue value) {
    fake.Registry.PutValue(sys::RootKey::CurrentUser, path, name, value);
  }
  static sys::RegistryValue Dword(std::uint32_t v) { return {sys::ValueKind::Dword, "", v}; }
  static sys::RegistryValue Text(const std::string& t) { return {sys::ValueKind::String, t, 0}; }
};

TEST_F(ProxyEditor, ShowsTheSlotRowsAndTheFirstSlot) {
  EditProxy([&](TFormProxy& e) {
    EXPECT_EQ(e.Caption(), "Proxy Server Changer");
    const auto& rows = e.ComboBoxProfNo.Items();
    ASSERT_EQ(rows.size(), 21u);
    EXPECT_EQ(rows[0], "00 - Office");
    EXPECT_EQ(rows[3], "03 - Home");
    EXPECT_EQ(rows[9], "09 - [empty]");
    EXPECT_EQ(rows[20], "20 - [empty]");
    EXPECT_EQ(e.ComboBoxProfNo.DropDownCount(), 21);
    EXPECT_EQ(e.EditProfName.Text(), "Office");
    EXPECT_TRUE(e.CheckBoxUseProxy.Checked());
    EXPECT_EQ(e.EditProxyIP.Text(), "10.0.0.1");
    EXPECT_EQ(e.EditProxyPort.Text(), "3128");
    EXPECT_TRUE(e.CheckBoxProxyBypass.Checked());
    EXPECT_FALSE(e.ButtonSave.Enabled());
    EXPECT_FALSE(e.LabelChanged.Visible());
    EXPECT_TRUE(e.ButtonDelete.Enabled());
    EXPECT_FALSE(e.LabelDontUsed.Visible());
    // The size is pinned when shown.
    EXPECT_EQ(e.Constraints().MinWidth, e.Width());
    EXPECT_EQ(e.Constraints().MaxHeight, e.Height());
  });
  ExpectAllAnswered();
}

TEST_F(ProxyEditor, AFreeSlotShowsTheDefaultsAndANameEnablesSave) {
  EditProxy([&](TFormProxy& e) {
    Select(e.ComboBoxProfNo, 5);
    EXPECT_EQ(e.EditProfName.Text(), "");
    EXPECT_FALSE(e.CheckBoxUseProxy.Checked());
    EXPECT_EQ(e.EditProxyIP.Text(), "0.0.0.0");
    EXPECT_EQ(e.EditProxyPort.Text(), "8080");
    EXPECT_TRUE(e.LabelDontUsed.Visible());
    EXPECT_FALSE(e.ButtonDelete.Enabled());

    // Without a name nothing counts as a change.
    Click(e.CheckBoxUseProxy);
    Retype(e.EditProxyIP, "127.0.0.1");
    EXPECT_FALSE(e.ButtonSave.Enabled());
    ui_->Type(e.EditProfName, "Lab");
    EXPECT_TRUE(e.ButtonSave.Enabled());
    EXPECT_TRUE(e.LabelChanged.Visible());
    Retype(e.EditProfName, "");
    EXPECT_FALSE(e.ButtonSave.Enabled());
    EXPECT_FALSE(e.LabelChanged.Visible());
  });
  ExpectAllAnswered();
}

TEST_F(ProxyEditor, SaveStoresTheSlotAndCloseSavesAllSettings) {
  const int beeps = Beeps();
  EditProxy([&](TFormProxy& e) {
    Select(e.ComboBoxProfNo, 7);
    ui_->Type(e.EditProfName, "Lab");
    Click(e.CheckBoxUseProxy);
    Retype(e.EditProxyIP, " proxy.lab ");
    Retype(e.EditProxyPort, "");
    Click(e.ButtonSave);
    EXPECT_EQ(e.ComboBoxProfNo.Items()[7], "07 - Lab");
    EXPECT_EQ(e.ComboBoxProfNo.ItemIndex(), 7);
    EXPECT_FALSE(e.ButtonSave.Enabled());
    EXPECT_FALSE(e.LabelDontUsed.Visible());
    EXPECT_TRUE(e.ButtonDelete.Enabled());
  });
  EXPECT_EQ(Beeps(), beeps + 1);
  const auto& p = Proxy(7);
  EXPECT_TRUE(p.Used);
  EXPECT_EQ(p.ProfileName, "Lab");
  EXPECT_TRUE(p.UseProxyServer);
  EXPECT_EQ(p.ProxyServer, " proxy.lab ");  // as typed
  EXPECT_EQ(p.ProxyServerPort, "");
  EXPECT_FALSE(p.BypassProxyLCon);
  EXPECT_EQ(Stored("ProfileName", "\\Software\\Quonthary\\ProxyChanger7"), "Lab");
  EXPECT_EQ(Stored("Used", "\\Software\\Quonthary\\ProxyChanger7"), "1");
  EXPECT_EQ(Ind().FormProxy, nullptr);
  EXPECT_TRUE(Ind().Dialogs.Empty());
  ExpectAllAnswered();
}

TEST_F(ProxyEditor, CancelKeepsTheChangedSlotAndItsEdits) {
  EditProxy([&](TFormProxy& e) {
    Retype(e.EditProxyPort, "8000");
    Answer(ui::ID_Cancel);
    Select(e.ComboBoxProfNo, 3);
    EXPECT_EQ(LastBox().Text, "Profil has been changed. Do You want to save this profile?");
    EXPECT_EQ(LastBox().Caption, "Proxy Changer");
    EXPECT_EQ(LastBox().Flags, 35u);
    EXPECT_EQ(e.ComboBoxProfNo.ItemIndex(), 0);
    EXPECT_EQ(e.EditProxyPort.Text(), "8000");
    EXPECT_TRUE(e.ButtonSave.Enabled());
    // Closing asks too; No drops the edits.
    Answer(ui::ID_No);
  });
  EXPECT_EQ(Proxy(0).ProxyServerPort, "3128");
  EXPECT_EQ(ui_->MessageBoxes().size(), 2u);
  ExpectAllAnswered();
}

TEST_F(ProxyEditor, YesSavesIntoThePreviouslyShownSlot) {
  EditProxy([&](TFormProxy& e) {
    Retype(e.EditProfName, "Office 2");
    Answer(ui::ID_Yes);
    Select(e.ComboBoxProfNo, 5);
    EXPECT_EQ(e.ComboBoxProfNo.ItemIndex(), 5);
    EXPECT_EQ(e.ComboBoxProfNo.Items()[0], "00 - Office 2");
    EXPECT_EQ(e.EditProfName.Text(), "");
    EXPECT_FALSE(e.ButtonSave.Enabled());
  });
  EXPECT_EQ(Proxy(0).ProfileName, "Office 2");
  EXPECT_FALSE(Proxy(5).Used);
  ExpectAllAnswered();
}

TEST_F(ProxyEditor, NoDropsTheEdits) {
  EditProxy([&](TFormProxy& e) {
    Retype(e.EditProfName, "Renamed");
    Answer(ui::ID_No);
    Select(e.ComboBoxProfNo, 3);
    EXPECT_EQ(e.EditProfName.Text(), "Home");
    Select(e.ComboBoxProfNo, 0);
    EXPECT_EQ(e.EditProfName.Text(), "Office");
  });
  EXPECT_EQ(Proxy(0).ProfileName, "Office");
  ExpectAllAnswered();
}

TEST_F(ProxyEditor, DeleteClearsUsedOnlyAndShowsTheFreeValues) {
  EditProxy([&](TFormProxy& e) {
    Select(e.ComboBoxProfNo, 3);
    Answer(ui::ID_No);
    Click(e.ButtonDelete);
    EXPECT_TRUE(Proxy(3).Used);
    Answer(ui::ID_Yes);
    Click(e.ButtonDelete);
    EXPECT_EQ(LastBox().Text, "Would you like to delete?");
    EXPECT_EQ(LastBox().Caption, "Quonthary");
    EXPECT_EQ(LastBox().Flags, 36u);
    EXPECT_EQ(e.ComboBoxProfNo.Items()[3], "03 - [empty]");
    EXPECT_EQ(e.EditProfName.Text(), "");
    EXPECT_EQ(e.EditProxyIP.Text(), "0.0.0.0");
    EXPECT_EQ(e.EditProxyPort.Text(), "8080");
    EXPECT_FALSE(e.ButtonDelete.Enabled());
    EXPECT_TRUE(e.LabelDontUsed.Visible());
  });
  EXPECT_FALSE(Proxy(3).Used);
  EXPECT_EQ(Proxy(3).ProfileName, "Home");
  EXPECT_EQ(Proxy(3).ProxyServer, "192.168.0.1");
  EXPECT_EQ(Stored("Used", "\\Software\\Quonthary\\ProxyChanger3"), "0");
  EXPECT_EQ(Stored("ProfileName", "\\Software\\Quonthary\\ProxyChanger3"), "Home");
  ExpectAllAnswered();
}

TEST_F(ProxyEditor, EscapeAndCloseAskAndTheTitleBarDoesNot) {
  EditProxy([&](TFormProxy& e) {
    Retype(e.EditProfName, "Changed");
    Answer(ui::ID_Cancel);
    ui_->PressKey(e, ui::VK_Escape);
    EXPECT_EQ(e.ModalResult(), ui::mrNone);
    Answer(ui::ID_No);
    ui_->PressKey(e, ui::VK_Escape);
    EXPECT_EQ(e.ModalResult(), ui::mrOk);
  });
  EXPECT_EQ(ui_->MessageBoxes().size(), 2u);
  ui_->ClearMessageBoxes();
  OnWindow<TFormProxy>([&](TFormProxy& e) {
    Retype(e.EditProfName, "Changed again");
    ui_->CloseByUser(e);
  });
  Ind().mnuProxyClick(nullptr);
  EXPECT_TRUE(ui_->MessageBoxes().empty());
  EXPECT_EQ(Proxy(0).ProfileName, "Office");
  ExpectAllAnswered();
}

TEST_F(ProxyEditor, ImportsTheSettingsInForce) {
  using testing_support::kInternetSettings;
  using testing_support::kZoneMap;
  PutInternet(kInternetSettings, "ProxyEnable", Dword(0));
  PutInternet(kInternetSettings, "ProxyServer", Text("cache.example:8080"));
  PutInternet(kZoneMap, "ProxyByPass", Dword(1));
  EditProxy([&](TFormProxy& e) {
    Click(e.Button4);
    EXPECT_FALSE(e.CheckBoxUseProxy.Checked());
    EXPECT_EQ(e.EditProxyIP.Text(), "cache.example");
    EXPECT_EQ(e.EditProxyPort.Text(), "8080");
    EXPECT_TRUE(e.CheckBoxProxyBypass.Checked());
    EXPECT_TRUE(e.ButtonSave.Enabled());  // the profile has a name

    // Everything after the first colon is the port.
    PutInternet(kInternetSettings, "ProxyEnable", Dword(1));
    PutInternet(kInternetSettings, "ProxyServer", Text("10.0.0.1:80:81"));
    Click(e.Button4);
    EXPECT_TRUE(e.CheckBoxUseProxy.Checked());
    EXPECT_EQ(e.EditProxyIP.Text(), "10.0.0.1");
    EXPECT_EQ(e.EditProxyPort.Text(), "80:81");
    PutInternet(kInternetSettings, "ProxyServer", Text("http=a.example:3128;https=b.example:443"));
    Click(e.Button4);
    EXPECT_EQ(e.EditProxyIP.Text(), "http=a.example");
    EXPECT_EQ(e.EditProxyPort.Text(), "3128;https=b.example:443");
    PutInternet(kInternetSettings, "ProxyServer", Text("portless"));
    Click(e.Button4);
    EXPECT_EQ(e.EditProxyIP.Text(), "portless");
    EXPECT_EQ(e.EditProxyPort.Text(), "");
    // The bypass browsers honour, where the override list is there.
    PutInternet(kInternetSettings, "ProxyOverride", Text("*.corp"));
    Click(e.Button4);
    EXPECT_FALSE(e.CheckBoxProxyBypass.Checked());
    Answer(ui::ID_No);
  });
  // Nothing is saved without Save.
  EXPECT_EQ(Proxy(0).ProxyServer, "10.0.0.1");
  ExpectAllAnswered();
}

TEST_F(ProxyEditor, AValueThatCannotBeReadStopsTheImportThere) {
  using testing_support::kInternetSettings;
  using testing_support::kZoneMap;
  PutInternet(kInternetSettings, "ProxyServer", Text("first:1"));
  EditProxy([&](TFormProxy& e) {
    // The key is there, the enable value is not: nothing is filled.
    Answer(ui::ID_Ok);
    Click(e.Button4);
    EXPECT_EQ(LastBox().Text, "Failed to get data for 'ProxyEnable'");
    EXPECT_EQ(LastBox().Flags, unsigned(ui::MB_Ok | ui::MB_IconError));
    EXPECT_EQ(e.EditProxyIP.Text(), "10.0.0.1");

    // A bypass value of the wrong type: the first two steps stand.
    PutInternet(kInternetSettings, "ProxyEnable", Dword(0));
    PutInternet(kZoneMap, "ProxyByPass", Text("1"));
    Answer(ui::ID_Ok);
    Click(e.Button4);
    EXPECT_EQ(LastBox().Text, "Invalid data type for 'ProxyByPass'");
    EXPECT_FALSE(e.CheckBoxUseProxy.Checked());
    EXPECT_EQ(e.EditProxyIP.Text(), "first");
    EXPECT_TRUE(e.CheckBoxProxyBypass.Checked());  // unchanged
    Answer(ui::ID_No);
  });
  ExpectAllAnswered();
}

TEST_F(ProxyEditor, KeysThatCannotBeOpenedReadAsOffAndEmpty) {
  EditProxy([&](TFormProxy& e) {
    Click(e.Button4);
    EXPECT_FALSE(e.CheckBoxUseProxy.Checked());
    EXPECT_EQ(e.EditProxyIP.Text(), "");
    EXPECT_EQ(e.EditProxyPort.Text(), "");
    EXPECT_FALSE(e.CheckBoxProxyBypass.Checked());
    Answer(ui::ID_No);
  });
  ExpectAllAnswered();
}

TEST_F(ProxyEditor, ReorderingRelinksTheIPProfilesAndTheSelectionFollows) {
  auto& t = Ind().Profiles;
  t.ProxyProfiles[5] = {true, "Five", true, "5.5.5.5", "5", false};
  t.IPProfiles[0] = testing_support::OfficeProfile(5);
  t.IPProfiles[1] = testing_support::OfficeProfile(-1);
  t.IPProfiles[2] = testing_support::OfficeProfile(3);
  t.IPProfiles[3] = testing_support::OfficeProfile(0);
  const auto before = t;
  EditProxy([&](TFormProxy& e) {
    Select(e.ComboBoxProfNo, 5);
    Reorder({{5, 2}});
    Click(e.ButtonProfOrder);
    EXPECT_EQ(e.ComboBoxProfNo.ItemIndex(), 2);
    EXPECT_EQ(e.EditProfName.Text(), "Five");
    EXPECT_EQ(e.ComboBoxProfNo.Items()[4], "04 - Home");
  });
  // Former 5 is now 2; 2-4 moved down by one; the rest stays.
  EXPECT_EQ(Proxy(2).ProfileName, "Five");
  EXPECT_EQ(Proxy(4).ProfileName, "Home");
  EXPECT_EQ(Proxy(0).ProfileName, "Office");
  EXPECT_FALSE(Proxy(5).Used);
  EXPECT_EQ(t.IPProfiles[0].ProxyProfile, 2);
  EXPECT_EQ(t.IPProfiles[1].ProxyProfile, -1);
  EXPECT_EQ(t.IPProfiles[2].ProxyProfile, 4);
  EXPECT_EQ(t.IPProfiles[3].ProxyProfile, 0);
  EXPECT_EQ(t.IPProfiles[4].ProxyProfile, before.IPProfiles[4].ProxyProfile);
  EXPECT_EQ(Stored("ProxyProfile", "\\Software\\Quonthary\\IPChanger0"), "2");
  ExpectAllAnswered();
}

TEST_F(ProxyEditor, ReorderingAfterNoDoesNotAskAgain) {
  // No drops the edits; the reordered slot then holds another profile, which a second
  // question would offer to overwrite with them.
  EditProxy([&](TFormProxy& e) {
    Retype(e.EditProfName, "Edited");
    Answer(ui::ID_No);
    Reorder({{0, 1}});
    Click(e.ButtonProfOrder);
    EXPECT_EQ(e.ComboBoxProfNo.ItemIndex(), 1);
    EXPECT_EQ(e.EditProfName.Text(), "Office");
    EXPECT_FALSE(e.ButtonSave.Enabled());
  });
  EXPECT_EQ(ui_->MessageBoxes().size(), 1u);
  EXPECT_EQ(Proxy(1).ProfileName, "Office");
  EXPECT_FALSE(Proxy(0).Used);
  ExpectAllAnswered();
}

TEST_F(ProxyEditor, CancelInTheOrderDialogChangesNothing) {
  const auto before = Ind().Profiles;
  EditProxy([&](TFormProxy& e) {
    Reorder({{3, 0}, {10, 20}}, false);
    Click(e.ButtonProfOrder);
  });
  for (int n = 0; n < profiles::SlotCount; ++n) {
    EXPECT_EQ(testing_support::Tie(Proxy(n)),
              testing_support::Tie(before.ProxyProfiles[std::size_t(n)]));
  }
  ExpectAllAnswered();
}

}  // namespace
