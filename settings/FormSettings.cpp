#include "settings/FormSettings.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <limits>
#include <vector>

#include "dialogs/DialogLayout.h"
#include "i18n/CodePage1250.h"
#include "indicator/SkinFiles.h"
#include "settings/IntegerText.h"
#include "system/Environment.h"
#include "system/Files.h"

namespace {

const char kCaption[] = "Quonthary";
// "Uzupełnij adres IP, z którym ma być sprawdzone połączenie" in Windows-1250: the program's
// one fixed Polish text, shown as it is in every language.
const char kShortAddressText[] =
    "Uzupe\xB3nij adres IP, z kt\xF3rym ma by\xE6 sprawdzone po\xB3\xB9"
    "czenie";
// The shortest dotted address ("1.1.1.1", or the built-in "8.8.8.8") has seven characters;
// anything shorter is an address not yet typed in full.
constexpr std::size_t kShortestAddress = 7;

constexpr ui::TColor kWhite = 16777215;
constexpr ui::TColor kYellow = 65535;

// What a language file's directory entry may carry and still be offered: the bits a listing
// reports for ordinary files, and those that only say how the file is stored (a file on a
// compressed volume, or one left out of the search index, is a language file all the same).
constexpr std::uint32_t kListedAttributes =
    sys::FileAttrReadOnly | sys::FileAttrHidden | sys::FileAttrSystem | sys::FileAttrVolume |
    sys::FileAttrDirectory | sys::FileAttrArchive | sys::FileAttrNormal | sys::FileAttrCompressed |
    sys::FileAttrNotContentIndexed | sys::FileAttrEncrypted;

void SetRed(ui::TLabel& label) { label.SetFontColor(ui::clRed); }

ui::TFont PreviewFont() {
  ui::TFont f;
  f.Name = "Tahoma";
  f.Height = 11;
  f.Bold = true;
  return f;
}

// The built-in picture a skin file stands for: its upper-case base name.
ui::PictureRef BuiltinPicture(const char* fileName) {
  std::string name = fileName;
  name.erase(name.find('.'));
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return ui::Bitmap::Builtin(name.c_str());
}

}  // namespace

bool ListedLanguageEntry(std::uint32_t attributes) {
  return (attributes & ~kListedAttributes) == 0;
}

// ---- sound panels ----

namespace {
// A sound panel's component name: the kind's prefix and the panel's number.
std::string Numbered(const char* prefix, int n) { return prefix + std::to_string(n); }
}  // namespace

TSoundPanel::TSoundPanel(TFormSettings* form, ui::TWinControl* sheet, int n, const char* title,
                         bool alert)
    : Panel(form, Numbered("PanelSound", n), sheet, {10, 8 + (n - 1) * 60, 512, 54}),
      LabelSound(alert ? nullptr
                       : &form->Create<ui::TLabel>(Numbered("LabelSound", n), &Panel,
                                                   ui::Bounds{10, 6, 0, 13}, title)),
      cbxAlert(alert ? &form->Create<ui::TCheckBox>(Numbered("cbxAlert", n), &Panel,
                                                    ui::Bounds{10, 4, 300, 17}, title)
                     : nullptr),
      edtAlert(alert ? &form->Create<ui::TEdit>(Numbered("edtAlert", n), &Panel,
                                                ui::Bounds{314, 2, 28, 21})
                     : nullptr),
      LabelPercent(alert ? &form->Create<ui::TLabel>(Numbered("LabelPercent", n), &Panel,
                                                     ui::Bounds{346, 6, 0, 13}, "%")
                         : nullptr),
      rbtnBeeper(form, Numbered("rbtnBeeper", n), &Panel, {10, 30, 120, 17}, "Use build-in beep"),
      rbtnSoundFile(form, Numbered("rbtnSoundFile", n), &Panel, {134, 30, 104, 17},
                    "Use sound file"),
      rbtnDisabled(form, Numbered("rbtnDisabled", n), &Panel, {242, 30, 84, 17}, "Disable"),
      edtSound(form, Numbered("edtSound", n), &Panel, {332, 28, 150, 21}),
      sbtnOpen(form, Numbered("sbtnOpen", n), &Panel, {486, 27, 23, 23}, "...") {
  for (ui::TRadioButton* radio : {&rbtnBeeper, &rbtnSoundFile, &rbtnDisabled})
    radio->OnClick = [form, this](ui::TObject*) { form->rbtnBeeperClick(*this); };
  sbtnOpen.OnClick = [form, this](ui::TObject*) { form->sbtnOpenClick(*this); };
  if (alert) {
    edtAlert->SetMaxLength(2);
    cbxAlert->OnClick = [form, this](ui::TObject*) { form->cbxAlertClick(*this); };
  }
}

