// The settings dialog "Quonthary Settings": five pages of general, window, display, sound
// and hot-key options, OK and Cancel. The settings command copies the values in before the
// modal run and, after OK, copies them back and applies them (settings/SettingsCommand.cpp);
// the dialog itself lists the language files and skins, previews a skin's pictures and
// colours, picks colours and sound files, and checks the time and the address on OK.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/Dialog.h"
#include "indicator/SkinFiles.h"
#include "ui/Ui.h"

class TFormSettings;

// Whether a directory entry of "language\*.lng" with these attributes is offered.
bool ListedLanguageEntry(std::uint32_t attributes);

// One of the sound panels, N = 1 to 6; its components carry the number in their names. The
// four event panels (1 to 4) begin with a title; the two charge alerts (5 and 6) with the
// alert's switch in its place, then its threshold box and "%". Then, in one row, the choice
// of sound and the sound file.
struct TSoundPanel {
  TSoundPanel(TFormSettings* form, ui::TWinControl* sheet, int n, const char* title,
              bool alert = false);

  ui::TPanel Panel;
  ui::TLabel* LabelSound = nullptr;   // event panels
  ui::TCheckBox* cbxAlert = nullptr;  // alert panels
  ui::TEdit* edtAlert = nullptr;
  ui::TLabel* LabelPercent = nullptr;
  ui::TRadioButton rbtnBeeper;
  ui::TRadioButton rbtnSoundFile;
  ui::TRadioButton rbtnDisabled;
  ui::TEdit edtSound;
  ui::TSpeedButton sbtnOpen;

  // Places the row's parts after their texts, once translated: each radio button as wide as
  // its caption, the file box taking the rest; an alert's box and "%" right after its text.
  void Arrange();
};

class TFormSettings : public dialogs::TDialog {
 public:
  TFormSettings(ui::TComponent* owner, const dialogs::DialogEnv& env);

  // ---- components, with their design values ----
  ui::TPageControl PageControl1{this, "PageControl1", this, {8, 8, 540, 410}};

  // General
  ui::TTabSheet TabSheet1{this, "TabSheet1", &PageControl1, "General"};
  ui::TCheckBox cbxRunAtStartup{
      this, "cbxRunAtStartup", &TabSheet1, {16, 16, 480, 17}, "Run At Startup"};
  ui::TCheckBox cbxKeepInRegistry{
      this,
      "cbxKeepInRegistry",
      &TabSheet1,
      {16, 40, 480, 17},
      "Keep settings in Windows Registry (otherwise in Quonthary.ini file)"};
  ui::TCheckBox cbxLogWorkTime{
      this, "cbxLogWorkTime", &TabSheet1, {16, 64, 480, 17}, "Log battery work time to file"};
  ui::TLabel LabelLanguage{this, "LabelLanguage", &TabSheet1, {16, 100, 51, 13}, "Language:"};
  ui::TComboBox ComboBoxLanguage{this, "ComboBoxLanguage", &TabSheet1, {16, 116, 220, 21}};
  ui::TLabel LabelCurLanguage{this, "LabelCurLanguage", &TabSheet1, {16, 143, 0, 13}};

