// Skins: a folder below "Skin\" whose bitmaps replace the built-in pictures and whose
// "colors.ini" replaces the four text colours. Read once, at start.
#include <utility>

#include "app/FormQuonthary.h"
#include "indicator/SkinFiles.h"

void TFormQuonthary::LoadSkin() {
  using skins::Part;
  const std::pair<Part, ui::TImage*> images[] = {
      {Part::ACPlug, &ImageACPlug},
      {Part::ChargingArrow, &ImageCharging},
      {Part::DischargingArrow, &ImageDischarging},
      {Part::ConnectionError, &ImageNoInternet},
      {Part::Battery, &ImageBatt},
      {Part::Charged, &ImagePrGreen},
      {Part::Discharged, &ImagePrRed},
      {Part::MutedVolume, &ImageVolumeMute},
      {Part::Volume, &ImageVolume},
  };
  const std::string folder = skins::Folder(ProgramDir(), Cfg.ExtarnalImagesDirectory);
  skins::LoadPictures(folder, [&](Part part, const ui::PictureRef& picture) {
    for (const auto& [replaced, image] : images) {
      if (replaced != part) continue;
      image->SetPicture(picture);
      // The marks, the plug and the arrows show at their picture's own size (the scale
      // places them by their heights); the connection mark keeps its right edge.
      if (skins::OwnSize(part)) {
        const int right = image->Left() + image->Width();
        const int left = part == Part::ConnectionError ? right - picture->Width() : image->Left();
        image->SetBounds(left, image->Top(), picture->Width(), picture->Height());
      }
    }
  });

  skins::Colours colours{Cfg.WhenCharging, Cfg.WhenDischarging, Cfg.VolumeChanging,
                         Cfg.WhenChatging};
  skins::ReadColours(folder, colours);
  Cfg.WhenCharging = colours.Charging;
  Cfg.WhenDischarging = colours.Discharging;
  Cfg.VolumeChanging = colours.Volume;
  Cfg.WhenChatging = colours.Monitor;
}