void TSoundPanel::Arrange() {
  auto textWidth = [](const ui::TControl& c) {
    return ui::CurrentBackend().MeasureText(c.Font(), c.Caption(), 0).Width;
  };
  // The room a check mark or a radio circle takes before the text, and after it.
  constexpr int kMark = 20, kGap = 8;
  if (cbxAlert) {
    cbxAlert->SetWidth(textWidth(*cbxAlert) + kMark);
    edtAlert->SetLeft(cbxAlert->Left() + cbxAlert->Width() + 2);
    LabelPercent->SetLeft(edtAlert->Left() + edtAlert->Width() + 4);
  }
  int left = rbtnBeeper.Left();
  for (ui::TRadioButton* radio : {&rbtnBeeper, &rbtnSoundFile, &rbtnDisabled}) {
    radio->SetBounds(left, radio->Top(), textWidth(*radio) + kMark, radio->Height());
    left = radio->Left() + radio->Width() + kGap;
  }
  edtSound.SetBounds(left, edtSound.Top(), sbtnOpen.Left() - 4 - left, edtSound.Height());
}

std::optional<int> AlertThreshold(const std::string& text) {
  const std::int64_t value = settings::IntOrDefault(text, -1);
  if (value < 1 || value > 99) return std::nullopt;
  return static_cast<int>(value);
}

// ---- the dialog ----