  // Window options
  ui::TTabSheet TabSheet3{this, "TabSheet3", &PageControl1, "Window options"};
  ui::TCheckBox cbxHideWhenFull{this,
                                "cbxHideWhenFull",
                                &TabSheet3,
                                {16, 12, 480, 17},
                                "Hide battery window when battery is full"};
  ui::TLabel LabelHide{this,
                       "LabelHide",
                       &TabSheet3,
                       {34, 31, 241, 13},
                       "Remember! Press WIN+F12 to show battery window"};
  ui::TCheckBox cbxShowWhenVolume{
      this, "cbxShowWhenVolume", &TabSheet3, {16, 50, 480, 17}, "Show window when volume changing"};
  ui::TRadioButton rbtnShowInTaskBar{
      this, "rbtnShowInTaskBar", &TabSheet3, {16, 82, 300, 17}, "Show battery in TaskBar"};
  ui::TCheckBox cbxAutoHeight{
      this, "cbxAutoHeight", &TabSheet3, {34, 104, 300, 17}, "Auto height on TaskBar"};
  ui::TLabel LabelDistance{
      this, "LabelDistance", &TabSheet3, {34, 134, 95, 13}, "Distance from tray:"};
  ui::TTrackBar tbarDistance{this, "tbarDistance", &TabSheet3, {214, 126, 240, 30}};
  ui::TLabel LabelDistVal{this, "LabelDistVal", &TabSheet3, {462, 134, 6, 13}, "0"};
  ui::TRadioButton rbtnShowInWindow{
      this, "rbtnShowInWindow", &TabSheet3, {16, 166, 300, 17}, "Show battery as window"};
  ui::TGroupBox GroupBox1{this, "GroupBox1", &TabSheet3, {34, 188, 482, 92}, " As window "};
  ui::TCheckBox cbxStayOnTop{
      this, "cbxStayOnTop", &GroupBox1, {12, 22, 300, 17}, "Stay battery window on top"};
  ui::TLabel Label1{this, "Label1", &GroupBox1, {12, 56, 140, 13}, "Battery window transparency"};
  ui::TTrackBar tbarTransparency{this, "tbarTransparency", &GroupBox1, {180, 48, 240, 30}};
  ui::TLabel lblTransparency{this, "lblTransparency", &GroupBox1, {428, 56, 15, 13}, "0%"};
  ui::TLabel Label6{this, "Label6", &TabSheet3, {16, 298, 108, 13}, "Battery window height"};
  ui::TTrackBar tbarWindowHeight{this, "tbarWindowHeight", &TabSheet3, {214, 290, 240, 30}};
  ui::TLabel lblBattHeight{this, "lblBattHeight", &TabSheet3, {462, 298, 6, 13}, "1"};
  ui::TLabel LabelRestartRequired{this,
                                  "LabelRestartRequired",
                                  &TabSheet3,
                                  {16, 338, 166, 13},
                                  "Restart of application required !"};

