// The connection check: failure counting, the lost state, its mark, message and alert.
#include <gtest/gtest.h>

#include "tests/IndicatorFixture.h"

using namespace testing_support;
using Echo = sys::FakeIcmpEcho::Result;

class ConnectionCheck : public IndicatorFixture {
 protected:
  TFormQuonthary& StartChecking() {
    TFormQuonthary& ind = Start();
    ind.Cfg.ConnectionCheck = true;
    ind.Cfg.ConnectionIP = "127.0.0.1";
    ind.Cfg.SoundOption4 = 2;
    ind.Cfg.VolumeChanging = ui::clYellow;
    ind.Cfg.ShowTimeInfo = true;
    ind.TimerIcmp.SetEnabled(true);
    fake.Sound.Events.clear();
    return ind;
  }
  int Alerts() const {
    int n = 0;
    for (const auto& e : fake.Sound.Events)
      n += e.What == sys::SoundEvent::Kind::Beep && e.Frequency == 1500;
    return n;
  }
  // One check, two seconds after the previous one.
  void Check(const Echo& result) {
    fake.IcmpEcho.Push(result);
    ui_->FireTimer(Ind().TimerIcmp);
  }
};

TEST_F(ConnectionCheck, OneLostEchoBetweenGoodOnesShowsNothing) {
  TFormQuonthary& ind = StartChecking();
  Check(Echo::Reply());
  Check(Echo::TimedOut());
  Check(Echo::Reply());
  EXPECT_FALSE(ind.ImageNoInternet.Visible());
  EXPECT_EQ(ind.ConnectionFailures, 0);
  EXPECT_EQ(Alerts(), 0);
  EXPECT_EQ(fake.IcmpEcho.Calls.at(0).TimeoutMs, 1500);
  EXPECT_EQ(fake.IcmpEcho.Calls.at(0).BufferSize, 128);
  EXPECT_EQ(fake.IcmpEcho.Calls.at(0).Host, "127.0.0.1");
}

TEST_F(ConnectionCheck, TwoInARowMarkTheLossOnce) {
  TFormQuonthary& ind = StartChecking();
  Check(Echo::TimedOut());
  EXPECT_FALSE(ind.ImageNoInternet.Visible());
  Check(Echo::TimedOut());
  EXPECT_TRUE(ind.ImageNoInternet.Visible());
  EXPECT_EQ(ind.LabelTimeToEnd.Caption(), "Conn.err");
  EXPECT_EQ(ind.LabelTimeToEnd.Font().Color, ui::clYellow);
  EXPECT_EQ(ind.DisplaySkipTicks, 4);
  EXPECT_EQ(Alerts(), 1);
  Check(Echo::TimedOut());
  Check(Echo::Failure());
  EXPECT_EQ(Alerts(), 1);
  EXPECT_TRUE(ind.ImageNoInternet.Visible());
  Check(Echo::Reply());  // the first good reply clears the mark
  EXPECT_FALSE(ind.ImageNoInternet.Visible());
  EXPECT_TRUE(ind.TimerIcmp.Enabled());
}

TEST_F(ConnectionCheck, OnlyAnEchoReplyCountsAsConnected) {
  TFormQuonthary& ind = StartChecking();
  // "Destination host unreachable", as the local machine reports it when the router is
  // gone, and a "time exceeded" from a router on the way: nothing was reached.
  Check(Echo::Answer(11003));
  Check(Echo::Answer(11013));
  EXPECT_TRUE(ind.ImageNoInternet.Visible());
  EXPECT_EQ(ind.ConnectionFailures, 2);
  EXPECT_EQ(Alerts(), 1);
  Check(Echo::Answer(0));  // the echo reply
  EXPECT_FALSE(ind.ImageNoInternet.Visible());
  EXPECT_EQ(ind.ConnectionFailures, 0);
  // A failing service is a failure too, and a time-out.
  Check(Echo::Answer(11050));
  Check(Echo::Answer(11010));
  EXPECT_EQ(ind.ConnectionFailures, 2);
}

TEST_F(ConnectionCheck, AMalformedAddressFailsEveryCheck) {
  TFormQuonthary& ind = StartChecking();
  ind.Cfg.ConnectionIP = "192.168.1";
  ui_->FireTimer(ind.TimerIcmp);
  ui_->FireTimer(ind.TimerIcmp);
  EXPECT_TRUE(ind.ImageNoInternet.Visible());
  EXPECT_EQ(ind.ConnectionFailures, 2);
  EXPECT_EQ(Alerts(), 1);
}

TEST_F(ConnectionCheck, TheTimerRunsEveryTwoSecondsWhileTheCheckIsOn) {
  TFormQuonthary& ind = StartChecking();
  ui_->AdvanceTime(6000);
  EXPECT_EQ(fake.IcmpEcho.Calls.size(), 3u);
  ind.Cfg.ConnectionCheck = false;
  ui_->AdvanceTime(2000);  // this check runs, then the timer stays off
  ui_->AdvanceTime(10000);
  EXPECT_EQ(fake.IcmpEcho.Calls.size(), 4u);
  EXPECT_FALSE(ind.TimerIcmp.Enabled());
}