TFormSettings::TFormSettings(ui::TComponent* owner, const dialogs::DialogEnv& env)
    : dialogs::TDialog(owner, "FormSettings", env) {
  SetCaption("Quonthary Settings");
  SetBorderIcons(ui::biSystemMenu);
  SetPosition(ui::TPosition::ScreenCenter);
  SetClientSize(556, 460);

  // General
  ComboBoxLanguage.SetStyle(ui::TComboBoxStyle::DropDownList);
  LabelCurLanguage.SetFontColor(ui::clGray);

  // Window options
  SetRed(LabelHide);
  LabelHide.Hide();
  tbarDistance.SetRange(0, 200);
  tbarDistance.SetFrequency(10);
  tbarTransparency.SetRange(0, 204);
  tbarTransparency.SetFrequency(12);
  tbarWindowHeight.SetRange(3, 20);
  SetRed(LabelRestartRequired);
  LabelRestartRequired.Hide();

  // Display options
  for (ui::TEdit* box : {&edtUserH, &edtUserM, &edtUserS}) box->SetMaxLength(2);
  ComboBoxGraphics.SetStyle(ui::TComboBoxStyle::DropDownList);
  LabelGraphics.Hide();
  SetRed(LabelRestartReq2);
  LabelRestartReq2.Hide();
  for (const skins::File& file : skins::Files()) {
    const ui::PictureRef picture = BuiltinPicture(file.Name);
    for (ui::TImage* image : Previews(file.Replaces)) image->SetPicture(picture);
  }
  // The marks too: a skin's picture of another size shows whole in its preview place.
  for (ui::TImage* image :
       {&ImageBatt, &ImagePrRed, &ImagePrGreen, &Image3,         &Image4,  &Image5,
        &Image6,    &Image7,     &Image9,       &Image11,        &Image12, &Image13,
        &Image14,   &Image15,    &Image16,      &Image17,        &Image1,  &Image2,
        &Image8,    &Image10,    &ImageACPlug,  &ImageNoInternet})
    image->SetStretch(true);
  for (ui::TImage* mark : {&Image1, &Image2, &ImageACPlug, &ImageNoInternet, &ImageVolume,
                           &ImageVolumeMute, &Image8, &Image10, &Image14})
    mark->SetTransparent(true);
  for (ui::TLabel* label : {&Label3, &Label4, &Label5, &Label10}) {
    label->SetAutoSize(false);
    label->SetFont(PreviewFont());
    label->SetAlignment(ui::TAlignment::Center);
    label->SetTransparent(true);
  }

  ButtonOK.SetDefault(true);
  ButtonCancel.SetCancel(true);

  OpenDialog.Title = "Open sound file";
  OpenDialog.DefaultExt = "WAV";
  OpenDialog.Filter = "WAV File (*.wav)|*.wav|All files (*.*)|*.*";
  ColorDialog.FullOpen = true;
  ColorDialog.AnyColor = true;

  ButtonOK.OnClick = [this](ui::TObject* s) { ButtonOKClick(s); };
  ButtonCancel.OnClick = [this](ui::TObject* s) { ButtonCancelClick(s); };
  rbtnShowInWindow.OnClick = [this](ui::TObject* s) { rbtnShowInWindowClick(s); };
  rbtnShowInTaskBar.OnClick = rbtnShowInWindow.OnClick;
  cbxHideWhenFull.OnClick = [this](ui::TObject* s) { cbxHideWhenFullClick(s); };
  for (ui::TRadioButton* radio : {&rbtnPercentage, &rbtnTime, &rbtnDefault, &rbtnUserDefined})
    radio->OnClick = [this](ui::TObject* s) { rbtnPercentageClick(s); };
  cbxShowInfo.OnClick = [this](ui::TObject* s) { cbxShowInfoClick(s); };
  tbarWindowHeight.OnChange = [this](ui::TObject* s) { tbarWindowHeightChange(s); };
  tbarTransparency.OnChange = [this](ui::TObject* s) { tbarTransparencyChange(s); };
  tbarDistance.OnChange = [this](ui::TObject* s) { tbarDistanceChange(s); };
  CheckBoxExtImages.OnClick = [this](ui::TObject* s) { CheckBoxExtImagesClick(s); };
  ComboBoxGraphics.OnChange = [this](ui::TObject* s) { ComboBoxGraphicsChange(s); };
  CheckBoxCheckConnection.OnClick = [this](ui::TObject* s) { CheckBoxCheckConnectionClick(s); };
  ButtonColCharge.OnClick = [this](ui::TObject*) { ButtonColClick(Label3); };
  ButtonColDischrge.OnClick = [this](ui::TObject*) { ButtonColClick(Label4); };
  ButtonColVolume.OnClick = [this](ui::TObject*) { ButtonColClick(Label5); };
  ButtonColMonitor.OnClick = [this](ui::TObject*) { ButtonColClick(Label10); };
  ButtonDefault.OnClick = [this](ui::TObject* s) { ButtonDefaultClick(s); };
  ButtonSaveWith.OnClick = [this](ui::TObject* s) { ButtonSaveWithClick(s); };

  dialogs::SizeLabelsToText(*this);
}

std::vector<ui::TImage*> TFormSettings::Previews(skins::Part part) {
  using skins::Part;
  switch (part) {
    case Part::ACPlug:
      return {&ImageACPlug};
    case Part::ChargingArrow:
      return {&Image1, &Image8};
    case Part::DischargingArrow:
      return {&Image2, &Image10};
    case Part::ConnectionError:
      return {&ImageNoInternet};
    case Part::Battery:
      return {&ImageBatt, &Image3, &Image6, &Image11, &Image15};
    case Part::Charged:
      return {&ImagePrGreen, &Image5, &Image9, &Image13, &Image17};
    case Part::Discharged:
      return {&ImagePrRed, &Image4, &Image7, &Image12, &Image16};
    case Part::MutedVolume:
      return {&ImageVolumeMute};
    case Part::Volume:
      return {&ImageVolume, &Image14};
  }
  return {};
}

