// The global hot keys: registered on the owner form as the settings ask, the taken ones
// listed in one warning, and each key's action: front, monitor off and on, volume, mute and
// the three switcher pages.
#include <string>
#include <vector>

#include "tests/CommandFixture.h"

namespace {

using testing_support::CommandFixture;
using Registration = sys::FakeHotKeys::Registration;

const char* const kAllHotKeys[] = {"HotKeyWindowToFront", "HotKeyMonOff",    "HotKeyMonOn",
                                   "HotKeyVolume",        "HotKeyMute",      "HotKeyIPChanger",
                                   "HotKeyProxyChanger",  "HotKeyMacChanger"};

class HotKeys : public CommandFixture {
 protected:
  sys::WindowHandle OwnerWindow() { return owner->Handle(); }
  std::vector<int> RegisteredIds() {
    std::vector<int> ids;
    for (const Registration& r : fake.HotKeys.Registered) ids.push_back(r.Id);
    return ids;
  }
};

TEST_F(HotKeys, EverySettingOnRegistersTheNineKeysOnTheOwnerForm) {
  for (const char* name : kAllHotKeys) Store(name, "1");
  Start();
  const sys::WindowHandle w = OwnerWindow();
  const unsigned win = sys::ModWin;
  EXPECT_EQ(fake.HotKeys.Registered,
            (std::vector<Registration>{{w, 44200, win, 0x7B},
                                       {w, 44201, win, 0x1B},
                                       {w, 44208, win | sys::ModControl, 0x1B},
                                       {w, 44202, win, 0x21},
                                       {w, 44203, win, 0x22},
                                       {w, 44204, win, 0x23},
                                       {w, 44205, win | sys::ModShift, 0x31},
                                       {w, 44206, win | sys::ModShift, 0x32},
                                       {w, 44207, win | sys::ModShift, 0x33}}));
  EXPECT_TRUE(ui_->MessageBoxes().empty());

  // Applied again (after the settings dialog): each is let go first, so none fails on its
  // own earlier registration; the settings switched off stay off.
  Ind().Cfg.HotKeyMonOff = false;
  fake.HotKeys.UnregisterCalls.clear();
  Ind().ApplyWindowOptions(true);
  ASSERT_EQ(fake.HotKeys.UnregisterCalls.size(), 9u);
  EXPECT_EQ(fake.HotKeys.UnregisterCalls.front(), std::make_pair(w, 44200));
  EXPECT_EQ(RegisteredIds(),
            (std::vector<int>{44200, 44208, 44202, 44203, 44204, 44205, 44206, 44207}));
  EXPECT_TRUE(ui_->MessageBoxes().empty());
}

TEST_F(HotKeys, NothingIsRegisteredByDefault) {
  Start();
  EXPECT_TRUE(fake.HotKeys.RegisterCalls.empty());
  EXPECT_EQ(fake.HotKeys.UnregisterCalls.size(), 9u);
}

TEST_F(HotKeys, OneVolumeSettingRegistersBothKeysAndOnlyATakenOneIsListed) {
  Store("HotKeyVolume", "1");
  Store("HotKeyMute", "1");
  fake.HotKeys.Take(sys::ModWin, 0x22);  // another program holds Win+PageDown
  ui_->AnswerMessageBox(ui::ID_Ok);
  Start();
  EXPECT_EQ(RegisteredIds(), (std::vector<int>{44202, 44204}));
  ASSERT_EQ(ui_->MessageBoxes().size(), 1u);
  const ui::headless::MessageBoxCall& box = ui_->MessageBoxes()[0];
  EXPECT_EQ(box.Text, "Hot-Keys:\n  Win+PageDown\nare using by another application!");
  EXPECT_EQ(box.Caption, "Quonthary");
  EXPECT_EQ(box.Flags, 0x30u);
  // The owner window comes forward for the box.
  ASSERT_FALSE(fake.Desktop.SetForegroundCalls.empty());
  EXPECT_EQ(fake.Desktop.SetForegroundCalls.back(), OwnerWindow());
}

TEST_F(HotKeys, SeveralTakenKeysShareOneBoxInTableOrder) {
  for (const char* name : kAllHotKeys) Store(name, "1");
  fake.HotKeys.Take(sys::ModWin | sys::ModShift, 0x33);
  fake.HotKeys.Take(sys::ModWin, 0x7B);
  fake.HotKeys.Take(sys::ModWin | sys::ModControl, 0x1B);
  ui_->AnswerMessageBox(ui::ID_Ok);
  Start();
  ASSERT_EQ(ui_->MessageBoxes().size(), 1u);
  EXPECT_EQ(ui_->MessageBoxes()[0].Text,
            "Hot-Keys:\n  Win+F12\n  Win+Ctrl+Escape\n  Win+Shift+3\n"
            "are using by another application!");
  EXPECT_EQ(fake.HotKeys.Registered.size(), 6u);
}

TEST_F(HotKeys, TheOwnerFormPassesEveryHotKeyToTheIndicator) {
  Start();
  OnSwitcher([](TFormChanger& w) { EXPECT_EQ(w.Kind(), profiles::ProfileKind::Mac); });
  EXPECT_TRUE(owner->OnMessage(0x0312, 44207, 0));
  EXPECT_EQ(switcherRuns, 1);
  EXPECT_FALSE(owner->OnMessage(0x0010, 0, 0));  // anything else goes its usual way
  ExpectAllAnswered();
}

TEST_F(HotKeys, WindowToFrontRaisesAFreeWindowAndRestartsTheFullBlink) {
  Store("ShowInTaskBar", "0");
  TFormQuonthary& f = Start();
  f.FullBlinkCount = 5;
  fake.Desktop.SetForegroundCalls.clear();
  f.HandleHotKey(44200);
  EXPECT_EQ(fake.Desktop.SetForegroundCalls, (std::vector<sys::WindowHandle>{f.Handle()}));
  EXPECT_EQ(f.FullBlinkCount, 0);

  owner.reset();
  fake.Desktop.AddTaskbar();
  Store("ShowInTaskBar", "1");
  TFormQuonthary& t = Start();
  t.FullBlinkCount = 5;
  fake.Desktop.SetForegroundCalls.clear();
  t.HandleHotKey(44200);
  EXPECT_TRUE(fake.Desktop.SetForegroundCalls.empty());
  EXPECT_EQ(t.FullBlinkCount, 0);
}

TEST_F(HotKeys, MonitorOffShowsItsNoticeForASecondFirstAndOnMovesTheMouse) {
  Store("ShowInTaskBar", "0");
  TFormQuonthary& f = Start();
  f.Cfg.WhenChatging = 0x123456;
  f.LabelState.Hide();
  f.LabelTimeToEnd.Hide();
  f.HideIndicator();
  std::string noticeAtSleep;
  fake.Clock.OnSleep = [&](unsigned) {
    noticeAtSleep = f.LabelTimeToEnd.Caption();
    EXPECT_TRUE(fake.MonitorPower.Calls.empty());
  };
  fake.Clock.Sleeps.clear();
  f.HandleHotKey(44201);
  EXPECT_TRUE(f.IsShown());
  EXPECT_TRUE(f.LabelTimeToEnd.Visible());
  EXPECT_EQ(noticeAtSleep, "Mon-OFF");
  EXPECT_EQ(f.LabelTimeToEnd.Font().Color, 0x123456u);
  EXPECT_EQ(fake.Clock.Sleeps, (std::vector<unsigned>{1000}));
  EXPECT_EQ(fake.MonitorPower.Calls,
            (std::vector<std::pair<sys::WindowHandle, int>>{{ui::Application().Handle(), 2}}));
  EXPECT_TRUE(fake.MonitorPower.MouseMoves.empty());

  // On: its own notice, at once, in the state label when that one shows.
  f.LabelState.Show();
  fake.Clock.OnSleep = nullptr;
  fake.Clock.Sleeps.clear();
  f.HandleHotKey(44208);
  EXPECT_EQ(f.LabelState.Caption(), "Mon-ON");
  EXPECT_TRUE(fake.Clock.Sleeps.empty());
  EXPECT_EQ(fake.MonitorPower.Calls.back(),
            (std::pair<sys::WindowHandle, int>{ui::Application().Handle(), -1}));
  // Then the input that wakes the display where the command no longer does.
  EXPECT_EQ(fake.MonitorPower.MouseMoves, (std::vector<std::size_t>{2}));
}

TEST_F(HotKeys, VolumeKeysShowAHiddenIndicatorOnlyWhenAsked) {
  fake.Mixer.AddSpeakerControls(30000, false);
  Store("ShowInTaskBar", "0");
  TFormQuonthary& f = Start();
  ASSERT_TRUE(f.Cfg.ShowWhenVolChanging);  // the default
  f.HideIndicator();
  f.HandleHotKey(44202);
  EXPECT_TRUE(f.IsShown());
  EXPECT_EQ(fake.Mixer.FindById(1)->Value, 35000u);

  f.Cfg.ShowWhenVolChanging = false;
  f.HideIndicator();
  f.HandleHotKey(44203);
  EXPECT_FALSE(f.IsShown());
  EXPECT_EQ(fake.Mixer.FindById(1)->Value, 35000u - 5833u);
  f.HandleHotKey(44204);
  EXPECT_FALSE(f.IsShown());
  EXPECT_EQ(fake.Mixer.FindById(2)->Value, 1u);
  // An id of no hot key does nothing.
  f.HandleHotKey(44209);
  EXPECT_EQ(fake.Mixer.SetCalls.size(), 3u);
}

}  // namespace
