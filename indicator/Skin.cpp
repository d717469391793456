// Skins: a folder below "Skin\" whose bitmaps replace the built-in pictures and whose
// "colors.ini" replaces the four text colours. Read once, at start.
#include <memory>

#include "app/FormQuonthary.h"
#include "settings/IniFile.h"
#include "settings/IntegerText.h"
#include "system/Files.h"

void TFormQuonthary::LoadSkin() {
  const std::string folder = ProgramDir() + "Skin\\" + Cfg.ExtarnalImagesDirectory + "\\";
  const std::pair<const char*, ui::TImage*> pictures[] = {
      {"ac_plug.bmp", &ImageACPlug},
      {"arrow_charging.bmp", &ImageCharging},
      {"arrow_discharging.bmp", &ImageDischarging},
      {"connection_error.bmp", &ImageNoInternet},
      {"battery.bmp", &ImageBatt},
      {"charged.bmp", &ImagePrGreen},
      {"discharged.bmp", &ImagePrRed},
      {"mutedvolume.bmp", &ImageVolumeMute},
      {"volume.bmp", &ImageVolume},
  };
  for (const auto& [file, image] : pictures) {
    const std::string path = folder + file;
    if (!sys::files::FileExists(path)) continue;
    // A file that is not a picture we can read leaves the built-in one.
    if (auto bitmap = ui::Bitmap::LoadFromFile(path))
      image->SetPicture(std::make_shared<const ui::Bitmap>(std::move(*bitmap)));
  }

  const auto text = sys::files::ReadAll(folder + "colors.ini");
  if (!text) return;
  const settings::IniFile ini = settings::IniFile::Parse(*text);
  auto colour = [&](const char* key, ui::TColor& value) {
    if (auto stored = ini.Get("label_colors", key)) value = settings::IntOrDefault(*stored, value);
  };
  colour("WhenCharging", Cfg.WhenCharging);
  colour("WhenDischarging", Cfg.WhenDischarging);
  colour("WhenVolumeChanging", Cfg.VolumeChanging);
  colour("WhenMonitorOffInfo", Cfg.WhenChatging);
}
