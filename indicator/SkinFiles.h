// What a skin folder below "Skin\" may hold: bitmaps that replace the gauge's pictures, and
// "colors.ini" with the four text colours. Read by the indicator at start and by the
// settings dialog's preview, which also writes the colours back.
#pragma once
#include <array>
#include <functional>
#include <string>

#include "ui/Bitmap.h"
#include "ui/Types.h"

namespace skins {

// The pictures a skin replaces, in the order their files are read.
enum class Part {
  ACPlug,
  ChargingArrow,
  DischargingArrow,
  ConnectionError,
  Battery,
  Charged,
  Discharged,
  MutedVolume,
  Volume,
};

// The pictures shown at their own size rather than stretched to their place: the plug, the
// arrows and the connection mark.
inline bool OwnSize(Part part) {
  return part == Part::ACPlug || part == Part::ChargingArrow || part == Part::DischargingArrow ||
         part == Part::ConnectionError;
}

struct File {
  const char* Name;  // "battery.bmp"
  Part Replaces;
};
const std::array<File, 9>& Files();

// Program folder + "Skin\" + name + "\"; for an empty name the "Skin" folder itself.
std::string Folder(const std::string& programDir, const std::string& name);

// Hands every file of the table that is in the folder and reads as a picture to put, in
// table order; missing and unreadable files are skipped.
void LoadPictures(const std::string& folder,
                  const std::function<void(Part, const ui::PictureRef&)>& put);

// The four text colours of section "label_colors".
struct Colours {
  ui::TColor Charging = 0;     // "WhenCharging"
  ui::TColor Discharging = 0;  // "WhenDischarging"
  ui::TColor Volume = 0;       // "WhenVolumeChanging"
  ui::TColor Monitor = 0;      // "WhenMonitorOffInfo"
};

// Replaces the colours that the folder's "colors.ini" holds; the others, and all four when
// there is no such file, stay as they are.
void ReadColours(const std::string& folder, Colours& colours);
// Writes the four into the folder's "colors.ini", keeping every other section and key.
// Throws sys::FileCreateError when the file cannot be written (it then stays as it was).
void WriteColours(const std::string& folder, const Colours& colours);

}  // namespace skins
