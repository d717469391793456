// The whole start-up on fakes: storage switch, window ownership, display mode, placement,
// the per-user installation value, and closing.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "i18n/FormLanguage.h"
#include "tests/IndicatorFixture.h"

using namespace testing_support;

class Startup : public IndicatorFixture {
 protected:
  std::vector<std::string> StoredNames() {
    return fake.Registry.ValueNames(sys::RootKey::CurrentUser, "\\Software\\Quonthary");
  }
};

TEST_F(Startup, FirstRunUsesTheRegistryAndDocksIntoTheTaskbar) {
  fake.Desktop.AddTaskbar();
  TFormQuonthary& ind = Start();
  EXPECT_EQ(FormQuonthary, &ind);
  EXPECT_TRUE(ind.UseRegistry);
  EXPECT_FALSE(std::filesystem::exists(dir.Path() / "Quonthary.ini"));  // nothing written there
  EXPECT_TRUE(ind.TaskbarMode());
  EXPECT_TRUE(ind.StartedInTaskbarMode);
  ASSERT_NE(ind.TaskbarWindow, 0u);
  EXPECT_NE(ind.TrayNotifyWindow, 0u);
  EXPECT_EQ(ind.ParentWindow(), ind.TaskbarWindow);
  EXPECT_TRUE(ind.Visible());
  EXPECT_TRUE(ind.Timer.Enabled());
  EXPECT_EQ(ind.Width(), 50);  // cut to the gauge
  EXPECT_EQ(Stored("LastApplicationDir", "\\Software\\Tessmark\\Quonthary"), dir.Dir());
}

TEST_F(Startup, WindowsAreOwnedSoNothingReachesTheTaskbar) {
  TFormQuonthary& ind = Start();
  EXPECT_EQ(ind.Owner(), owner.get());
  EXPECT_EQ(ind.WndParent(), owner->Handle());
  EXPECT_EQ(ind.OwnerWindow, owner->Handle());
  EXPECT_TRUE(ind.ExStyle() & ui::WS_EX_ToolWindow);
  EXPECT_TRUE(owner->ExStyle() & ui::WS_EX_ToolWindow);
  EXPECT_EQ(owner->Left(), -10000);
  EXPECT_EQ(ui_->HintPause(), 100);
  EXPECT_EQ(ui_->HintHidePause(), 5000);
  EXPECT_EQ(ind.FormLanguage->Message("LabelFull"), "FULL");
  EXPECT_EQ(ind.TempFolder, fake.Environment.Temp);
}

TEST_F(Startup, WithoutATaskbarTheProgramStillStarts) {
  TFormQuonthary& ind = Start();
  EXPECT_EQ(ind.TaskbarWindow, 0u);
  EXPECT_EQ(ind.TrayNotifyWindow, 0u);
  EXPECT_TRUE(ind.Visible());
  Tick(3);
  EXPECT_TRUE(ind.Timer.Enabled());
}

TEST_F(Startup, TheFirstTickRunsBeforeTheSettingsWithoutTracking) {
  // Starting on battery: the tick inside start-up sees settings still at zero, so it neither
  // announces the battery nor opens a log; the first timer tick does, with logging on.
  fake.PowerSource.Status = OnBattery(80);
  TFormQuonthary& ind = Start();
  EXPECT_TRUE(ind.LogFileName.empty());
  EXPECT_EQ(fake.PowerSource.Calls, 2);  // the refresh at creation, then the first tick
  EXPECT_EQ(ind.TickCounter, 0);
}

TEST_F(Startup, ClosingEndsTheProgramWithoutSaving) {
  fake.Desktop.AddTaskbar();
  TFormQuonthary& ind = Start();
  auto before = StoredNames();
  const std::string left = Stored("Left");
  ind.mnuCloseClick(&ind.mnuClose);
  EXPECT_TRUE(ui::Application().Terminated());
  owner.reset();  // what the program's entry does once the loop has ended
  EXPECT_EQ(FormQuonthary, nullptr);
  EXPECT_EQ(StoredNames(), before);
  EXPECT_EQ(Stored("Left"), left);
}

TEST_F(Startup, TheStorageSwitchIsReadFromTheIniFile) {
  std::ofstream(dir.Path() / "Quonthary.ini", std::ios::binary)
      << "[Quonthary_SETTINGS]\r\nKeep_Settings_in_system_Registry=0\r\n\r\n"
      << "[Quonthary]\r\nShowInTaskBar=0\r\n\r\n";
  TFormQuonthary& ind = Start();
  EXPECT_FALSE(ind.UseRegistry);
  EXPECT_FALSE(ind.TaskbarMode());
  EXPECT_EQ(ind.ParentWindow(), 0u);
  EXPECT_FALSE(ind.StartedInTaskbarMode);
}
