// The profile order dialog as the editors run it, and the permutation it hands back.
#include <fstream>

#include "tests/EditorFixture.h"

namespace {

using testing_support::EditorFixture;

class OrderDialog : public EditorFixture {
 protected:
  // Runs body in the order dialog that the proxy editor opens.
  void InOrderDialog(std::function<void(TFormProfilesOrder&)> body) {
    EditProxy([&](TFormProxy& e) {
      OnWindow<TFormProfilesOrder>(body);
      Click(e.ButtonProfOrder);
    });
    ExpectAllAnswered();
  }
};

TEST_F(OrderDialog, ListsTheSlotRowsWithBothArrowsOff) {
  Ind().Profiles.ProxyProfiles[4] = {true, "Four", false, "", "", false};
  InOrderDialog([&](TFormProfilesOrder& d) {
    EXPECT_EQ(d.Caption(), "Profiles Order");
    EXPECT_EQ(d.ClientWidth(), 330);
    EXPECT_EQ(d.ClientHeight(), 359);
    ASSERT_EQ(d.Entries().size(), 21u);
    EXPECT_EQ(d.Entries()[0], "00 - [empty]");
    EXPECT_EQ(d.Entries()[4], "04 - Four");
    EXPECT_EQ(d.ListBoxProfiles.ItemIndex(), -1);
    EXPECT_FALSE(d.SpeedButtonUp.Enabled());
    EXPECT_FALSE(d.SpeedButtonDown.Enabled());
    EXPECT_EQ(d.SpeedButtonUp.Height(), 116);
    EXPECT_EQ(d.SpeedButtonUp.Width(), 36);
    Click(d.ButtonAnuluj);
  });
}

TEST_F(OrderDialog, ArrowsActOnlyWhereTheEntryCanMove) {
  InOrderDialog([&](TFormProfilesOrder& d) {
    Select(d.ListBoxProfiles, 0);
    EXPECT_FALSE(d.SpeedButtonUp.Enabled());
    EXPECT_TRUE(d.SpeedButtonDown.Enabled());
    Click(d.SpeedButtonUp);  // disabled: nothing moves
    EXPECT_EQ(d.Entries()[0], "00 - [empty]");
    Select(d.ListBoxProfiles, 20);
    EXPECT_TRUE(d.SpeedButtonUp.Enabled());
    EXPECT_FALSE(d.SpeedButtonDown.Enabled());

    // After a move nothing is selected: the next step needs a click on the entry again.
    Select(d.ListBoxProfiles, 5);
    Click(d.SpeedButtonDown);
    EXPECT_EQ(d.Entries()[6], "05 - [empty]");
    EXPECT_EQ(d.Entries()[5], "06 - [empty]");
    EXPECT_EQ(d.ListBoxProfiles.ItemIndex(), -1);
    EXPECT_FALSE(d.SpeedButtonUp.Enabled());
    EXPECT_FALSE(d.SpeedButtonDown.Enabled());
    Click(d.SpeedButtonDown);
    EXPECT_EQ(d.Entries()[6], "05 - [empty]");
    Click(d.ButtonAnuluj);
  });
}

TEST_F(OrderDialog, IsNeverTranslated) {
  std::filesystem::create_directories(dir.Path() / "language");
  std::ofstream(dir.Path() / "language" / "Test.lng")
      << "[FormProfilesOrder]\nButtonAnuluj_Cpt=Abbrechen\n[FormProxy]\nButtonSave_Cpt=Speichern\n";
  Ind().FormLanguage->SetLanguageFile("Test.lng");
  EditProxy([&](TFormProxy& e) {
    EXPECT_EQ(e.ButtonSave.Caption(), "Speichern");
    OnWindow<TFormProfilesOrder>([&](TFormProfilesOrder& d) {
      EXPECT_EQ(d.ButtonAnuluj.Caption(), "Cancel");
      Click(d.ButtonAnuluj);
    });
    Click(e.ButtonProfOrder);
  });
  ExpectAllAnswered();
}

TEST(ProfileOrder, RowsGiveThePermutationOrNothing) {
  std::vector<std::string> rows;
  for (int n = 0; n < profiles::SlotCount; ++n) rows.push_back(profiles::SlotRow(n, "P"));
  auto moved = rows;
  std::rotate(moved.begin(), moved.begin() + 3, moved.begin() + 4);  // slot 3 to the top
  moved[10] = "10 - p";                                              // letter case aside
  auto src = profiles::OrderFromRows(rows, moved);
  ASSERT_TRUE(src);
  EXPECT_EQ((*src)[0], 3);
  EXPECT_EQ((*src)[1], 0);
  EXPECT_EQ((*src)[3], 2);
  EXPECT_EQ((*src)[4], 4);
  EXPECT_EQ(profiles::NewPosition(*src, 3), 0);
  EXPECT_EQ(profiles::NewPosition(*src, 2), 3);

  auto twice = rows;
  twice[1] = twice[0];
  EXPECT_FALSE(profiles::OrderFromRows(rows, twice));
  auto unknown = rows;
  unknown[2] = "02 - Q";
  EXPECT_FALSE(profiles::OrderFromRows(rows, unknown));
  EXPECT_FALSE(profiles::OrderFromRows(rows, {rows.begin(), rows.end() - 1}));
}

TEST(ProfileOrder, SlotRowsKeepTheLeadingZero) {
  EXPECT_EQ(profiles::SlotRow(0, "Office"), "00 - Office");
  EXPECT_EQ(profiles::SlotRow(20, "[empty]"), "20 - [empty]");
  EXPECT_EQ(profiles::SlotOfRow("07 - x"), 7);
  EXPECT_EQ(profiles::SlotOfRow("x7 - x"), 0);
  EXPECT_EQ(profiles::SlotOfRow(""), 0);
}

}  // namespace
