#include "app/FormQuonthary.h"

#include "app/ContextMenuLook.h"
#include "changers/FormMacChanger.h"
#include "changers/FormProxy.h"
#include "dialogs/FormAbout.h"
#include "dialogs/FormBatteryHistory.h"
#include "dialogs/FormMsgBox.h"
#include "i18n/FormLanguage.h"
#include "i18n/Translate.h"
#include "profiles/FormChanger.h"
#include "profiles/FormIPChanger.h"
#include "profiles/FormImportSettings.h"
#include "profiles/FormMessageChanger.h"
#include "profiles/FormProfilesOrder.h"
#include "settings/FormSettings.h"
#include "system/Environment.h"

TFormQuonthary* FormQuonthary = nullptr;

namespace {

ui::TFont Tahoma(int height) {
  ui::TFont f;
  f.Name = "Tahoma";
  f.Height = height;
  f.Color = ui::clSilver;
  return f;
}

}  // namespace

TFormQuonthary::TFormQuonthary(ui::TForm& ownerForm, const sys::Platform& platform)
    : ui::TForm(&ownerForm, "FormQuonthary"),
      Sys(platform),
      Store(platform.Reg, sys::ChangeFileExt(platform.Env.ExePath(), ".ini")),
      Volume(platform.Mix, platform.Endpoint),
      ownerForm_(ownerForm) {
  FormQuonthary = this;
  // The owner form's window owns this one, so the indicator gets no taskbar button.
  SetWndParent(ownerForm.Handle());
  SetBorderStyle(ui::TBorderStyle::None);
  SetColor(ui::clBtnFace);
  SetClientSize(115, 101);
  SetShowHint(true);
  SetPopupMenu(&PopupMenu);
  ApplyContextMenuLook(*this, PopupMenu);

  auto picture = [](ui::TImage& image, const char* resource) {
    image.SetPicture(ui::Bitmap::Builtin(resource));
  };
  picture(ImageBatt, "BATTERY");
  ImageBatt.SetStretch(true);
  picture(ImagePrRed, "DISCHARGED");
  ImagePrRed.SetStretch(true);
  picture(ImagePrGreen, "CHARGED");
  ImagePrGreen.SetStretch(true);
  for (ui::TImage* mark : {&ImageStatusCri, &ImageStatusLow, &ImageNoInternet, &ImageACPlug,
                           &ImageCharging, &ImageDischarging, &ImageVolume, &ImageVolumeMute}) {
    mark->SetTransparent(true);
    mark->Hide();
  }
  picture(ImageStatusCri, "STATUS_CRITICAL");
  ImageStatusCri.SetHint("Critical Battery Level");
  picture(ImageStatusLow, "STATUS_LOW");
  ImageStatusLow.SetHint("Low Battery Level");
  picture(ImageNoInternet, "CONNECTION_ERROR");
  ImageNoInternet.SetHint("No connection with the checked address");
  ImageNoInternet.SetAnchors(ui::akTop | ui::akRight);
  picture(ImageACPlug, "AC_PLUG");
  ImageACPlug.SetHint("AC Line");
  picture(ImageCharging, "ARROW_CHARGING");
  ImageCharging.SetHint("Battery Charging");
  ImageCharging.SetPopupMenu(&PopupMenu);
  picture(ImageDischarging, "ARROW_DISCHARGING");
  ImageDischarging.SetHint("Battery Discharging");
  picture(ImageVolume, "VOLUME");
  picture(ImageVolumeMute, "MUTEDVOLUME");

  for (ui::TLabel* label : {&LabelState, &LabelTimeToEnd}) {
    label->SetAlignment(ui::TAlignment::RightJustify);
    label->SetTransparent(true);
    // They show the messages and figures of each tick, not texts of their own.
    label->SetShowAccelChar(false);
    label->Hide();
  }
  LabelState.SetFont(Tahoma(9));
  LabelTimeToEnd.SetFont(Tahoma(11));

  // Every part of the gauge passes double clicks and the mouse on to the form's handlers.
  for (ui::TControl* part : Controls()) {
    part->SetShowHint(true);
    part->OnDblClick = [this](ui::TObject* s) { ImageBattDblClick(s); };
    part->OnMouseDown = [this](ui::TObject* s, ui::TMouseButton b, ui::TShiftState sh, int x,
                               int y) { FormMouseDown(s, b, sh, x, y); };
    part->OnMouseMove = [this](ui::TObject* s, ui::TShiftState sh, int x, int y) {
      FormMouseMove(s, sh, x, y);
    };
  }
  OnMouseDown = Controls().front()->OnMouseDown;
  OnMouseMove = Controls().front()->OnMouseMove;
  OnShow = [this](ui::TObject* s) { FormShow(s); };
  OnMessage = [this](unsigned m, std::uintptr_t w, std::intptr_t l) {
    return FormMessage(m, w, l);
  };

  BuildContextMenu();

  Timer.SetOnTimer([this](ui::TObject* s) { TimerTimer(s); });
  TimerIcmp.SetOnTimer([this](ui::TObject* s) { TimerIcmpTimer(s); });
  TimerOpenVolume.SetOnTimer([this](ui::TObject* s) { TimerOpenVolumeTimer(s); });

  FormCreate();
}