  // Display options
  ui::TTabSheet TabSheetDisplay{this, "TabSheetDisplay", &PageControl1, "Display options"};
  ui::TLabel Label2{this, "Label2", &TabSheetDisplay, {10, 8, 112, 13}, "Battery progress units:"};
  ui::TRadioButton rbtnPercentage{
      this, "rbtnPercentage", &TabSheetDisplay, {22, 25, 100, 17}, "Percentage"};
  ui::TRadioButton rbtnTime{this, "rbtnTime", &TabSheetDisplay, {130, 25, 100, 17}, "Time"};
  ui::TGroupBox GroupBox2{
      this, "GroupBox2", &TabSheetDisplay, {10, 46, 250, 70}, " Time of battery life "};
  ui::TRadioButton rbtnDefault{this, "rbtnDefault", &GroupBox2, {10, 18, 90, 17}, "Default"};
  ui::TRadioButton rbtnUserDefined{
      this, "rbtnUserDefined", &GroupBox2, {110, 18, 130, 17}, "User defined"};
  ui::TLabel Label7{this, "Label7", &GroupBox2, {10, 45, 10, 13}, "h:"};
  ui::TEdit edtUserH{this, "edtUserH", &GroupBox2, {26, 41, 30, 21}};
  ui::TLabel Label8{this, "Label8", &GroupBox2, {66, 45, 12, 13}, "m:"};
  ui::TEdit edtUserM{this, "edtUserM", &GroupBox2, {84, 41, 30, 21}};
  ui::TLabel Label9{this, "Label9", &GroupBox2, {124, 45, 10, 13}, "s:"};
  ui::TEdit edtUserS{this, "edtUserS", &GroupBox2, {140, 41, 30, 21}};
  ui::TCheckBox cbxDisplayDescription{this,
                                      "cbxDisplayDescription",
                                      &TabSheetDisplay,
                                      {10, 124, 250, 17},
                                      "Display description status info"};
  ui::TCheckBox cbxShowInfo{
      this, "cbxShowInfo", &TabSheetDisplay, {10, 143, 250, 17}, "Display time/percentage value"};
  ui::TCheckBox cbxShowBattWorkTime{this,
                                    "cbxShowBattWorkTime",
                                    &TabSheetDisplay,
                                    {10, 162, 250, 17},
                                    "Periodically show battery work time"};
  ui::TCheckBox cbxShowACPlug{
      this, "cbxShowACPlug", &TabSheetDisplay, {10, 181, 250, 17}, "Show AC plug icon"};
  ui::TCheckBox cbxShowChargeArrow{
      this, "cbxShowChargeArrow", &TabSheetDisplay, {10, 200, 250, 17}, "Show charging arrow"};
  ui::TCheckBox cbxShowDischargeArrow{this,
                                      "cbxShowDischargeArrow",
                                      &TabSheetDisplay,
                                      {10, 219, 250, 17},
                                      "Show discharging arrow"};
  ui::TCheckBox cbxShowMenuChange{this,
                                  "cbxShowMenuChange",
                                  &TabSheetDisplay,
                                  {10, 240, 330, 17},
                                  "Let change IP/Proxy from context menu"};
  ui::TCheckBox cbxShowMenuWindow{this,
                                  "cbxShowMenuWindow",
                                  &TabSheetDisplay,
                                  {10, 259, 330, 17},
                                  "Let call IP/Proxy Changer window from context menu"};
  ui::TCheckBox CheckBoxExtImages{
      this, "CheckBoxExtImages", &TabSheetDisplay, {276, 8, 240, 17}, "Use external skin"};
  ui::TComboBox ComboBoxGraphics{this, "ComboBoxGraphics", &TabSheetDisplay, {276, 28, 160, 21}};
  ui::TLabel LabelGraphics{this, "LabelGraphics", &TabSheetDisplay, {444, 32, 0, 13}};
  // The skin preview: the gauge with its marks.
  ui::TImage ImageBatt{this, "ImageBatt", &TabSheetDisplay, {276, 56, 53, 27}};
  ui::TImage ImagePrRed{this, "ImagePrRed", &TabSheetDisplay, {281, 57, 42, 25}};
  ui::TImage ImagePrGreen{this, "ImagePrGreen", &TabSheetDisplay, {281, 57, 26, 25}};
  ui::TImage Image1{this, "Image1", &TabSheetDisplay, {336, 58, 8, 9}};
  ui::TImage Image2{this, "Image2", &TabSheetDisplay, {336, 72, 8, 9}};
  ui::TImage ImageACPlug{this, "ImageACPlug", &TabSheetDisplay, {350, 62, 12, 14}};
  ui::TImage ImageNoInternet{this, "ImageNoInternet", &TabSheetDisplay, {368, 65, 8, 8}};
  ui::TImage ImageVolume{this, "ImageVolume", &TabSheetDisplay, {384, 58, 42, 9}};
  ui::TImage ImageVolumeMute{this, "ImageVolumeMute", &TabSheetDisplay, {384, 72, 42, 9}};
  ui::TCheckBox CheckBoxCheckConnection{this,
                                        "CheckBoxCheckConnection",
                                        &TabSheetDisplay,
                                        {276, 96, 240, 17},
                                        "Check connection with IP"};
  ui::TEdit EditCheckConnectionIP{
      this, "EditCheckConnectionIP", &TabSheetDisplay, {294, 116, 130, 21}};
  ui::TLabel LabelRestartReq2{this,
                              "LabelRestartReq2",
                              &TabSheetDisplay,
                              {276, 150, 166, 13},
                              "Restart of application required !"};
  // The text colours, each shown as "TEXT" over a small gauge.
  ui::TGroupBox GroupBoxFntColors{
      this, "GroupBoxFntColors", &TabSheetDisplay, {10, 282, 512, 92}, "Text color"};
  ui::TImage Image3{this, "Image3", &GroupBoxFntColors, {10, 18, 53, 27}};
  ui::TImage Image4{this, "Image4", &GroupBoxFntColors, {15, 19, 42, 25}};
  ui::TImage Image5{this, "Image5", &GroupBoxFntColors, {15, 19, 26, 25}};
  ui::TImage Image8{this, "Image8", &GroupBoxFntColors, {66, 27, 8, 9}};
  ui::TImage Image6{this, "Image6", &GroupBoxFntColors, {96, 18, 53, 27}};
  ui::TImage Image7{this, "Image7", &GroupBoxFntColors, {101, 19, 42, 25}};
  ui::TImage Image9{this, "Image9", &GroupBoxFntColors, {101, 19, 12, 25}};
  ui::TImage Image10{this, "Image10", &GroupBoxFntColors, {152, 27, 8, 9}};
  ui::TImage Image11{this, "Image11", &GroupBoxFntColors, {182, 18, 53, 27}};
  ui::TImage Image12{this, "Image12", &GroupBoxFntColors, {187, 19, 42, 25}};
  ui::TImage Image13{this, "Image13", &GroupBoxFntColors, {187, 19, 30, 25}};
  ui::TImage Image14{this, "Image14", &GroupBoxFntColors, {187, 19, 30, 9}};
  ui::TImage Image15{this, "Image15", &GroupBoxFntColors, {268, 18, 53, 27}};
  ui::TImage Image16{this, "Image16", &GroupBoxFntColors, {273, 19, 42, 25}};
  ui::TImage Image17{this, "Image17", &GroupBoxFntColors, {273, 19, 20, 25}};
  ui::TLabel Label3{this, "Label3", &GroupBoxFntColors, {10, 25, 53, 14}, "TEXT"};
  ui::TLabel Label4{this, "Label4", &GroupBoxFntColors, {96, 25, 53, 14}, "TEXT"};
  ui::TLabel Label5{this, "Label5", &GroupBoxFntColors, {182, 25, 53, 14}, "TEXT"};
  ui::TLabel Label10{this, "Label10", &GroupBoxFntColors, {268, 25, 53, 14}, "TEXT"};
  ui::TButton ButtonColCharge{
      this, "ButtonColCharge", &GroupBoxFntColors, {10, 54, 78, 25}, "Charging"};
  ui::TButton ButtonColDischrge{
      this, "ButtonColDischrge", &GroupBoxFntColors, {96, 54, 78, 25}, "Discharging"};
  ui::TButton ButtonColVolume{
      this, "ButtonColVolume", &GroupBoxFntColors, {182, 54, 78, 25}, "Volume"};
  ui::TButton ButtonColMonitor{
      this, "ButtonColMonitor", &GroupBoxFntColors, {268, 54, 78, 25}, "Monitor"};
  ui::TButton ButtonDefault{
      this, "ButtonDefault", &GroupBoxFntColors, {352, 18, 150, 25}, "Default"};
  ui::TButton ButtonSaveWith{
      this, "ButtonSaveWith", &GroupBoxFntColors, {352, 54, 150, 25}, "<- assign color to skin"};