std::string TFormSettings::SkinFolder() const {
  return skins::Folder(Env().ProgramDir, ComboBoxGraphics.Text());
}

void TFormSettings::FormShow() {
  ownColours_ = LabelColours();
  // Translated by now: the second restart notice takes the first one's text.
  LabelRestartReq2.SetCaption(LabelRestartRequired.Caption());
  tbarWindowHeightChange(this);
  ListLanguages();
  // Translation reaches only the first panel's buttons; the others say the same.
  for (TSoundPanel& panel : Sounds) {
    panel.rbtnBeeper.SetCaption(Sounds[0].rbtnBeeper.Caption());
    panel.rbtnSoundFile.SetCaption(Sounds[0].rbtnSoundFile.Caption());
    panel.rbtnDisabled.SetCaption(Sounds[0].rbtnDisabled.Caption());
    panel.Arrange();
  }
  // A stored file that is no longer there, like the built-in English, selects the first entry.
  const int language = ComboBoxLanguage.IndexOfItem(LabelCurLanguage.Caption());
  ComboBoxLanguage.SetItemIndex(language < 0 ? 0 : language);

  rbtnShowInWindowClick(this);
  cbxShowInfoClick(this);
  rbtnPercentageClick(this);
  CheckBoxExtImagesClick(this);
  PageControl1.SetActivePage(&TabSheet1);
  FillTimeBoxes();
  tbarTransparencyChange(this);
  for (TSoundPanel& panel : Sounds) {
    rbtnBeeperClick(panel);
    if (panel.cbxAlert) cbxAlertClick(panel);
  }

  ListSkins();
  // A skin folder that is gone leaves the list without a selection, its text empty.
  ComboBoxGraphics.SetComboText(LabelGraphics.Caption());
  ComboBoxGraphicsChange(this);

  // The copy-in and the steps above have shown them; nothing has been changed yet.
  LabelRestartRequired.Hide();
  LabelRestartReq2.Hide();
  CheckBoxCheckConnectionClick(this);
}

void TFormSettings::ListLanguages() {
  std::vector<std::string> items{Msg("LabelDefLanguage")};
  for (const sys::DirEntry& entry : sys::files::List(Env().ProgramDir + "language\\*.lng"))
    if (ListedLanguageEntry(entry.Attributes)) items.push_back(entry.Name);
  ComboBoxLanguage.SetItems(std::move(items));
}

void TFormSettings::ListSkins() {
  std::vector<std::string> items;
  for (const sys::DirEntry& entry : sys::files::List(Env().ProgramDir + "Skin\\*")) {
    if (!(entry.Attributes & sys::FileAttrDirectory)) continue;
    if (entry.Name == "." || entry.Name == "..") continue;
    items.push_back(entry.Name);
  }
  ComboBoxGraphics.SetItems(std::move(items));
}

void TFormSettings::FillTimeBoxes() {
  const int t = UserDefBattFullTime;
  const int hours = t / 3600;
  const int minutes = (t - hours * 3600) / 60;
  const int seconds = t - hours * 3600 - minutes * 60;
  edtUserH.SetText(std::to_string(hours));
  edtUserM.SetText(std::to_string(minutes));
  edtUserS.SetText(std::to_string(seconds));
}

// ---- OK and Cancel ----

void TFormSettings::ButtonOKClick(ui::TObject*) {
  if (!CheckTimeBoxes()) return;
  if (!CheckConnectionAddress()) return;
  if (!CheckAlertThresholds()) return;
  SetModalResult(ui::mrOk);
}

