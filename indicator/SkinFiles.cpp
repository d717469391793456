#include "indicator/SkinFiles.h"

#include <memory>

#include "settings/IniFile.h"
#include "settings/IntegerText.h"
#include "system/Files.h"

namespace skins {

namespace {

const char kColoursFile[] = "colors.ini";
const char kColoursSection[] = "label_colors";

struct ColourKey {
  const char* Name;
  ui::TColor Colours::*Field;
};
const ColourKey kColourKeys[] = {
    {"WhenCharging", &Colours::Charging},
    {"WhenDischarging", &Colours::Discharging},
    {"WhenVolumeChanging", &Colours::Volume},
    {"WhenMonitorOffInfo", &Colours::Monitor},
};

}  // namespace

const std::array<File, 9>& Files() {
  static const std::array<File, 9> files{{
      {"ac_plug.bmp", Part::ACPlug},
      {"arrow_charging.bmp", Part::ChargingArrow},
      {"arrow_discharging.bmp", Part::DischargingArrow},
      {"connection_error.bmp", Part::ConnectionError},
      {"battery.bmp", Part::Battery},
      {"charged.bmp", Part::Charged},
      {"discharged.bmp", Part::Discharged},
      {"mutedvolume.bmp", Part::MutedVolume},
      {"volume.bmp", Part::Volume},
  }};
  return files;
}

std::string Folder(const std::string& programDir, const std::string& name) {
  std::string folder = programDir + "Skin\\";
  if (!name.empty()) folder += name + "\\";
  return folder;
}

void LoadPictures(const std::string& folder,
                  const std::function<void(Part, const ui::PictureRef&)>& put) {
  for (const File& file : Files()) {
    const std::string path = folder + file.Name;
    if (!sys::files::FileExists(path)) continue;
    // A file that is not a picture we can read leaves the picture as it was.
    if (auto bitmap = ui::Bitmap::LoadFromFile(path))
      put(file.Replaces, std::make_shared<const ui::Bitmap>(std::move(*bitmap)));
  }
}

void ReadColours(const std::string& folder, Colours& colours) {
  const auto text = sys::files::ReadAll(folder + kColoursFile);
  if (!text) return;
  const settings::IniFile ini = settings::IniFile::Parse(*text);
  for (const ColourKey& key : kColourKeys) {
    ui::TColor& value = colours.*key.Field;
    if (auto stored = ini.Get(kColoursSection, key.Name))
      value = settings::IntOrDefault(*stored, value);
  }
}

void WriteColours(const std::string& folder, const Colours& colours) {
  const std::string path = folder + kColoursFile;
  settings::IniFile ini = settings::IniFile::Parse(sys::files::ReadAll(path).value_or(""));
  for (const ColourKey& key : kColourKeys)
    ini.Set(kColoursSection, key.Name, std::to_string(colours.*key.Field));
  sys::files::WriteReplacing(path, ini.Serialize());
}

}  // namespace skins
