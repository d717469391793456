// The IP editor: its slot and link lists, loading and saving a profile, the connection
// list, the two imports through the network shell's dump, the profile picker, the linked
// editors and reordering with the applied marks.
#include <fstream>

#include "tests/EditorFixture.h"

namespace {

using testing_support::EditorFixture;
using Names = std::vector<std::string>;

const std::vector<std::string> kStaticLanDump = {
    "pushd interface ip",
    "set address name=\"LAN\" source=static addr=192.168.1.10 mask=255.255.255.0",
    "set address name=\"LAN\" gateway=192.168.1.1 gwmetric=0",
    "set dns name=\"LAN\" source=static addr=10.0.0.1 register=PRIMARY",
    "add dns name=\"LAN\" addr=10.0.0.2 index=2",
    "set address name=\"WLAN\" source=dhcp",
    "popd",
    "pushd interface ipv4",
    "add address name=\"Ethernet 2\" address=10.9.0.5 mask=255.0.0.0",
    "set address name=\"wlan\" source=dhcp",
    "popd",
};

class IPEditor : public EditorFixture {
 protected:
  void SetUp() override {
    EditorFixture::SetUp();
    auto& t = Ind().Profiles;
    t.IPProfiles[0] = testing_support::OfficeProfile(2, 1);
    t.IPProfiles[9] = {true, "Home", true, "", "", "", "none", "0.0.0.0", "WLAN", -1, -1};
    t.ProxyProfiles[2] = {true, "Company", true, "10.0.0.1", "3128", false};
    t.MacProfiles[1] = {true, "Card", "Intel", false, "0001", ""};
    t.ConnectionNames = {"LAN", "WLAN"};
  }
  const profiles::IPProfileRecord& IP(int slot) {
    return Ind().Profiles.IPProfiles[std::size_t(slot)];
  }
  // The network shell as the batch runs it: writes this dump where the batch sends it.
  void ShellDumps(std::vector<std::string> lines, std::intptr_t launch = 42) {
    fake.Processes.ExecuteResult = launch;
    fake.Processes.RunAsProcess = [this, lines](const sys::FakeProcesses::ExecuteCall&) {
      cursorDuringDump = ui_->Cursor();
      std::ofstream out(Ind().TempFolder + "qth_run.txt", std::ios::binary);
      for (const auto& line : lines) out << line << "\r\n";
    };
  }
  // A free slot with a connection typed in.
  void NewProfile(TFormIPChanger& e, int slot, const std::string& connection) {
    Select(e.ComboBoxProfNo, slot);
    ui_->Type(e.ComboBoxConnection, connection);
  }
  ui::TCursor cursorDuringDump = ui::crDefault;
};

TEST_F(IPEditor, ListsTheSlotsTheLinksAndTheConnections) {
  EditIP([&](TFormIPChanger& e) {
    EXPECT_EQ(e.Caption(), "IP Changer");
    const Names& rows = e.ComboBoxProfNo.Items();
    ASSERT_EQ(rows.size(), 21u);
    EXPECT_EQ(rows[0], "00 - Office");
    EXPECT_EQ(rows[1], "01 - [empty]");
    EXPECT_EQ(rows[9], "09 - Home");
    EXPECT_EQ(rows[20], "20 - [empty]");
    const Names& proxies = e.ComboBoxProxyProfile.Items();
    ASSERT_EQ(proxies.size(), 22u);
    EXPECT_EQ(proxies[0], "Don't change");
    EXPECT_EQ(proxies[3], "02 - Company");
    EXPECT_EQ(proxies[21], "20 - [empty]");
    EXPECT_EQ(e.ComboBoxMacProfile.Items()[2], "01 - Card");
    EXPECT_EQ(e.ComboBoxConnection.Items(), (Names{"LAN", "WLAN"}));
    EXPECT_FALSE(e.LabelHelpConnections.Visible());

    // Slot 0 as stored.
    EXPECT_EQ(e.EditProfName.Text(), "Office");
    EXPECT_TRUE(e.RadioButtonStatic.Checked());
    EXPECT_TRUE(e.EditIP.Enabled());
    EXPECT_TRUE(e.GroupBox1.Enabled());
    EXPECT_EQ(e.EditIP.Text(), "10.0.0.5");
    EXPECT_EQ(e.EditDns2.Text(), "10.0.0.3");
    EXPECT_EQ(e.ComboBoxConnection.Text(), "Local Area Connection");
    EXPECT_EQ(e.ComboBoxProxyProfile.ItemIndex(), 3);
    EXPECT_EQ(e.ComboBoxMacProfile.ItemIndex(), 2);
    EXPECT_TRUE(e.ButtonEditProxy.Enabled());
    // A connection that is not in the list: it can be added; names exist, none is chosen.
    EXPECT_TRUE(e.ButtonConAdd.Enabled());
    EXPECT_FALSE(e.ButtonConRemove.Enabled());
    EXPECT_TRUE(e.LabelHelpSelConn.Visible());
    EXPECT_FALSE(e.ButtonImporSettings.Enabled());
    EXPECT_FALSE(e.ButtonSave.Enabled());
    EXPECT_FALSE(e.LabelDontUsed.Visible());
  });
  ExpectAllAnswered();
}

TEST_F(IPEditor, NoneShowsEmptyAndAFreeSlotShowsTheDefaults) {
  EditIP([&](TFormIPChanger& e) {
    Select(e.ComboBoxProfNo, 9);
    EXPECT_TRUE(e.RadioButtonDhcp.Checked());
    EXPECT_FALSE(e.EditIP.Enabled());
    EXPECT_FALSE(e.Label4.Enabled());
    EXPECT_FALSE(e.GroupBox1.Enabled());
    EXPECT_EQ(e.EditDns1.Text(), "");
    EXPECT_EQ(e.EditDns2.Text(), "0.0.0.0");
    // A listed connection is chosen: Remove, and the settings import, are offered.
    EXPECT_EQ(e.ComboBoxConnection.ItemIndex(), 1);
    EXPECT_TRUE(e.ButtonConRemove.Enabled());
    EXPECT_FALSE(e.ButtonConAdd.Enabled());
    EXPECT_TRUE(e.ButtonImporSettings.Enabled());
    EXPECT_FALSE(e.ButtonEditProxy.Enabled());

    Select(e.ComboBoxProfNo, 4);
    EXPECT_EQ(e.EditProfName.Text(), "");
    EXPECT_TRUE(e.RadioButtonDhcp.Checked());
    EXPECT_EQ(e.EditIP.Text(), "");
    EXPECT_EQ(e.EditMask.Text(), "255.255.255.0");
    EXPECT_EQ(e.EditGate.Text(), "0.0.0.0");
    EXPECT_EQ(e.EditDns1.Text(), "0.0.0.0");
    EXPECT_EQ(e.EditDns2.Text(), "0.0.0.0");
    EXPECT_EQ(e.ComboBoxConnection.Text(), "");
    EXPECT_EQ(e.ComboBoxProxyProfile.ItemIndex(), 0);
    EXPECT_TRUE(e.LabelDontUsed.Visible());
    EXPECT_FALSE(e.ButtonDelete.Enabled());
    EXPECT_FALSE(e.ButtonSave.Enabled());
    EXPECT_FALSE(e.LabelHelpCurrentSettings.Visible());
    // Choosing a listed connection for it offers its present settings.
    Select(e.ComboBoxConnection, 0);
    EXPECT_TRUE(e.LabelHelpCurrentSettings.Visible());
    EXPECT_FALSE(e.LabelHelpSelConn.Visible());
    EXPECT_TRUE(e.ButtonImporSettings.Enabled());
  });
  ExpectAllAnswered();
}

TEST_F(IPEditor, LeavingTheAddressNamesTheProfileAndSaveStoresIt) {
  const int beeps = Beeps();
  EditIP([&](TFormIPChanger& e) {
    NewProfile(e, 4, "LAN");
    Click(e.RadioButtonStatic);
    EXPECT_TRUE(e.EditIP.Enabled());
    ui_->Type(e.EditIP, "10.0.0.5");
    ui_->Focus(e.EditMask);
    EXPECT_EQ(e.EditProfName.Text(), "10.0.0.5 - LAN");
    EXPECT_TRUE(e.ButtonSave.Enabled());
    EXPECT_TRUE(e.LabelChanged.Visible());
    // A name that is there stays.
    ui_->Focus(e.EditIP);
    ui_->Type(e.EditIP, "0");
    ui_->Focus(e.EditGate);
    EXPECT_EQ(e.EditProfName.Text(), "10.0.0.5 - LAN");
    Retype(e.EditDns2, "");
    Select(e.ComboBoxMacProfile, 2);
    Click(e.ButtonSave);
    EXPECT_EQ(e.ComboBoxProfNo.Items()[4], "04 - 10.0.0.5 - LAN");
    EXPECT_FALSE(e.ButtonSave.Enabled());
  });
  EXPECT_EQ(Beeps(), beeps + 1);
  const auto& p = IP(4);
  EXPECT_TRUE(p.Used);
  EXPECT_FALSE(p.isDHCP);
  EXPECT_EQ(p.statIP, "10.0.0.50");
  EXPECT_EQ(p.statMask, "255.255.255.0");
  EXPECT_EQ(p.statDns2, "");
  EXPECT_EQ(p.connectionName, "LAN");
  EXPECT_EQ(p.ProxyProfile, -1);
  EXPECT_EQ(p.MacProfile, 1);
  // Closing saved everything.
  const std::string key = "\\Software\\Quonthary\\IPChanger4";
  EXPECT_EQ(Stored("ProfileName", key), "10.0.0.5 - LAN");
  EXPECT_EQ(Stored("isDHCP", key), "0");
  EXPECT_EQ(Stored("MacProfile", key), "1");
  EXPECT_EQ(Stored("Count", "\\Software\\Quonthary\\IPChanger_Connections"), "2");
  EXPECT_EQ(Ind().FormIPChanger, nullptr);
  ExpectAllAnswered();
}

TEST_F(IPEditor, DhcpKeepsTheStaticValuesInTheProfile) {
  EditIP([&](TFormIPChanger& e) {
    Click(e.RadioButtonDhcp);
    EXPECT_FALSE(e.EditIP.Enabled());
    EXPECT_TRUE(e.ButtonSave.Enabled());
    Click(e.ButtonSave);
  });
  EXPECT_TRUE(IP(0).isDHCP);
  EXPECT_EQ(IP(0).statIP, "10.0.0.5");
  ExpectAllAnswered();
}

TEST_F(IPEditor, SaveWithoutAConnectionIsRefused) {
  EditIP([&](TFormIPChanger& e) {
    Select(e.ComboBoxProfNo, 4);
    ui_->Type(e.EditProfName, "Nowhere");
    Answer(ui::ID_Ok);
    Click(e.ButtonSave);
    EXPECT_EQ(LastBox().Text, "Select connection name first");
    EXPECT_EQ(LastBox().Caption, "Quonthary");
    EXPECT_EQ(LastBox().Flags, unsigned(ui::MB_Ok | ui::MB_IconExclamation));
    EXPECT_TRUE(e.ComboBoxConnection.Focused());
    EXPECT_TRUE(e.ButtonSave.Enabled());

    // Answering Yes to the question does not lose the edits either: the save is refused,
    // the editor stays on the slot.
    Answer(ui::ID_Yes);
    Answer(ui::ID_Ok);
    Select(e.ComboBoxProfNo, 9);
    EXPECT_EQ(e.ComboBoxProfNo.ItemIndex(), 4);
    EXPECT_EQ(e.EditProfName.Text(), "Nowhere");
    Answer(ui::ID_No);
  });
  EXPECT_FALSE(IP(4).Used);
  ExpectAllAnswered();
}

TEST_F(IPEditor, CancelOnAChangedSlotKeepsItAndItsEdits) {
  EditIP([&](TFormIPChanger& e) {
    Retype(e.EditGate, "10.0.0.254");
    Answer(ui::ID_Cancel);
    Select(e.ComboBoxProfNo, 9);
    EXPECT_EQ(LastBox().Caption, "IP Changer");
    EXPECT_EQ(LastBox().Flags, 35u);
    EXPECT_EQ(e.ComboBoxProfNo.ItemIndex(), 0);
    EXPECT_EQ(e.EditGate.Text(), "10.0.0.254");
    EXPECT_TRUE(e.ButtonSave.Enabled());
    Answer(ui::ID_Yes);
    Select(e.ComboBoxProfNo, 9);
    EXPECT_EQ(e.EditProfName.Text(), "Home");
  });
  EXPECT_EQ(IP(0).statGate, "10.0.0.254");
  ExpectAllAnswered();
}

TEST_F(IPEditor, TheConnectionListTakes30NamesAndReachesStorageOnlyByClose) {
  Ind().Profiles.ConnectionNames.clear();
  EditIP([&](TFormIPChanger& e) {
    EXPECT_TRUE(e.LabelHelpConnections.Visible());
    e.ComboBoxConnection.SetComboText("");
    ui_->Type(e.ComboBoxConnection, "   ");
    EXPECT_FALSE(e.ButtonConAdd.Enabled());
    for (int n = 0; n < 31; ++n) {
      e.ComboBoxConnection.SetComboText("");
      ui_->Type(e.ComboBoxConnection, "Net " + std::to_string(n));
      Click(e.ButtonConAdd);
    }
    EXPECT_EQ(e.ComboBoxConnection.Items().size(), 30u);
    EXPECT_EQ(e.ComboBoxConnection.Items().back(), "Net 29");
    // Letter case aside, a listed name is chosen rather than added.
    e.ComboBoxConnection.SetComboText("");
    ui_->Type(e.ComboBoxConnection, "net 3");
    EXPECT_EQ(e.ComboBoxConnection.ItemIndex(), 3);
    EXPECT_FALSE(e.ButtonConAdd.Enabled());
    Click(e.ButtonConRemove);
    EXPECT_EQ(e.ComboBoxConnection.Items().size(), 29u);
    EXPECT_TRUE(e.ButtonConAdd.Enabled());
    Answer(ui::ID_No);
  });
  ASSERT_EQ(Ind().Profiles.ConnectionNames.size(), 29u);
  EXPECT_EQ(Ind().Profiles.ConnectionNames[3], "Net 4");
  EXPECT_EQ(Stored("Count", "\\Software\\Quonthary\\IPChanger_Connections"), "29");

  // The title bar's close button leaves the list as it was.
  OnWindow<TFormIPChanger>([&](TFormIPChanger& e) {
    Click(e.ButtonConRemove);
    ui_->Type(e.ComboBoxConnection, "x");
    Click(e.ButtonConAdd);
    ui_->CloseByUser(e);
  });
  Ind().mnuIPConfigureClick(nullptr);
  EXPECT_EQ(Ind().Profiles.ConnectionNames.size(), 29u);
  ExpectAllAnswered();
}

TEST_F(IPEditor, ImportingSettingsFillsTheFiveFieldsFromTheDump) {
  // A German account's temporary folder, "Jürgen" in Windows-1252.
  const std::string temp = Ind().TempFolder;
  std::filesystem::create_directories(temp + "J\xFCrgen");
  Ind().TempFolder = temp + "J\xFCrgen" + temp.back();
  ShellDumps(kStaticLanDump);
  EditIP([&](TFormIPChanger& e) {
    NewProfile(e, 4, "lan");
    EXPECT_EQ(e.ComboBoxConnection.Text(), "LAN");  // the listed name is chosen
    Click(e.ButtonImporSettings);
    EXPECT_TRUE(e.RadioButtonStatic.Checked());
    EXPECT_EQ(e.EditIP.Text(), "192.168.1.10");
    EXPECT_EQ(e.EditMask.Text(), "255.255.255.0");
    EXPECT_EQ(e.EditGate.Text(), "192.168.1.1");
    EXPECT_EQ(e.EditDns1.Text(), "10.0.0.1");
    EXPECT_EQ(e.EditDns2.Text(), "10.0.0.2");
    EXPECT_EQ(e.EditProfName.Text(), "192.168.1.10 - LAN");
    EXPECT_TRUE(e.ButtonSave.Enabled());
    EXPECT_FALSE(e.LabelHelpCurrentSettings.Visible());
    EXPECT_EQ(fake.Desktop.Foreground, e.Handle());
    Click(e.ButtonSave);
  });
  ASSERT_EQ(fake.Processes.ExecuteCalls.size(), 1u);
  const auto& run = fake.Processes.ExecuteCalls[0];
  EXPECT_EQ(run.File, Ind().TempFolder + "qth_run.bat");
  EXPECT_EQ(run.Params, "");
  EXPECT_EQ(run.Directory, "");
  EXPECT_EQ(run.Show, sys::ShowMinimized);
  EXPECT_TRUE(run.Wait);
  EXPECT_EQ(cursorDuringDump, ui::crHourGlass);
  EXPECT_EQ(ui_->Cursor(), ui::crDefault);
  std::ifstream batch(Ind().TempFolder + "qth_run.bat", std::ios::binary);
  std::string line;
  std::getline(batch, line);
  // In code page 850, as the command interpreter reads it: "ü" is 0x81 there.
  EXPECT_EQ(line, "\"%SystemRoot%\\System32\\netsh.exe\" -c interface dump > \"" + temp +
                      "J\x81rgen" + temp.back() + "qth_run.txt\"\r");
  EXPECT_EQ(IP(4).statGate, "192.168.1.1");
  EXPECT_EQ(IP(4).connectionName, "LAN");
  ExpectAllAnswered();
}

TEST_F(IPEditor, ImportingSettingsNeedsAConnectionAndAShellThatStarts) {
  ShellDumps(kStaticLanDump, 2);
  Ind().Profiles.ConnectionNames.clear();
  EditIP([&](TFormIPChanger& e) {
    Select(e.ComboBoxProfNo, 4);
    // With no names to choose from the button is there; without a connection it says why.
    EXPECT_TRUE(e.ButtonImporSettings.Enabled());
    Answer(ui::ID_Ok);
    Click(e.ButtonImporSettings);
    EXPECT_EQ(LastBox().Text, "Import and then select connection name first!");
    EXPECT_EQ(LastBox().Caption, "IP Changer");
    EXPECT_EQ(LastBox().Flags, unsigned(ui::MB_Ok | ui::MB_IconInformation));
    EXPECT_TRUE(fake.Processes.ExecuteCalls.empty());

    ui_->Type(e.ComboBoxConnection, "LAN");
    Answer(ui::ID_Ok);
    Click(e.ButtonImporSettings);
    EXPECT_EQ(LastBox().Text, "An error with executing NETSH.EXE : 2");
    EXPECT_EQ(LastBox().Flags, unsigned(ui::MB_Ok | ui::MB_IconExclamation));
    EXPECT_EQ(e.EditIP.Text(), "");
    EXPECT_TRUE(e.RadioButtonDhcp.Checked());
    EXPECT_EQ(ui_->Cursor(), ui::crDefault);
  });
  ExpectAllAnswered();
}

TEST_F(IPEditor, AnOldOutputFileIsNeverReadAsTheDump) {
  // The shell starts but writes nothing; what an IP profile left there is not its dump.
  fake.Processes.ExecuteResult = 42;
  std::ofstream(Ind().TempFolder + "qth_run.txt")
      << "pushd interface ip\r\nset address name=\"LAN\" source=static addr=1.2.3.4\r\n";
  EditIP([&](TFormIPChanger& e) {
    NewProfile(e, 4, "LAN");
    ui_->Type(e.EditIP, "10.0.0.9");
    Answer(ui::ID_Ok);
    Click(e.ButtonImporSettings);
    // A connection the dump does not describe: said so, and nothing is blanked or renamed.
    EXPECT_EQ(LastBox().Text,
              "The connection LAN was not found in the output of NETSH.EXE; nothing was changed.");
    EXPECT_EQ(LastBox().Flags, unsigned(ui::MB_Ok | ui::MB_IconInformation));
    EXPECT_EQ(e.EditIP.Text(), "10.0.0.9");
    EXPECT_EQ(e.EditMask.Text(), "255.255.255.0");
    EXPECT_TRUE(e.RadioButtonDhcp.Checked());
    EXPECT_EQ(e.EditProfName.Text(), "");
  });
  ExpectAllAnswered();
}

TEST_F(IPEditor, ImportingNamesAddsEachNameOnce) {
  ShellDumps(kStaticLanDump);
  EditIP([&](TFormIPChanger& e) {
    e.ComboBoxConnection.SetItems({"lan"});
    Answer(ui::ID_No);
    Click(e.ButtonImportConnections);
    EXPECT_EQ(LastBox().Text,
              "Do You want to delete all existing connection names before importing?");
    EXPECT_EQ(LastBox().Caption, "IP Changer");
    EXPECT_EQ(LastBox().Flags, 35u);
    EXPECT_EQ(e.ComboBoxConnection.Items(), (Names{"lan", "WLAN", "Ethernet 2"}));
    EXPECT_TRUE(e.LabelHelpSelConn.Visible());

    Answer(ui::ID_Yes);
    Click(e.ButtonImportConnections);
    EXPECT_EQ(e.ComboBoxConnection.Items(), (Names{"LAN", "WLAN", "Ethernet 2"}));

    Answer(ui::ID_Cancel);
    e.ComboBoxConnection.SetItems({"Kept"});
    Click(e.ButtonImportConnections);
    EXPECT_EQ(e.ComboBoxConnection.Items(), Names{"Kept"});
    Answer(ui::ID_No);
  });
  ExpectAllAnswered();
}

TEST_F(IPEditor, ANameImportPast30NamesSaysHowManyWereLeftOut) {
  std::vector<std::string> dump{"pushd interface ip"};
  for (int n = 0; n < 35; ++n)
    dump.push_back("set address name=\"Net " + std::to_string(n) + "\" source=dhcp");
  dump.push_back("set address name=\"NET 34\" source=dhcp");
  ShellDumps(dump);
  EditIP([&](TFormIPChanger& e) {
    Answer(ui::ID_No);  // keep LAN and WLAN
    Answer(ui::ID_Ok);
    Click(e.ButtonImportConnections);
    EXPECT_EQ(e.ComboBoxConnection.Items().size(), 30u);
    EXPECT_EQ(e.ComboBoxConnection.Items().back(), "Net 27");
    EXPECT_EQ(LastBox().Text,
              "The connection list holds at most 30 names; connection names not imported: 7");
    EXPECT_EQ(LastBox().Flags, unsigned(ui::MB_Ok | ui::MB_IconInformation));
  });
  // What the editor showed is what is stored.
  EXPECT_EQ(Ind().Profiles.ConnectionNames.size(), 30u);
  EXPECT_EQ(Stored("Count", "\\Software\\Quonthary\\IPChanger_Connections"), "30");
  EXPECT_EQ(Stored("29", "\\Software\\Quonthary\\IPChanger_Connections"), "Net 27");
  ExpectAllAnswered();
}

TEST_F(IPEditor, ANameImportThatCannotRunSaysSo) {
  ShellDumps(kStaticLanDump, 0);
  EditIP([&](TFormIPChanger& e) {
    Answer(ui::ID_Ok);
    Click(e.ButtonImportConnections);
    EXPECT_EQ(LastBox().Text, "An error with executing NETSH.EXE : 0");
    EXPECT_EQ(e.ComboBoxConnection.Items(), (Names{"LAN", "WLAN"}));
  });
  ExpectAllAnswered();
}

TEST_F(IPEditor, ImportFromAnotherProfileThenSave) {
  EditIP([&](TFormIPChanger& e) {
    Select(e.ComboBoxProfNo, 5);
    OnWindow<TFormImportSettings>([&](TFormImportSettings& p) {
      EXPECT_EQ(p.Caption(), "Import settings");
      EXPECT_EQ(p.ComboBoxProfNo.Items(), e.ComboBoxProfNo.Items());
      EXPECT_EQ(p.ComboBoxProfNo.ItemIndex(), 0);
      Select(p.ComboBoxProfNo, 9);
      Click(p.ButtonOK);
    });
    Click(e.ButtonImport);
    EXPECT_EQ(e.ComboBoxProfNo.ItemIndex(), 5);
    EXPECT_EQ(e.EditProfName.Text(), "Home");
    EXPECT_TRUE(e.RadioButtonDhcp.Checked());
    EXPECT_EQ(e.ComboBoxConnection.Text(), "WLAN");
    EXPECT_TRUE(e.ButtonSave.Enabled());
    EXPECT_TRUE(e.LabelDontUsed.Visible());  // slot 5 itself is still unused
    Click(e.ButtonSave);

    // Cancel takes nothing.
    OnWindow<TFormImportSettings>([&](TFormImportSettings& p) { ui_->CloseByUser(p); });
    Click(e.ButtonImport);
    EXPECT_FALSE(e.ButtonSave.Enabled());
  });
  auto copied = IP(9);
  copied.statDns1 = "";  // "none" was shown, and so saved, as no address
  EXPECT_EQ(testing_support::Tie(IP(5)), testing_support::Tie(copied));
  EXPECT_EQ(IP(9).statDns1, "none");  // the other profile is unchanged
  ExpectAllAnswered();
}

TEST_F(IPEditor, TheEditButtonsOpenTheLinkedEditors) {
  EditIP([&](TFormIPChanger& e) {
    OnWindow<TFormProxy>([&](TFormProxy& p) {
      EXPECT_EQ(p.ComboBoxProfNo.ItemIndex(), 2);
      EXPECT_EQ(p.EditProfName.Text(), "Company");
      EXPECT_TRUE(Ind().Dialogs.IsOpen(dialogs::DialogKind::Proxy));
      Select(p.ComboBoxProfNo, 4);
      ui_->Type(p.EditProfName, "New proxy");
      Click(p.ButtonSave);
      Click(p.Button2);
    });
    Click(e.ButtonEditProxy);
    EXPECT_EQ(Ind().FormProxy, nullptr);
    EXPECT_EQ(e.ComboBoxProxyProfile.Items()[5], "04 - New proxy");
    EXPECT_EQ(e.ComboBoxProxyProfile.ItemIndex(), 5);
    EXPECT_TRUE(e.ButtonSave.Enabled());

    // No link chosen: the button is off.
    Select(e.ComboBoxMacProfile, 0);
    EXPECT_FALSE(e.ButtonEditMAC.Enabled());
    Select(e.ComboBoxMacProfile, 2);
    OnWindow<TFormMacChanger>([&](TFormMacChanger& m) {
      EXPECT_EQ(m.EditProfName.Text(), "Card");
      Click(m.Button2);
    });
    Click(e.ButtonEditMAC);
    EXPECT_EQ(e.ComboBoxMacProfile.ItemIndex(), 2);
    Click(e.ButtonSave);
  });
  EXPECT_EQ(IP(0).ProxyProfile, 4);
  EXPECT_EQ(Ind().Profiles.ProxyProfiles[4].ProfileName, "New proxy");
  EXPECT_EQ(Stored("ProfileName", "\\Software\\Quonthary\\ProxyChanger4"), "New proxy");
  ExpectAllAnswered();
}

TEST_F(IPEditor, ReorderingMovesTheMarksAndKeepsTheSlotNumber) {
  auto& t = Ind().Profiles;
  t.IPProfiles[3] = {true, "Three", true, "", "", "", "", "", "LAN", -1, -1};
  t.IPProfiles[4] = {true, "Four", true, "", "", "", "", "", "LAN", -1, -1};
  t.AppliedMarks[3] = true;
  t.AppliedMarks[9] = true;
  const auto before = t;
  EditIP([&](TFormIPChanger& e) {
    Select(e.ComboBoxProfNo, 3);
    Reorder({{3, 0}});
    Click(e.ButtonProfOrder);
    // Slot 3 now holds what was slot 2.
    EXPECT_EQ(e.ComboBoxProfNo.ItemIndex(), 3);
    EXPECT_EQ(e.EditProfName.Text(), "");
    EXPECT_EQ(e.ComboBoxProfNo.Items()[0], "00 - Three");
    EXPECT_EQ(e.ComboBoxProfNo.Items()[1], "01 - Office");
  });
  EXPECT_EQ(IP(0).ProfileName, "Three");
  EXPECT_EQ(testing_support::Tie(IP(1)), testing_support::Tie(before.IPProfiles[0]));
  EXPECT_EQ(testing_support::Tie(IP(4)), testing_support::Tie(before.IPProfiles[4]));
  EXPECT_TRUE(t.AppliedMarks[0]);
  EXPECT_FALSE(t.AppliedMarks[3]);
  EXPECT_TRUE(t.AppliedMarks[9]);
  EXPECT_EQ(Stored("Checked0", "\\Software\\Quonthary\\IPChanger_Connections"), "1");
  ExpectAllAnswered();
}

TEST_F(IPEditor, DeletingWithUnsavedChangesAsksFirst) {
  EditIP([&](TFormIPChanger& e) {
    Retype(e.EditGate, "10.0.0.9");
    Answer(ui::ID_Yes);  // delete
    Answer(ui::ID_No);   // the changes: drop them
    Click(e.ButtonDelete);
    EXPECT_EQ(ui_->MessageBoxes().size(), 2u);
    EXPECT_EQ(e.ComboBoxProfNo.Items()[0], "00 - [empty]");
    EXPECT_FALSE(e.ButtonDelete.Enabled());
  });
  EXPECT_FALSE(IP(0).Used);
  EXPECT_EQ(IP(0).statGate, "10.0.0.1");
  ExpectAllAnswered();
}

}  // namespace