bool TFormSettings::CheckTimeBoxes() {
  if (!(rbtnTime.Checked() && rbtnUserDefined.Checked())) return true;
  ui::TEdit* const boxes[] = {&edtUserH, &edtUserM, &edtUserS};
  std::int64_t value[3] = {};
  for (int i = 0; i < 3; ++i) {
    value[i] = settings::IntOrDefault(boxes[i]->Text(), -1);
    if (value[i] >= 0) continue;
    PageControl1.SetActivePage(&TabSheetDisplay);
    boxes[i]->SetFocus();
    ui::Application().MessageBox(Msg("LabelIncorrectValue"), kCaption,
                                 ui::MB_IconExclamation | ui::MB_Ok);
    return false;
  }
  // No upper bounds ("99" minutes is fine); a time too long to hold is the longest one.
  const std::int64_t total = value[0] * 3600 + value[1] * 60 + value[2];
  UserDefBattFullTime =
      static_cast<int>(std::min<std::int64_t>(total, std::numeric_limits<std::int32_t>::max()));
  return true;
}

bool TFormSettings::CheckConnectionAddress() {
  if (!CheckBoxCheckConnection.Checked()) return true;
  if (EditCheckConnectionIP.Text().size() >= kShortestAddress) return true;
  PageControl1.SetActivePage(&TabSheetDisplay);
  if (EditCheckConnectionIP.Enabled()) EditCheckConnectionIP.SetFocus();
  // Through the wide-character box: the system's own code page may lack its letters.
  ui::Application().MessageBoxWide(i18n::WideFromWindows1250(kShortAddressText), u"Quonthary",
                                   ui::MB_IconInformation | ui::MB_Ok);
  return false;
}

bool TFormSettings::CheckAlertThresholds() {
  for (TSoundPanel& panel : Sounds) {
    if (!panel.cbxAlert || !panel.cbxAlert->Checked()) continue;
    if (AlertThreshold(panel.edtAlert->Text())) continue;
    PageControl1.SetActivePage(&TabSheet5);
    panel.edtAlert->SetFocus();
    ui::Application().MessageBox(Msg("LabelIncorrectValue"), kCaption,
                                 ui::MB_IconExclamation | ui::MB_Ok);
    return false;
  }
  return true;
}

void TFormSettings::ButtonCancelClick(ui::TObject*) { SetModalResult(ui::mrCancel); }

// ---- enable rules and live labels ----

void TFormSettings::rbtnShowInWindowClick(ui::TObject*) {
  LabelRestartRequired.Show();
  const bool window = rbtnShowInWindow.Checked();
  for (ui::TControl* c : std::initializer_list<ui::TControl*>{&cbxStayOnTop, &tbarTransparency,
                                                              &Label1, &lblTransparency})
    c->SetEnabled(window);
  const bool taskbar = rbtnShowInTaskBar.Checked();
  for (ui::TControl* c :
       std::initializer_list<ui::TControl*>{&cbxAutoHeight, &tbarDistance, &LabelDistance})
    c->SetEnabled(taskbar);
}

void TFormSettings::cbxHideWhenFullClick(ui::TObject*) {
  LabelHide.SetVisible(cbxHideWhenFull.Checked());
}

void TFormSettings::rbtnPercentageClick(ui::TObject*) {
  const bool time = rbtnTime.Checked();
  rbtnDefault.SetEnabled(time);
  rbtnUserDefined.SetEnabled(time);
  const bool ownTime = time && rbtnUserDefined.Checked();
  for (ui::TControl* c : std::initializer_list<ui::TControl*>{&Label7, &Label8, &Label9, &edtUserH,
                                                              &edtUserM, &edtUserS})
    c->SetEnabled(ownTime);
}

void TFormSettings::cbxShowInfoClick(ui::TObject*) {
  // Nothing depends on it within the dialog.
}