  // Sound
  ui::TTabSheet TabSheet5{this, "TabSheet5", &PageControl1, "Sound"};
  TSoundPanel Sounds[6]{
      {this, &TabSheet5, 1, "AC plug pulled out sound:"},
      {this, &TabSheet5, 2, "AC plug pushed in sound:"},
      {this, &TabSheet5, 3, "Volume change:"},
      {this, &TabSheet5, 4, "No echo connetion with IP:"},
      {this, &TabSheet5, 5, "Warn when the battery falls to", true},
      {this, &TabSheet5, 6, "Remind me to unplug when charging reaches", true},
  };

  // Hot-Keys
  ui::TTabSheet TabSheet2{this, "TabSheet2", &PageControl1, "Hot-Keys"};
  ui::TCheckBox cbxHotKeyToFront{this,
                                 "cbxHotKeyToFront",
                                 &TabSheet2,
                                 {16, 16, 480, 17},
                                 "Win+F12 - Battery window to front (window mode)"};
  ui::TCheckBox cbxHotKeyMonOff{this,
                                "cbxHotKeyMonOff",
                                &TabSheet2,
                                {16, 42, 480, 17},
                                "Win+Esc - Set Monitor to suspend mode"};
  ui::TCheckBox cbxHotKeyVolume{this,
                                "cbxHotKeyVolume",
                                &TabSheet2,
                                {16, 68, 480, 17},
                                "Win+PageUp/PageDown - Master volume"};
  ui::TCheckBox cbxHotKeyMute{
      this, "cbxHotKeyMute", &TabSheet2, {16, 94, 480, 17}, "Win+End - Mute/Unmute audio"};
  ui::TCheckBox cbxHotKeyIPChanger{this,
                                   "cbxHotKeyIPChanger",
                                   &TabSheet2,
                                   {16, 120, 480, 17},
                                   "Win+Shift+1 - Show IP Address Changer window"};
  ui::TCheckBox cbxHotKeyProxyChanger{this,
                                      "cbxHotKeyProxyChanger",
                                      &TabSheet2,
                                      {16, 146, 480, 17},
                                      "Win+Shift+2 - Show Proxy Changer window"};
  ui::TCheckBox cbxHotKeyMacChanger{this,
                                    "cbxHotKeyMacChanger",
                                    &TabSheet2,
                                    {16, 172, 480, 17},
                                    "Win+Shift+3 - Show MAC Address Changer window"};
  ui::TCheckBox cbxHotKeyMonOn{
      this, "cbxHotKeyMonOn", &TabSheet2, {16, 198, 480, 17}, "Win+Ctrl+Esc - Awake Monitor"};

