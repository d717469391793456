#include <gtest/gtest.h>

#include <chrono>

#include <objbase.h>

#include "system/win32/Win32EndpointVolume.h"
#include "system/win32/Win32HotKeys.h"
#include "system/win32/Win32Mixer.h"
#include "system/win32/Win32Sound.h"
#include "tests/win32/TempFiles.h"
#include "tests/win32/TestWindow.h"

namespace {

// A combination nobody else is likely to hold: Ctrl+Alt+Shift+F20.
constexpr unsigned Modifiers = sys::ModControl | sys::ModAlt | sys::ModShift;
constexpr unsigned Key = 0x83;

TEST(Win32HotKeys, RegisterAndUnregister) {
  sys::Win32HotKeys keys;
  ASSERT_TRUE(keys.Register(0, 1, Modifiers, Key));
  // The combination is held now, whatever the id.
  EXPECT_FALSE(keys.Register(0, 2, Modifiers, Key));
  EXPECT_TRUE(keys.Unregister(0, 1));
  EXPECT_FALSE(keys.Unregister(0, 1));
  EXPECT_TRUE(keys.Register(0, 2, Modifiers, Key));
  EXPECT_TRUE(keys.Unregister(0, 2));
}

TEST(Win32HotKeys, OnAWindowAndReleasedWithTheAdapter) {
  TestWindow window;
  ASSERT_TRUE(window.Hwnd());
  {
    sys::Win32HotKeys keys;
    ASSERT_TRUE(keys.Register(window.Handle(), 44200, Modifiers, Key));
  }
  sys::Win32HotKeys keys;
  EXPECT_TRUE(keys.Register(window.Handle(), 44200, Modifiers, Key))
      << "the first adapter left its hot key behind";
  EXPECT_TRUE(keys.Unregister(window.Handle(), 44200));
}

TEST(Win32Sound, ReturnsPromptlyWithoutASoundDevice) {
  TempFiles files;
  sys::Win32Sound sound;
  auto start = std::chrono::steady_clock::now();
  // SND_FILENAME | SND_NODEFAULT, played synchronously: a missing file is an error.
  EXPECT_FALSE(sound.PlaySound(files.Path("missing.wav"), 0x20000 | 0x0002));
  sound.PlaySound(files.Path("missing.wav"), sys::PlaySoundFileAsyncFlags);
  sound.MessageBeep(0);
  sound.Beep(500, 10);
  auto took = std::chrono::steady_clock::now() - start;
  EXPECT_LT(took, std::chrono::seconds(5));
}

TEST(Win32Mixer, StaysConsistentWhateverTheSystemHas) {
  sys::Win32Mixer mixer;
  EXPECT_FALSE(mixer.GetValue(0x1234, 1));  // never opened
  EXPECT_FALSE(mixer.SetValue(0x1234, 1, 0));
  EXPECT_FALSE(
      mixer.FindControl(0x1234, sys::MixerComponentDstSpeakers, sys::MixerControlTypeVolume));

  TestWindow window;
  ASSERT_TRUE(window.Hwnd());
  unsigned devices = mixer.NumDevs();
  auto handle = mixer.Open(window.Handle());
  RecordProperty("MixerDevices", static_cast<int>(devices));
  if (devices == 0) {
    EXPECT_FALSE(handle);
  }
  if (!handle) return;

  for (std::uint32_t type : {sys::MixerControlTypeVolume, sys::MixerControlTypeMute}) {
    auto control = mixer.FindControl(*handle, sys::MixerComponentDstSpeakers, type);
    if (!control) continue;
    EXPECT_LE(control->Minimum, control->Maximum);
    auto value = mixer.GetValue(*handle, control->ControlId);
    if (!value) continue;
    EXPECT_GE(*value, control->Minimum);
    EXPECT_LE(*value, control->Maximum);
    // Writing the current value back changes nothing for the user.
    EXPECT_TRUE(mixer.SetValue(*handle, control->ControlId, *value));
    EXPECT_EQ(mixer.GetValue(*handle, control->ControlId), value);
  }
  auto volume =
      mixer.FindControl(*handle, sys::MixerComponentDstSpeakers, sys::MixerControlTypeVolume);
  mixer.Close(*handle);
  mixer.Close(*handle);  // twice is harmless
  if (volume) {
    EXPECT_FALSE(mixer.GetValue(*handle, volume->ControlId));
  }
  EXPECT_FALSE(
      mixer.FindControl(*handle, sys::MixerComponentDstSpeakers, sys::MixerControlTypeVolume));
}

// Wine's endpoint reads a level and mute, and refuses levels (E_NOTIMPL): the program then
// keeps to the mixer.
TEST(Win32EndpointVolume, WinesDefaultDeviceReadsButRefusesLevels) {
  TestWindow window;
  ASSERT_TRUE(window.Hwnd());
  sys::Win32EndpointVolume endpoint;
  EXPECT_FALSE(endpoint.Level());  // nothing open yet
  EXPECT_TRUE(endpoint.Present());
  ASSERT_TRUE(endpoint.Open());
  // COM is the GUI thread's, apartment-threaded: the free-threaded kind is refused now.
  EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), RPC_E_CHANGED_MODE);
  const std::optional<float> level = endpoint.Level();
  ASSERT_TRUE(level);
  EXPECT_GE(*level, 0.0f);
  EXPECT_LE(*level, 1.0f);
  EXPECT_FALSE(endpoint.SetLevel(*level));
  const std::optional<bool> muted = endpoint.Muted();
  ASSERT_TRUE(muted);
  EXPECT_TRUE(endpoint.SetMuted(*muted));
  endpoint.Listen(window.Handle());
  EXPECT_TRUE(endpoint.Open());  // again, as for a new default device
  endpoint.Close();
  EXPECT_FALSE(endpoint.Muted());
}

}  // namespace
