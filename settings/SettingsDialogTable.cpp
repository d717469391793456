#include "settings/SettingsDialogTable.h"

#include <string>

#include "settings/FormSettings.h"
#include "settings/NameSlots.h"
#include "settings/SettingsTable.h"
#include "system/Error.h"

namespace settings {

namespace {

using C = DialogCopy;
using A = ApplyStage;

// clang-format off
const std::vector<DialogRow> kRows = {
    {C::StorageSwitch, nullptr, "cbxKeepInRegistry", nullptr, nullptr, A::Storage},
    {C::CheckBox, "RunAtStartup", "cbxRunAtStartup", nullptr, nullptr, A::RunAtStartup},
    {C::CheckBox, "LogWorkTime", "cbxLogWorkTime", nullptr, nullptr, A::WindowOptions},
    {C::CheckBox, "StayOnTop", "cbxStayOnTop", nullptr, nullptr, A::WindowOptions},
    {C::RadioPair, "ShowInTaskBar", "rbtnShowInTaskBar", "rbtnShowInWindow", nullptr, A::WindowOptions},
    {C::CheckBox, "ShowInfoText", "cbxDisplayDescription", nullptr, nullptr, A::Display},
    {C::CheckBox, "ShowTimeInfo", "cbxShowInfo", nullptr, nullptr, A::Display},
    {C::CheckBox, "ShowTimeOnBattery", "cbxShowBattWorkTime", nullptr, nullptr, A::Display},
    {C::CheckBox, "ShowACPlugIcon", "cbxShowACPlug", nullptr, nullptr, A::Display},
    {C::CheckBox, "ShowChargArrow", "cbxShowChargeArrow", nullptr, nullptr, A::Display},
    {C::CheckBox, "ShowDischargArrow", "cbxShowDischargeArrow", nullptr, nullptr, A::Display},
    {C::CheckBox, "HideWindowWhenFull", "cbxHideWhenFull", nullptr, nullptr, A::HideWhenFull},
    {C::CheckBox, "ShowWhenVolChanging", "cbxShowWhenVolume", nullptr, nullptr, A::TimeAndHotKeys},
    {C::RadioPair, "Percentage", "rbtnPercentage", "rbtnTime", nullptr, A::TimeAndHotKeys},
    {C::RadioPair, "UseLifeTimeDefault", "rbtnDefault", "rbtnUserDefined", nullptr, A::TimeAndHotKeys},
    {C::Seconds, "UserDefBattFullTime", nullptr, nullptr, nullptr, A::TimeAndHotKeys},
    {C::CheckBox, "HotKeyWindowToFront", "cbxHotKeyToFront", nullptr, nullptr, A::TimeAndHotKeys},
    {C::CheckBox, "HotKeyMonOff", "cbxHotKeyMonOff", nullptr, nullptr, A::TimeAndHotKeys},
    {C::CheckBox, "HotKeyMonOn", "cbxHotKeyMonOn", nullptr, nullptr, A::TimeAndHotKeys},
    {C::CheckBox, "HotKeyVolume", "cbxHotKeyVolume", nullptr, nullptr, A::TimeAndHotKeys},
    {C::CheckBox, "HotKeyMute", "cbxHotKeyMute", nullptr, nullptr, A::TimeAndHotKeys},
    {C::CheckBox, "HotKeyIPChanger", "cbxHotKeyIPChanger", nullptr, nullptr, A::TimeAndHotKeys},
    {C::CheckBox, "HotKeyProxyChanger", "cbxHotKeyProxyChanger", nullptr, nullptr, A::TimeAndHotKeys},
    {C::CheckBox, "HotKeyMacChanger", "cbxHotKeyMacChanger", nullptr, nullptr, A::TimeAndHotKeys},
    {C::SizeStep, "BatteryHeight", "tbarWindowHeight", nullptr, nullptr, A::Size},
    {C::CheckBox, "AutoHeightOnTaskBar", "cbxAutoHeight", nullptr, nullptr, A::Size},
    {C::Transparency, "Alpha", "tbarTransparency", nullptr, nullptr, A::Opacity},
    {C::TrackBar, "PositionFromTray", "tbarDistance", nullptr, nullptr, A::DistanceAndFiles},
    {C::SoundOption, "SoundOption1", "rbtnBeeper1", "rbtnSoundFile1", "rbtnDisabled1", A::SoundOptions},
    {C::SoundOption, "SoundOption2", "rbtnBeeper2", "rbtnSoundFile2", "rbtnDisabled2", A::SoundOptions},
    {C::SoundOption, "SoundOption3", "rbtnBeeper3", "rbtnSoundFile3", "rbtnDisabled3", A::SoundOptions},
    {C::SoundOption, "SoundOption4", "rbtnBeeper4", "rbtnSoundFile4", "rbtnDisabled4", A::SoundOptions},
    {C::Edit, "SoundPlugOutSound", "edtSound1", nullptr, nullptr, A::DistanceAndFiles},
    {C::Edit, "SoundPlugInSound", "edtSound2", nullptr, nullptr, A::DistanceAndFiles},
    {C::Edit, "SoundVolume", "edtSound3", nullptr, nullptr, A::DistanceAndFiles},
    {C::Edit, "SoundNoConn", "edtSound4", nullptr, nullptr, A::DistanceAndFiles},
    {C::CheckBox, "ShowMenuChange", "cbxShowMenuChange", nullptr, nullptr, A::MenusAndSkin},
    {C::CheckBox, "ShowMenuWindow", "cbxShowMenuWindow", nullptr, nullptr, A::MenusAndSkin},
    {C::Language, "LanguageFile", "LabelCurLanguage", "ComboBoxLanguage", nullptr, A::Language},
    {C::CheckBox, "UseExtarnalImages", "CheckBoxExtImages", nullptr, nullptr, A::MenusAndSkin},
    {C::SkinFolder, "ExtarnalImagesDirectory", "LabelGraphics", "ComboBoxGraphics", nullptr, A::MenusAndSkin},
    {C::CheckBox, "ConnectionCheck", "CheckBoxCheckConnection", nullptr, nullptr, A::ConnectionCheck},
    {C::Edit, "ConnectionIP", "EditCheckConnectionIP", nullptr, nullptr, A::ConnectionCheck},
    {C::FontColour, "WhenCharging", "Label3", nullptr, nullptr, A::Colours},
    {C::FontColour, "WhenDischarging", "Label4", nullptr, nullptr, A::Colours},
    {C::FontColour, "VolumeChanging", "Label5", nullptr, nullptr, A::Colours},
    {C::FontColour, "WhenChatging", "Label10", nullptr, nullptr, A::Colours},
    {C::CheckBox, "AlertLowCharge", "cbxAlert5", nullptr, nullptr, A::SoundOptions},
    {C::Percent, "AlertLowChargeAt", "edtAlert5", nullptr, nullptr, A::SoundOptions},
    {C::CheckBox, "AlertUnplug", "cbxAlert6", nullptr, nullptr, A::SoundOptions},
    {C::Percent, "AlertUnplugAt", "edtAlert6", nullptr, nullptr, A::SoundOptions},
    {C::SoundOption, "SoundOption5", "rbtnBeeper5", "rbtnSoundFile5", "rbtnDisabled5", A::SoundOptions},
    {C::SoundOption, "SoundOption6", "rbtnBeeper6", "rbtnSoundFile6", "rbtnDisabled6", A::SoundOptions},
    {C::Edit, "SoundLowCharge", "edtSound5", nullptr, nullptr, A::DistanceAndFiles},
    {C::Edit, "SoundUnplug", "edtSound6", nullptr, nullptr, A::DistanceAndFiles},
};
// clang-format on

// The dialog's components by name, looked up once per copy: the rows name about a hundred
// of its several hundred, which one search each went through from the start.
class Named {
 public:
  explicit Named(const TFormSettings& form) {
    for (ui::TComponent* c : form.Components()) {
      if (c->Name().empty()) continue;
      list_.push_back(c);
      slots_.Add(list_.size(), NameOf, &list_);
    }
  }

