// The MAC editor: the adapters found when it opens, the address edit that keeps only
// hexadecimal digits, and when a profile may be saved.
#include "tests/EditorFixture.h"

namespace {

using testing_support::EditorFixture;

class MacEditor : public EditorFixture {
 protected:
  void SetUp() override {
    EditorFixture::SetUp();
    AddAdapter("0001", "Intel PRO/100");
    AddAdapter("0002", "Intel PRO/100", std::string("02AABBCCDDEE"));
    AddAdapter("0003", "Realtek 8139", std::string("001122334455"));
    AddAdapter("0004", "Not a network device", std::nullopt, false);
    Ind().Profiles.MacProfiles[0] = {true, "Spoof", "intel pro/100", true, "0002", "0A0B0C0D0E0F"};
    Ind().Profiles.MacProfiles[1] = {true, "Gone", "Unplugged card", false, "0009", ""};
  }
  const profiles::MacProfileRecord& Mac(int slot) {
    return Ind().Profiles.MacProfiles[std::size_t(slot)];
  }
  // A free slot with a name and the Realtek adapter chosen.
  void NewProfile(TFormMacChanger& e) {
    Select(e.ComboBoxProfNo, 4);
    ui_->Type(e.EditProfName, "New");
    Select(e.ComboBoxAdapterName, 2);
  }
};

TEST_F(MacEditor, ListsTheAdaptersAndLoadsTheFirstWithAMatchingDescription) {
  EditMac([&](TFormMacChanger& e) {
    EXPECT_EQ(e.Caption(), "MAC Address Changer");
    EXPECT_EQ(e.ComboBoxAdapterName.Items(),
              (std::vector<std::string>{"Intel PRO/100", "Intel PRO/100", "Realtek 8139"}));
    EXPECT_EQ(e.ComboBoxAdapterName.DropDownCount(), 10);
    // Two adapters share the description: the first is taken, letter case aside.
    EXPECT_EQ(e.ComboBoxAdapterName.ItemIndex(), 0);
    EXPECT_EQ(e.LabelAdapterNumber.Caption(), "0001");
    EXPECT_FALSE(e.LabelWrongAdapter.Visible());
    EXPECT_FALSE(e.LabelHelpSelAdapter.Visible());
    EXPECT_TRUE(e.CheckBoxUseMacChanger.Checked());
    EXPECT_EQ(e.EditMacAddress.Text(), "0A0B0C0D0E0F");
    EXPECT_FALSE(e.LabelMacFirstByte.Visible()) << "second digit A";
    EXPECT_TRUE(e.EditMacAddress.Enabled());
    EXPECT_TRUE(e.ButtonGetMAC.Enabled());
    EXPECT_FALSE(e.ButtonSave.Enabled());

    // Saving again now links the first adapter's key.
    Retype(e.EditProfName, "Spoof 2");
    Click(e.ButtonSave);
  });
  EXPECT_EQ(Mac(0).LinkInRegistry, "0001");
  EXPECT_EQ(Mac(0).NetworkAdapterName, "Intel PRO/100");
  EXPECT_EQ(Stored("LinkInRegistry", "\\Software\\Quonthary\\MacChanger0"), "0001");
  ExpectAllAnswered();
}

TEST_F(MacEditor, AnAdapterThatIsGoneLeavesNoneChosenAndSaveOff) {
  EditMac([&](TFormMacChanger& e) {
    Select(e.ComboBoxProfNo, 1);
    EXPECT_EQ(e.ComboBoxAdapterName.ItemIndex(), -1);
    EXPECT_TRUE(e.LabelWrongAdapter.Visible());
    EXPECT_TRUE(e.LabelHelpSelAdapter.Visible());
    EXPECT_EQ(e.LabelAdapterNumber.Caption(), "----");
    EXPECT_FALSE(e.ButtonGetMAC.Enabled());
    EXPECT_FALSE(e.EditMacAddress.Enabled());
    Retype(e.EditProfName, "Gone 2");
    EXPECT_FALSE(e.ButtonSave.Enabled());
    Select(e.ComboBoxAdapterName, 2);
    EXPECT_TRUE(e.ButtonSave.Enabled());
    EXPECT_EQ(e.LabelAdapterNumber.Caption(), "0003");
    EXPECT_FALSE(e.LabelHelpSelAdapter.Visible());
    Answer(ui::ID_No);
  });
  ExpectAllAnswered();
}

TEST_F(MacEditor, TheAddressKeepsOnlyHexDigitsInCapitals) {
  EditMac([&](TFormMacChanger& e) {
    NewProfile(e);
    Click(e.CheckBoxUseMacChanger);
    ui_->Type(e.EditMacAddress, "00-1a-2B-3C-4D-5E");
    EXPECT_EQ(e.EditMacAddress.Text(), "001A2B3C4D5E");
    EXPECT_EQ(e.EditMacAddress.SelStart(), 12);
    EXPECT_FALSE(e.LabelWrongMAC.Visible());
    EXPECT_TRUE(e.ButtonSave.Enabled());

    // The caret stays among the characters that stay.
    e.EditMacAddress.SetSelection(4, 0);
    ui_->Type(e.EditMacAddress, ":g");
    EXPECT_EQ(e.EditMacAddress.Text(), "001A2B3C4D5E");
    EXPECT_EQ(e.EditMacAddress.SelStart(), 4);
    ui_->Type(e.EditMacAddress, "f");
    EXPECT_EQ(e.EditMacAddress.Text(), "001AF2B3C4D5E");
    EXPECT_EQ(e.EditMacAddress.SelStart(), 5);
    // A cleaned-up text set by the program keeps its selection too.
    e.EditMacAddress.SetSelection(2, 3);
    e.EditMacAddress.SetText("0-01AF2B3C4D5");
    EXPECT_EQ(e.EditMacAddress.Text(), "001AF2B3C4D5");
    EXPECT_EQ(e.EditMacAddress.SelStart(), 1);
    EXPECT_EQ(e.EditMacAddress.SelLength(), 3);
    // Typing stops at 20 characters.
    e.EditMacAddress.SetSelection(12, 0);
    ui_->Type(e.EditMacAddress, "1234567890");
    EXPECT_EQ(e.EditMacAddress.Text().size(), 20u);
    Answer(ui::ID_No);
  });
  ExpectAllAnswered();
}

TEST_F(MacEditor, ElevenCharactersInUseKeepSaveOff) {
  EditMac([&](TFormMacChanger& e) {
    NewProfile(e);
    EXPECT_FALSE(e.EditMacAddress.Enabled());
    Click(e.CheckBoxUseMacChanger);
    EXPECT_TRUE(e.EditMacAddress.Enabled());
    EXPECT_TRUE(e.LabelWrongMAC.Visible());
    EXPECT_FALSE(e.ButtonSave.Enabled());
    ui_->Type(e.EditMacAddress, "001A2B3C4D5");
    EXPECT_TRUE(e.LabelWrongMAC.Visible());
    EXPECT_FALSE(e.ButtonSave.Enabled());
    EXPECT_FALSE(e.LabelChanged.Visible());
    EXPECT_TRUE(e.LabelMacFirstByte.Visible()) << "second digit 0";
    ui_->Type(e.EditMacAddress, "E");
    EXPECT_FALSE(e.LabelWrongMAC.Visible());
    EXPECT_TRUE(e.ButtonSave.Enabled()) << "the wireless warning does not refuse";
    ui_->Type(e.EditMacAddress, "\b");
    // With the box off any length goes, and the address is saved as it stands.
    Click(e.CheckBoxUseMacChanger);
    EXPECT_FALSE(e.LabelWrongMAC.Visible());
    EXPECT_FALSE(e.LabelMacFirstByte.Visible());
    EXPECT_FALSE(e.EditMacAddress.Enabled());
    EXPECT_TRUE(e.ButtonSave.Enabled());
    Click(e.ButtonSave);
  });
  const auto& m = Mac(4);
  EXPECT_TRUE(m.Used);
  EXPECT_EQ(m.ProfileName, "New");
  EXPECT_EQ(m.NetworkAdapterName, "Realtek 8139");
  EXPECT_EQ(m.LinkInRegistry, "0003");
  EXPECT_FALSE(m.UseOtherMAC);
  EXPECT_EQ(m.MacAddress, "001A2B3C4D5");
  ExpectAllAnswered();
}

TEST_F(MacEditor, GetCopiesTheAddressFoundWhenTheEditorOpened) {
  EditMac([&](TFormMacChanger& e) {
    NewProfile(e);
    // Changed meanwhile: the editor keeps what it found.
    AddAdapter("0003", "Realtek 8139", std::string("AAAAAAAAAAAA"));
    AddAdapter("0005", "Added later");
    Click(e.ButtonGetMAC);
    EXPECT_EQ(e.EditMacAddress.Text(), "001122334455");
    EXPECT_EQ(e.ComboBoxAdapterName.Items().size(), 3u);
    Select(e.ComboBoxAdapterName, 0);
    Click(e.ButtonGetMAC);
    EXPECT_EQ(e.EditMacAddress.Text(), "");
    Answer(ui::ID_No);
  });
  ExpectAllAnswered();
}

TEST_F(MacEditor, AFreeSlotShowsNoAdapterAndKeepsTheWrongAdapterMark) {
  EditMac([&](TFormMacChanger& e) {
    Select(e.ComboBoxProfNo, 1);
    Select(e.ComboBoxProfNo, 7);
    EXPECT_EQ(e.EditProfName.Text(), "");
    EXPECT_EQ(e.ComboBoxAdapterName.ItemIndex(), -1);
    EXPECT_EQ(e.LabelAdapterNumber.Caption(), "----");
    EXPECT_FALSE(e.CheckBoxUseMacChanger.Checked());
    EXPECT_EQ(e.EditMacAddress.Text(), "");
    EXPECT_TRUE(e.LabelHelpSelAdapter.Visible());
    EXPECT_TRUE(e.LabelWrongAdapter.Visible());  // from slot 1: a free slot leaves it
    EXPECT_TRUE(e.LabelDontUsed.Visible());
  });
  ExpectAllAnswered();
}

TEST_F(MacEditor, AnUnreadableAdapterClassKeyLeavesNothingToSave) {
  fake.Registry.SetDenied(sys::RootKey::LocalMachine, testing_support::kAdapterClass);
  EditMac([&](TFormMacChanger& e) {
    NewProfile(e);
    EXPECT_TRUE(e.ComboBoxAdapterName.Items().empty());
    EXPECT_TRUE(e.LabelHelpSelAdapter.Visible());
    EXPECT_FALSE(e.ButtonSave.Enabled());
  });
  ExpectAllAnswered();
}

TEST_F(MacEditor, AnAdapterValueOfTheWrongTypeStopsDiscoveryThere) {
  fake.Registry.PutValue(sys::RootKey::LocalMachine,
                         std::string(testing_support::kAdapterClass) + "\\0003", "DriverDesc",
                         {sys::ValueKind::Dword, "", 1});
  Answer(ui::ID_Ok);
  EditMac([&](TFormMacChanger& e) {
    EXPECT_EQ(e.ComboBoxAdapterName.Items().size(), 2u);
    EXPECT_EQ(e.Adapters().Links, (std::vector<std::string>{"0001", "0002"}));
  });
  ASSERT_FALSE(ui_->MessageBoxes().empty());
  EXPECT_EQ(ui_->MessageBoxes().front().Text, "Invalid data type for 'DriverDesc'");
  ExpectAllAnswered();
}

TEST_F(MacEditor, ReorderingRelinksTheIPProfiles) {
  auto& t = Ind().Profiles;
  t.IPProfiles[0] = testing_support::OfficeProfile(-1, 1);
  t.IPProfiles[1] = testing_support::OfficeProfile(-1, 0);
  EditMac([&](TFormMacChanger& e) {
    Reorder({{1, 0}});
    Click(e.ButtonProfOrder);
    EXPECT_EQ(e.ComboBoxProfNo.ItemIndex(), 1);  // the selection follows "Spoof"
    EXPECT_EQ(e.EditProfName.Text(), "Spoof");
  });
  EXPECT_EQ(Mac(0).ProfileName, "Gone");
  EXPECT_EQ(Mac(1).ProfileName, "Spoof");
  EXPECT_EQ(t.IPProfiles[0].MacProfile, 0);
  EXPECT_EQ(t.IPProfiles[1].MacProfile, 1);
  ExpectAllAnswered();
}

}  // namespace
