// Volume and mute through the mixer's speakers line (Windows XP) or the default device's
// endpoint (Vista and later): the step rule, the hot-key commands and what they show, a mixer
// without device, line or control, an endpoint that refuses (wine), and changes made
// elsewhere, a new default device among them.
#include <string>

#include "app/VolumeStep.h"
#include "system/Locale.h"
#include "tests/CommandFixture.h"

namespace {

using testing_support::CommandFixture;

TEST(VolumeStep, AHundredBelowAHundredASixthAbove) {
  EXPECT_EQ(VolumeStep(0), 100u);
  EXPECT_EQ(VolumeStep(99), 100u);
  EXPECT_EQ(VolumeStep(100), 16u);
  EXPECT_EQ(VolumeStep(116), 19u);
  EXPECT_EQ(VolumeStep(65535), 10922u);
}

class Volume : public CommandFixture {
 protected:
  TFormQuonthary& StartWith(std::uint32_t volume, bool muted = false) {
    fake.Mixer.AddSpeakerControls(volume, muted);
    return Start();
  }
  std::uint32_t Level() { return fake.Mixer.FindById(1)->Value; }
  std::uint32_t Mute() { return fake.Mixer.FindById(2)->Value; }
  std::string Shown() { return Ind().LabelTimeToEnd.Caption(); }
  // Vista and later: the default device at a level, with the mixer there too.
  TFormQuonthary& StartOnEndpoint(std::vector<float> levels) {
    for (float level : levels) fake.Endpoint.Devices.push_back({level, false});
    return StartWith(30000);
  }
  float EndpointLevel(std::size_t device = 0) { return fake.Endpoint.Devices[device].Level; }
  int Bar(double share) { return int(share * Ind().ImagePrRed.Width() + 2); }
  std::string Percent(const std::string& whole, const std::string& tenth = "") {
    return "+" + whole + (tenth.empty() ? "" : sys::DecimalSeparator() + tenth) + " %";
  }
};

TEST_F(Volume, MixersOpenOnTheIndicatorsWindowOnceShownAndCloseAtTheEnd) {
  fake.Mixer.AddSpeakerControls(30000, false);
  TFormQuonthary& f = Start(false);
  // The gauge shows without waiting for the sound system; the mixers open right after, once.
  EXPECT_TRUE(f.Visible());
  EXPECT_EQ(fake.Mixer.OpenCalls, 0);
  Tick(2);
  EXPECT_EQ(fake.Mixer.OpenCalls, 2);  // mute first, then volume
  EXPECT_EQ(fake.Mixer.NotifyWindow, f.Handle());
  EXPECT_TRUE(f.Volume.VolumeMixer.HasControl);
  EXPECT_EQ(f.Volume.VolumeMixer.ControlId, 1u);
  EXPECT_EQ(f.Volume.VolumeMixer.Name, "Master Volume");
  EXPECT_EQ(f.Volume.VolumeMixer.Maximum, 65535u);
  EXPECT_EQ(f.Volume.MuteMixer.ControlId, 2u);
  EXPECT_EQ(f.Volume.MuteMixer.ShortName, "Mute");
  // Nothing is read until a bar shows (wine's mixer starts a thread at the first read): the
  // first mute key shows the bar at the level.
  EXPECT_EQ(fake.Mixer.GetCalls, 0);
  f.ToggleMute();
  EXPECT_EQ(f.ImageVolume.Width(), int(30000.0 / 65535 * f.ImagePrRed.Width() + 2));
  owner.reset();
  EXPECT_EQ(fake.Mixer.CloseCalls, 2);
}

TEST_F(Volume, UpAtTheTopStaysAndDownTakesASixth) {
  TFormQuonthary& f = StartWith(65535);
  f.VolumeUp();
  EXPECT_EQ(Level(), 65535u);
  EXPECT_EQ(Shown(), Percent("100"));
  f.VolumeDown();
  EXPECT_EQ(Level(), 54613u);
  EXPECT_EQ(Shown(), Percent("83"));
  EXPECT_EQ(f.DisplaySkipTicks, 1);
  EXPECT_TRUE(f.ImageVolume.Visible());
}

TEST_F(Volume, UpFromTheBottomGrowsInSteps) {
  TFormQuonthary& f = StartWith(0);
  std::vector<std::uint32_t> levels;
  for (int i = 0; i < 3; ++i) {
    f.VolumeUp();
    levels.push_back(Level());
  }
  EXPECT_EQ(levels, (std::vector<std::uint32_t>{100, 116, 135}));
  EXPECT_EQ(Shown(), Percent("0", "2"));
  fake.Mixer.FindById(1)->Value = 99;
  f.VolumeUp();
  EXPECT_EQ(Level(), 199u);
}

TEST_F(Volume, DownPastZeroStopsAtTheMinimum) {
  TFormQuonthary& f = StartWith(50);
  f.VolumeDown();
  EXPECT_EQ(Level(), 0u);
  f.VolumeDown();
  EXPECT_EQ(Level(), 0u);
  // A range that starts higher stops at its own minimum.
  fake.Mixer.FindById(1)->Value = 150;
  f.Volume.VolumeMixer.Minimum = 140;
  f.VolumeDown();
  EXPECT_EQ(Level(), 140u);
}

TEST_F(Volume, EachCommandSoundsItsAlert) {
  Store("SoundOption3", "2");  // tones
  TFormQuonthary& f = StartWith(1000);
  fake.Sound.Events.clear();
  f.VolumeUp();
  f.VolumeDown();
  f.ToggleMute();
  EXPECT_EQ(fake.Sound.Events, (std::vector<sys::SoundEvent>{sys::SoundEvent::Tone(500, 10),
                                                             sys::SoundEvent::Tone(500, 10)}));
}

TEST_F(Volume, MuteTogglesBetweenTheBoundsAndSaysSo) {
  TFormQuonthary& f = StartWith(30000, false);
  f.ToggleMute();
  EXPECT_EQ(Mute(), 1u);
  EXPECT_EQ(Shown(), "Mute");
  EXPECT_TRUE(f.ImageVolumeMute.Visible());
  f.ToggleMute();
  EXPECT_EQ(Mute(), 0u);
  EXPECT_EQ(Shown(), "Unmute");
  EXPECT_TRUE(f.ImageVolume.Visible());
}

TEST_F(Volume, WithoutADeviceLineOrControlTheCommandsDoNothing) {
  struct Case {
    const char* Name;
    std::function<void()> Setup;
    bool Usable;
  };
  const Case cases[] = {
      {"no device", [&] { fake.Mixer.DeviceCount = 0; }, true},
      {"cannot open", [&] { fake.Mixer.FailOpen = true; }, false},
      {"no speakers line",
       [&] {
         // Only another destination's controls, numbered from 0 as wine's mixer numbers them:
         // the id a control without a speakers line keeps must not reach them.
         fake.Mixer.AddControl(sys::MixerControlTypeVolume, 0, 0, 65535, 30000).ComponentType = 5;
         fake.Mixer.AddControl(sys::MixerControlTypeMute, 1, 0, 1, 0).ComponentType = 5;
       },
       true},
      {"unreadable",
       [&] {
         fake.Mixer.AddSpeakerControls(30000, false);
         fake.Mixer.FailGet = true;
       },
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    owner.reset();
    fake.Mixer = sys::FakeMixer{};
    c.Setup();
    TFormQuonthary& f = Start();
    EXPECT_EQ(f.Volume.VolumeMixer.Usable, c.Usable);
    const std::string before = Shown();
    f.VolumeUp();
    f.VolumeDown();
    f.ToggleMute();
    EXPECT_TRUE(fake.Mixer.SetCalls.empty());
    EXPECT_EQ(Shown(), before);
    EXPECT_EQ(f.DisplaySkipTicks, 0);
    EXPECT_TRUE(ui_->MessageBoxes().empty());
  }
}

TEST_F(Volume, MuteFromElsewhereShowsAHiddenIndicatorAndKeepsTheBar) {
  fake.Desktop.AddTaskbar();
  TFormQuonthary& f = StartWith(30000, false);
  const int bar = Bar(30000.0 / 65535);
  const std::string text = Shown();
  f.HideIndicator();
  ASSERT_FALSE(f.Visible());
  // The system's own volume control mutes the speakers.
  fake.Mixer.FindById(2)->Value = 1;
  EXPECT_TRUE(f.OnMessage(0x3D1, *f.Volume.MuteMixer.Handle, 2));
  EXPECT_TRUE(f.Visible());
  EXPECT_EQ(f.ImageVolume.Width(), bar);
  EXPECT_EQ(Shown(), text);  // nothing announced
  EXPECT_EQ(f.DisplaySkipTicks, 0);

  // A level set elsewhere: only the bar follows.
  fake.Mixer.FindById(1)->Value = 65535;
  f.OnMessage(0x3D1, *f.Volume.VolumeMixer.Handle, 1);
  EXPECT_EQ(f.ImageVolume.Width(), f.ImagePrRed.Width() + 2);
  EXPECT_EQ(Shown(), text);
}

TEST_F(Volume, NoticesAboutOtherControlsAreIgnored) {
  fake.Desktop.AddTaskbar();
  TFormQuonthary& f = StartWith(30000, false);
  f.HideIndicator();
  fake.Mixer.FindById(1)->Value = 65535;
  const int bar = f.ImageVolume.Width();
  f.OnMessage(0x3D1, *f.Volume.VolumeMixer.Handle, 7);       // another control
  f.OnMessage(0x3D1, *f.Volume.VolumeMixer.Handle + 99, 1);  // another mixer
  EXPECT_FALSE(f.Visible());
  EXPECT_EQ(f.ImageVolume.Width(), bar);
  EXPECT_FALSE(f.OnMessage(0x3D0, *f.Volume.VolumeMixer.Handle, 1));
}

TEST_F(Volume, TheEndpointTakesTheKeysOnItsScaleAndTheMixerIsLeftAlone) {
  TFormQuonthary& f = StartOnEndpoint({1.0f});
  EXPECT_TRUE(f.Volume.UsesEndpoint());
  EXPECT_EQ(fake.Endpoint.NotifyWindow, f.Handle());
  f.VolumeUp();
  EXPECT_EQ(EndpointLevel(), 1.0f);
  EXPECT_EQ(Shown(), Percent("100"));
  f.VolumeDown();
  EXPECT_FLOAT_EQ(EndpointLevel(), 54613.0f / 65535);
  EXPECT_EQ(Shown(), Percent("83"));
  fake.Endpoint.Devices[0].Level = 0;
  f.VolumeUp();
  f.VolumeUp();
  EXPECT_FLOAT_EQ(EndpointLevel(), 116.0f / 65535);
  f.ToggleMute();
  EXPECT_TRUE(fake.Endpoint.Devices[0].Muted);
  EXPECT_EQ(Shown(), "Mute");
  EXPECT_TRUE(f.ImageVolumeMute.Visible());
  EXPECT_EQ(fake.Mixer.OpenCalls, 0);
  EXPECT_TRUE(fake.Mixer.SetCalls.empty());
  owner.reset();
  EXPECT_FALSE(fake.Endpoint.Opened);
}

TEST_F(Volume, AnEndpointThatRefusesGivesTheKeysToTheMixer) {
  // Wine reads levels and never sets one; a device may also refuse or go away later.
  struct Case {
    const char* Name;
    bool LevelsAtStart, Levels, Mute, Every;
  };
  const Case cases[] = {{"levels refused from the start", true, true, false, false},
                        {"levels refused later", false, true, false, false},
                        {"mute refused later", false, false, true, false},
                        {"every call fails later", false, false, false, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    owner.reset();
    fake.Mixer = sys::FakeMixer{};
    fake.Endpoint = sys::FakeEndpointVolume{};
    fake.Endpoint.RefuseLevels = c.LevelsAtStart;
    TFormQuonthary& f = StartOnEndpoint({0.5f});
    EXPECT_EQ(f.Volume.UsesEndpoint(), !c.LevelsAtStart);
    EXPECT_EQ(fake.Endpoint.Opened.has_value(), !c.LevelsAtStart) << "kept only if it sets";
    EXPECT_EQ(fake.Endpoint.NotifyWindow != 0, !c.LevelsAtStart) << "and only then heard";
    EXPECT_EQ(fake.Mixer.OpenCalls, 0) << "the mixer waits for a key";
    fake.Endpoint.RefuseLevels = c.Levels;
    fake.Endpoint.RefuseMute = c.Mute;
    fake.Endpoint.FailCalls = c.Every;
    // The refused key first: it is carried out on the mixer, and so is the other.
    if (c.Mute) f.ToggleMute();
    f.VolumeUp();
    if (!c.Mute) f.ToggleMute();
    EXPECT_EQ(Level(), 35000u);
    EXPECT_EQ(Mute(), 1u);
    EXPECT_FALSE(f.Volume.UsesEndpoint());
    EXPECT_EQ(EndpointLevel(), 0.5f);
    EXPECT_FALSE(fake.Endpoint.Devices[0].Muted);
    EXPECT_EQ(fake.Mixer.NotifyWindow, f.Handle());
  }
}

TEST_F(Volume, AnAudioServiceThatStartsLaterServesTheFirstKey) {
  fake.Endpoint.Api = true;
  fake.Mixer.AddSpeakerControls(30000);
  TFormQuonthary& f = Start();
  EXPECT_FALSE(f.Volume.Usable());
  fake.Endpoint.Devices.push_back({0.5f, false});
  f.VolumeUp();
  EXPECT_TRUE(f.Volume.UsesEndpoint());
  EXPECT_FLOAT_EQ(EndpointLevel(), (32768 + 32768 / 6) / 65535.0f);
  EXPECT_EQ(fake.Endpoint.NotifyWindow, f.Handle());
  EXPECT_EQ(fake.Mixer.OpenCalls, 0);
}

TEST_F(Volume, EndpointChangesElsewhereAndANewDefaultDeviceReachTheGauge) {
  fake.Desktop.AddTaskbar();
  TFormQuonthary& f = StartOnEndpoint({0.25f, 0.75f});
  f.HideIndicator();
  fake.Endpoint.Devices[0].Level = 0.5f;
  EXPECT_TRUE(f.OnMessage(sys::EndpointChangeMessage, sys::EndpointVolumeChanged, 0));
  EXPECT_TRUE(f.Visible());
  EXPECT_EQ(f.ImageVolume.Width(), Bar(0.5));
  EXPECT_EQ(f.DisplaySkipTicks, 0);  // nothing announced

  // Headphones plugged in: the keys follow the new default device.
  fake.Endpoint.Default = 1;
  f.OnMessage(sys::EndpointChangeMessage, sys::EndpointDeviceChanged, 0);
  EXPECT_EQ(fake.Endpoint.Opened, 1u);
  EXPECT_EQ(f.ImageVolume.Width(), Bar(0.75));
  f.VolumeDown();
  EXPECT_FLOAT_EQ(EndpointLevel(1), (49151 - 49151 / 6) / 65535.0f);
  EXPECT_EQ(EndpointLevel(0), 0.5f);
}

}  // namespace