TFormQuonthary::~TFormQuonthary() {
  FormDestroy();
  if (FormQuonthary == this) FormQuonthary = nullptr;
}

std::string TFormQuonthary::ProgramDir() const { return sys::DirectoryOf(Sys.Env.ExePath()); }

const std::string& TFormQuonthary::Msg(const char* labelName) const {
  return FormLanguage->Message(labelName);
}

dialogs::DialogEnv TFormQuonthary::DialogEnvironment() const {
  return {*FormLanguage, ProgramDir(), Sys.Screen, Sys.Audio};
}

void TFormQuonthary::FormCreate() {
  // Dialogs are closed, the first show is still to come, the tables are empty.
  FirstShowPending = true;
  TempFolder = Sys.Env.TempPath();
  Profiles = profiles::ProfileTables{};
  ConnectionFailures = 0;

  UseRegistry = Store.ReadStorageSwitch();
  FormLanguage = std::make_unique<TFormLanguage>(&ui::Application());

  const TaskbarWindows taskbar = FindTaskbar(Sys.Screen);
  TaskbarWindow = taskbar.Bar;
  TrayNotifyWindow = taskbar.Tray;
  ContentBridgeWindow = taskbar.Bridge;

  VolumePopupTimer.reset();
  LastVolume = -1;
  LastMute = -1;
  ImageVolumeMute.SetBounds(ImageVolume.Left(), ImageVolume.Top(), ImageVolumeMute.Width(),
                            ImageVolumeMute.Height());

  DisplaySkipTicks = 0;
  LastOnBattery = false;
  PowerStatus = std::make_unique<sys::PowerStatus>(Sys.Power);
  PowerStatus->Refresh();
  // One tick now, so the gauge has content before the settings are loaded (they are still
  // at their zero values, so plug tracking does nothing here).
  TimerTimer(this);

  MoveMode = false;
  FullBlinkCount = 0;
  ImageCharging.SetLeft(2);
  ImageDischarging.SetLeft(10);
  ChargingArrowLeft = 2;
  DischargingArrowLeft = 10;
  ImagePrGreen.SetWidth(0);
  SetExStyle(ExStyle() | ui::WS_EX_ToolWindow);
  ui::Application().SetHintTimings(100, 5000);

  LoadSettings();

  FormLanguage->SetLanguageFile(Cfg.LanguageFile);
  TranslateForm(*this, *FormLanguage, ProgramDir());
  TranslateForm(*FormLanguage, *FormLanguage, ProgramDir());

  ApplyRunAtStartup(Cfg.RunAtStartup);
  if (Cfg.UseExtarnalImages) LoadSkin();

  UpdateChangerMenus();
  if (!mnuMove.Enabled()) DockToTray();
  ApplyWindowOptions(Cfg.StayOnTop);
  ApplyCurrentScale();
  FirstPlacement();

  OnBatterySeconds = 0;
  OnBatteryCountdown = 0;
  WasOnBattery = false;
  TimerOpenVolume.SetEnabled(true);
  TickCounter = 0;

  if (Cfg.ConnectionCheck)
    TimerIcmp.SetEnabled(true);
  else
    ImageNoInternet.Hide();
  Timer.SetEnabled(true);
  SetWidth(ImageBatt.Width() + ImageBatt.Left() - 1);
  Show();

  settings::WriteLastApplicationDir(Sys.Reg, ProgramDir());
}

void TFormQuonthary::FormShow(ui::TObject*) {
  if (FirstShowPending) FirstRunAboutCheck();
  ClampToScreen();
}

void TFormQuonthary::FormDestroy() {
  // Dialogs still running end their modal runs; their runners destroy them as they unwind
  // (destroying a window inside its own modal loop would pull it from under that loop).
  Dialogs.CancelAll();
  FormLanguage.reset();
  PowerStatus.reset();
  Volume.Close();
  VolumePopupTimer.reset();
  Profiles = profiles::ProfileTables{};
}

void TFormQuonthary::mnuCloseClick(ui::TObject*) {
  // Closing the owner form ends the message loop; the owner then destroys this window.
  // Nothing is saved here: every change was saved when it was made.
  ownerForm_.Close();
}