void TFormSettings::tbarWindowHeightChange(ui::TObject*) {
  // The bar's 3 to 20 are the sizes 1 to 18 the user counts.
  lblBattHeight.SetCaption(std::to_string(tbarWindowHeight.Position() - 2));
}

void TFormSettings::tbarTransparencyChange(ui::TObject*) {
  lblTransparency.SetCaption(std::to_string(tbarTransparency.Position() * 100 / 255) + "%");
}

void TFormSettings::tbarDistanceChange(ui::TObject*) {
  LabelDistVal.SetCaption(std::to_string(tbarDistance.Position()));
}

void TFormSettings::CheckBoxExtImagesClick(ui::TObject*) {
  LabelRestartReq2.Show();
  ComboBoxGraphics.SetEnabled(CheckBoxExtImages.Checked());
  ShowSkinColours();
}

void TFormSettings::CheckBoxCheckConnectionClick(ui::TObject*) {
  EditCheckConnectionIP.SetEnabled(CheckBoxCheckConnection.Checked());
}

void TFormSettings::rbtnBeeperClick(TSoundPanel& panel) {
  // A disabled box keeps its text, and OK still stores it.
  const bool file = panel.rbtnSoundFile.Checked();
  panel.edtSound.SetEnabled(file);
  panel.sbtnOpen.SetEnabled(file);
}

void TFormSettings::cbxAlertClick(TSoundPanel& panel) {
  panel.edtAlert->SetEnabled(panel.cbxAlert->Checked());
}

void TFormSettings::sbtnOpenClick(TSoundPanel& panel) {
  // Opens where the current file lies; the default files are named from the program's folder.
  std::string current = panel.edtSound.Text();
  const bool absolute = current.size() > 1 && (current[1] == ':' || current[0] == '\\');
  if (!current.empty() && !absolute) current = Env().ProgramDir + current;
  OpenDialog.InitialDir = current.empty() ? Env().ProgramDir : sys::DirectoryOf(current);
  OpenDialog.FileName.clear();
  if (OpenDialog.Execute()) panel.edtSound.SetText(OpenDialog.FileName);
}

// ---- skin preview and colours ----

void TFormSettings::ComboBoxGraphicsChange(ui::TObject*) {
  LabelRestartReq2.Show();
  const std::string folder = SkinFolder();
  skins::LoadPictures(folder, [this](skins::Part part, const ui::PictureRef& picture) {
    for (ui::TImage* image : Previews(part)) image->SetPicture(picture);
  });
  ShowSkinColours();
}

void TFormSettings::ShowSkinColours() {
  skins::Colours colours = ownColours_;
  if (CheckBoxExtImages.Checked()) skins::ReadColours(SkinFolder(), colours);
  SetLabelColours(colours);
}

void TFormSettings::ButtonColClick(ui::TLabel& label) {
  ColorDialog.Color = label.Font().Color;
  if (!ColorDialog.Execute()) return;
  label.SetFontColor(ColorDialog.Color);
  if (!CheckBoxExtImages.Checked()) ownColours_ = LabelColours();
}

void TFormSettings::ButtonDefaultClick(ui::TObject*) {
  SetLabelColours({kWhite, kWhite, kYellow, kWhite});
  if (!CheckBoxExtImages.Checked()) ownColours_ = LabelColours();
}

void TFormSettings::ButtonSaveWithClick(ui::TObject*) {
  // A file that cannot be written ends the click with its error; the dialog stays open.
  skins::WriteColours(SkinFolder(), LabelColours());
}

skins::Colours TFormSettings::LabelColours() const {
  return {Label3.Font().Color, Label4.Font().Color, Label5.Font().Color, Label10.Font().Color};
}

void TFormSettings::SetLabelColours(const skins::Colours& colours) {
  Label3.SetFontColor(colours.Charging);
  Label4.SetFontColor(colours.Discharging);
  Label5.SetFontColor(colours.Volume);
  Label10.SetFontColor(colours.Monitor);
}