  // A control of the row: a row naming a control the dialog lacks is a fault of this table,
  // found by the first copy.
  template <class T>
  T& Get(const char* name) const {
    const std::size_t at = name ? slots_.Find(name, NameOf, &list_) : NameSlots::npos;
    auto* found = at == NameSlots::npos ? nullptr : dynamic_cast<T*>(list_[at]);
    if (!found) throw sys::Error(std::string("settings dialog: no control ") + (name ? name : "?"));
    return *found;
  }

 private:
  static const std::string& NameOf(const void* list, std::size_t i) {
    return (*static_cast<const std::vector<ui::TComponent*>*>(list))[i]->Name();
  }
  std::vector<ui::TComponent*> list_;
  NameSlots slots_;
};

// The setting of a row, each found once.
const Setting& Row(const DialogRow& row) {
  static const std::vector<const Setting*> settings = [] {
    std::vector<const Setting*> found;
    for (const DialogRow& r : kRows) found.push_back(r.Setting ? FindSetting(r.Setting) : nullptr);
    return found;
  }();
  const Setting* s = settings[static_cast<std::size_t>(&row - kRows.data())];
  if (!s) throw sys::Error(std::string("settings dialog: no setting ") + row.Setting);
  return *s;
}

}  // namespace

const std::vector<DialogRow>& SettingsDialogTable() { return kRows; }

void CopyIn(TFormSettings& form, const Settings& cfg, bool useRegistry) {
  const Named named(form);
  for (const DialogRow& row : kRows) {
    switch (row.How) {
      case C::StorageSwitch:
        named.Get<ui::TCheckBox>(row.Control).SetChecked(useRegistry);
        break;
      case C::CheckBox:
        named.Get<ui::TCheckBox>(row.Control).SetChecked(cfg.*Row(row).Flag);
        break;
      case C::RadioPair: {
        const bool value = cfg.*Row(row).Flag;
        named.Get<ui::TRadioButton>(row.Control).SetChecked(value);
        named.Get<ui::TRadioButton>(row.Other).SetChecked(!value);
        break;
      }
      case C::Seconds:
        form.UserDefBattFullTime = cfg.*Row(row).Number;
        break;
      case C::SizeStep:
        named.Get<ui::TTrackBar>(row.Control).SetPosition(StepOfScale(cfg.*Row(row).Scale));
        break;
      case C::Transparency:
        named.Get<ui::TTrackBar>(row.Control).SetPosition(255 - cfg.*Row(row).Number);
        break;
      case C::TrackBar:
        named.Get<ui::TTrackBar>(row.Control).SetPosition(cfg.*Row(row).Number);
        break;
      case C::SoundOption: {
        const int option = cfg.*Row(row).Number;
        named.Get<ui::TRadioButton>(row.Control).SetChecked(option == 2);
        named.Get<ui::TRadioButton>(row.Other).SetChecked(option == 1);
        named.Get<ui::TRadioButton>(row.Third).SetChecked(option == 0);
        break;
      }
      case C::Edit:
        named.Get<ui::TEdit>(row.Control).SetText(cfg.*Row(row).Text);
        break;
      case C::Language:
      case C::SkinFolder:
        // The list is filled when the dialog is shown; the label tells it what to select.
        named.Get<ui::TLabel>(row.Control).SetCaption(cfg.*Row(row).Text);
        break;
      case C::FontColour:
        named.Get<ui::TLabel>(row.Control).SetFontColor(cfg.*Row(row).Number);
        break;
      case C::Percent:
        named.Get<ui::TEdit>(row.Control).SetText(std::to_string(cfg.*Row(row).Number));
        break;
    }
  }
}

void CopyBack(const TFormSettings& form, ApplyStage stage, Settings& cfg, bool& useRegistry) {
  const Named named(form);
  for (const DialogRow& row : kRows) {
    if (row.Stage != stage) continue;
    switch (row.How) {
      case C::StorageSwitch:
        useRegistry = named.Get<ui::TCheckBox>(row.Control).Checked();
        break;
      case C::CheckBox:
        cfg.*Row(row).Flag = named.Get<ui::TCheckBox>(row.Control).Checked();
        break;
      case C::RadioPair:
        cfg.*Row(row).Flag = named.Get<ui::TRadioButton>(row.Control).Checked();
        break;
      case C::Seconds:
        cfg.*Row(row).Number = form.UserDefBattFullTime;
        break;
      case C::SizeStep:
        cfg.*Row(row).Scale = ScaleOfStep(named.Get<ui::TTrackBar>(row.Control).Position());
        break;
      case C::Transparency:
        cfg.*Row(row).Number = 255 - named.Get<ui::TTrackBar>(row.Control).Position();
        break;
      case C::TrackBar:
        cfg.*Row(row).Number = named.Get<ui::TTrackBar>(row.Control).Position();
        break;
      case C::SoundOption:
        if (named.Get<ui::TRadioButton>(row.Control).Checked())
          cfg.*Row(row).Number = 2;
        else if (named.Get<ui::TRadioButton>(row.Other).Checked())
          cfg.*Row(row).Number = 1;
        else if (named.Get<ui::TRadioButton>(row.Third).Checked())
          cfg.*Row(row).Number = 0;
        break;
      case C::Edit:
        cfg.*Row(row).Text = named.Get<ui::TEdit>(row.Control).Text();
        break;
      case C::Language: {
        const auto& list = named.Get<ui::TComboBox>(row.Other);
        cfg.*Row(row).Text = list.ItemIndex() > 0 ? list.Text() : std::string();
        break;
      }
      case C::SkinFolder:
        cfg.*Row(row).Text = named.Get<ui::TComboBox>(row.Other).Text();
        break;
      case C::FontColour:
        cfg.*Row(row).Number = named.Get<ui::TLabel>(row.Control).Font().Color;
        break;
      case C::Percent:
        if (auto percent = AlertThreshold(named.Get<ui::TEdit>(row.Control).Text()))
          cfg.*Row(row).Number = *percent;
        break;
    }
  }
}

}  // namespace settings