  ui::TButton ButtonOK{this, "ButtonOK", this, {392, 427, 75, 25}, "OK"};
  ui::TButton ButtonCancel{this, "ButtonCancel", this, {473, 427, 75, 25}, "Cancel"};

  ui::TOpenDialog OpenDialog{this, "OpenDialog"};
  ui::TColorDialog ColorDialog{this, "ColorDialog"};

  // The user-defined battery time in seconds: copied in, and after OK's check copied back.
  int UserDefBattFullTime = 0;

  // ---- handlers ----
  void ButtonOKClick(ui::TObject* sender);
  void ButtonCancelClick(ui::TObject* sender);
  void rbtnShowInWindowClick(ui::TObject* sender);
  void cbxHideWhenFullClick(ui::TObject* sender);
  void rbtnPercentageClick(ui::TObject* sender);
  void cbxShowInfoClick(ui::TObject* sender);
  void tbarWindowHeightChange(ui::TObject* sender);
  void tbarTransparencyChange(ui::TObject* sender);
  void tbarDistanceChange(ui::TObject* sender);
  void CheckBoxExtImagesClick(ui::TObject* sender);
  void ComboBoxGraphicsChange(ui::TObject* sender);
  void CheckBoxCheckConnectionClick(ui::TObject* sender);
  // ButtonColChargeClick, ButtonColDischrgeClick, ButtonColVolumeClick and
  // ButtonColMonitorClick: the colour dialog for the button's label.
  void ButtonColClick(ui::TLabel& label);
  void ButtonDefaultClick(ui::TObject* sender);
  void ButtonSaveWithClick(ui::TObject* sender);
  // rbtnBeeperNClick, shared by the three radio buttons of panel N.
  void rbtnBeeperClick(TSoundPanel& panel);
  // cbxAlertNClick: the threshold box follows its alert's switch.
  void cbxAlertClick(TSoundPanel& panel);
  // sbtnOpenNClick.
  void sbtnOpenClick(TSoundPanel& panel);

  // The skin folder that the skin list names now (the "Skin" folder for an empty text).
  std::string SkinFolder() const;
  // The preview pictures that a skin file replaces.
  std::vector<ui::TImage*> Previews(skins::Part part);
  // The font colours of Label3, Label4, Label5 and Label10.
  skins::Colours LabelColours() const;
  void SetLabelColours(const skins::Colours& colours);

 protected:
  void FormShow() override;

 private:
  // The label colours as stored, or as the user set them with the colour buttons while no
  // skin is used: the skin's colours show over them only while "Use external skin" is
  // ticked, so OK without skins keeps them.
  skins::Colours ownColours_{};
  void ShowSkinColours();
  void ListLanguages();
  void ListSkins();
  void FillTimeBoxes();
  // True when the time boxes hold a valid time (the seconds value is then set).
  bool CheckTimeBoxes();
  bool CheckConnectionAddress();
  // True when every alert that is on has a threshold of 1 to 99 %.
  bool CheckAlertThresholds();
};

// A charge alert's threshold as typed: 1 to 99, else nullopt.
std::optional<int> AlertThreshold(const std::string& text);
