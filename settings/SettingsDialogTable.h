// The settings dialog's controls and the settings they show: one row per value, in the
// order the settings command copies them in. Each row also names the stage of OK's apply
// at which its value is copied back, so that the command can apply a value's effects right
// after it has taken the new value and before the later values change.
#pragma once
#include <vector>

#include "settings/Settings.h"

class TFormSettings;

namespace settings {

enum class DialogCopy {
  StorageSwitch,  // a check box and the storage switch
  CheckBox,       // a check box and a boolean
  RadioPair,      // two radio buttons: the first checked for true, the second for false
  Seconds,        // the dialog's own seconds value
  SizeStep,       // a track bar and the window scale ("BatteryHeight" step)
  Transparency,   // a track bar showing 255 - opacity
  TrackBar,       // a track bar and a number
  SoundOption,    // a sound panel's radio buttons: beep 2, sound file 1, disable 0
  Edit,           // an edit box and a text
  Language,       // shown in a label, chosen in the language list (the first entry = "")
  SkinFolder,     // shown in a label, chosen in the skin list
  FontColour,     // a label's font colour
  Percent,        // an edit box and a charge alert's threshold (1 to 99; anything else keeps it)
};

// When OK's apply copies a value back (the apply's order).
enum class ApplyStage {
  Storage,
  Language,
  Colours,
  RunAtStartup,
  WindowOptions,  // log, stay on top, display mode
  Display,        // texts, plug icon and arrows
  HideWhenFull,
  TimeAndHotKeys,
  Opacity,
  SoundOptions,
  DistanceAndFiles,
  MenusAndSkin,
  ConnectionCheck,
  Size,
};

struct DialogRow {
  DialogCopy How;
  const char* Setting;  // the value name in the settings table; nullptr for the two others
  const char* Control;  // the control (a label for Language and SkinFolder)
  const char* Other;    // the second radio button, the list, or the panel's sound-file button
  const char* Third;    // the panel's disable button
  ApplyStage Stage;
};

// Every row, in copy-in order.
const std::vector<DialogRow>& SettingsDialogTable();

// Fills the dialog from the settings and the storage switch, row by row.
void CopyIn(TFormSettings& form, const Settings& cfg, bool useRegistry);
// Copies back the rows of one stage. A sound panel with none of its buttons checked (a
// stored option outside the three) keeps the stored option.
void CopyBack(const TFormSettings& form, ApplyStage stage, Settings& cfg, bool& useRegistry);

}  // namespace settings
