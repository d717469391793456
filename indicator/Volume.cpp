// The volume display: the volume or mute text in a label and the volume bar over the gauge,
// which a pop-up timer hides again two seconds after the last change.
#include <cmath>
#include <memory>

#include "app/FormQuonthary.h"
#include "indicator/VolumeText.h"
#include "system/Locale.h"

std::string VolumeText(double percent, const std::string& decimalSeparator) {
  if (percent >= 10) return "+" + std::to_string(std::llround(percent)) + " %";
  const long long tenths = std::llround(percent * 10);
  return "+" + std::to_string(tenths / 10) + decimalSeparator + std::to_string(tenths % 10) + " %";
}

void TFormQuonthary::ShowVolume(std::uint32_t value, std::uint32_t maximum, bool announce) {
  // A control without bounds reads as silent rather than dividing by zero.
  const double share = maximum > 0 ? double(value) / double(maximum) : 0.0;
  if (announce) {
    const std::string text = VolumeText(share * 100, sys::DecimalSeparator());
    DisplaySkipTicks = 1;
    ShowALabel();
    ui::TLabel& label = PickInfoLabel(true, Cfg.VolumeChanging);
    label.SetCaption(text);
    label.Repaint();
    ShowVolumeImage();
    LastVolume = static_cast<int>(value);
  }
  if (Volume.Usable()) {
    const int width =
        value == 0 || maximum == 0 ? 0 : static_cast<int>(share * ImagePrRed.Width() + 2);
    ImageVolume.SetWidth(width);
    ImageVolumeMute.SetWidth(width);
  }
}

void TFormQuonthary::ShowMute(bool muted, bool announce) {
  if (!announce) return;
  DisplaySkipTicks = 1;
  ShowALabel();
  ui::TLabel& label = PickInfoLabel(true, Cfg.VolumeChanging);
  label.SetCaption(Msg(muted ? "LabelMute" : "LabelUnmute"));
  label.Repaint();
  if (int(muted) != LastMute) ShowVolumeImage();
  LastMute = muted;
}

void TFormQuonthary::ShowVolumeImage() {
  if (!VolumePopupTimer) {
    VolumePopupTimer = std::make_unique<ui::TTimer>(this, "VolumePopupTimer", 2000, false);
    VolumePopupTimer->SetOnTimer([this](ui::TObject*) {
      ImageVolume.Hide();
      ImageVolumeMute.Hide();
      VolumePopupTimer.reset();  // last: the timer that runs this goes away
    });
  }
  const bool muted = Volume.Muted().value_or(false);
  ImageVolume.SetVisible(!muted);
  ImageVolumeMute.SetVisible(muted);
  // Restarted, so the bar stays two seconds after the last change.
  VolumePopupTimer->SetEnabled(false);
  VolumePopupTimer->SetEnabled(true);
}
