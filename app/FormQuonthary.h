// The indicator window: the small battery gauge, and the hub that holds every setting, the
// battery and connection state, the profile tables and the open dialogs.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/TaskbarDock.h"
#include "changers/NetworkAdapters.h"
#include "dialogs/Dialog.h"
#include "dialogs/DialogRunner.h"
#include "dialogs/ResultLine.h"
#include "indicator/ChargeAlerts.h"
#include "profiles/ProfileKinds.h"
#include "profiles/ProfileRecords.h"
#include "settings/Settings.h"
#include "settings/SettingsStore.h"
#include "system/MasterVolume.h"
#include "system/Platform.h"
#include "system/PowerStatus.h"
#include "ui/Ui.h"

class TFormAbout;
class TFormBatteryHistory;
class TFormLanguage;
class TFormMsgBox;
class TFormMessageChanger;
class TFormChanger;
class TFormIPChanger;
class TFormProxy;
class TFormMacChanger;
class TFormProfilesOrder;
class TFormImportSettings;
class TFormSettings;
namespace app {
struct Command;
}

class TFormQuonthary : public ui::TForm {
 public:
  // The owner form passes itself (owner of the window) and the platform adapters.
  TFormQuonthary(ui::TForm& ownerForm, const sys::Platform& platform);
  ~TFormQuonthary() override;

  // ---- components, with their design values ----
  ui::TImage ImageBatt{this, "ImageBatt", this, {-2, 0, 53, 27}};
  ui::TImage ImagePrRed{this, "ImagePrRed", this, {3, 2, 42, 25}};
  ui::TImage ImagePrGreen{this, "ImagePrGreen", this, {3, 2, 15, 25}};
  ui::TImage ImageStatusCri{this, "ImageStatusCri", this, {2, 1, 11, 12}};
  ui::TImage ImageStatusLow{this, "ImageStatusLow", this, {2, 100, 11, 12}};
  ui::TImage ImageNoInternet{this, "ImageNoInternet", this, {104, 1, 8, 8}};
  ui::TImage ImageACPlug{this, "ImageACPlug", this, {-1, 0, 12, 14}};
  ui::TImage ImageCharging{this, "ImageCharging", this, {60, 1, 8, 9}};
  ui::TImage ImageDischarging{this, "ImageDischarging", this, {74, 1, 8, 9}};
  ui::TImage ImageVolume{this, "ImageVolume", this, {3, 0, 42, 9}};
  ui::TImage ImageVolumeMute{this, "ImageVolumeMute", this, {3, 0, 42, 9}};
  ui::TLabel LabelState{this, "LabelState", this, {24, 1, 21, 11}, "FULL"};
  ui::TLabel LabelTimeToEnd{this, "LabelTimeToEnd", this, {18, 13, 27, 13}, "TIME"};

  ui::TPopupMenu PopupMenu{this, "PopupMenu"};
  ui::TMenuItem mnuAbout{this, "mnuAbout", "About", ui::ShortCut(ui::VK_F1, 0)};
  ui::TMenuItem mnuMove{this, "mnuMove", "Move window"};
  ui::TMenuItem mnuSettings{this, "mnuSettings", "Settings", ui::ShortCut('U', ui::scCtrl)};
  ui::TMenuItem mnuBatteryHistory{this, "mnuBatteryHistory", "Battery history..."};
  ui::TMenuItem mnuClose{this, "mnuClose", "Close", ui::ShortCut(ui::VK_F4, ui::scAlt)};
  ui::TMenuItem N1{this, "N1", "-"};
  ui::TMenuItem mnuMacChanger{this, "mnuMacChanger", "MAC Address Changer"};
  ui::TMenuItem mnuProxyChanger{this, "mnuProxyChanger", "Proxy Changer"};
  ui::TMenuItem mnuIPChanger{this, "mnuIPChanger", "IP Changer"};
  ui::TMenuItem N2{this, "N2", "-"};
  ui::TMenuItem mnuMacChangerDialog{this, "mnuMacChangerDialog", "MAC Address Changer..."};
  ui::TMenuItem mnuProxyChangerDialog{this, "mnuProxyChangerDialog", "Proxy Changer..."};
  ui::TMenuItem mnuIPChangerDialog{this, "mnuIPChangerDialog", "IP Changer..."};
  // Each profile submenu: "Configure", a separator, then the 21 profile items, which are made
  // at creation (mnuMAC00 ... mnuMAC20, mnuPX00 ... mnuPX20, mnuIP00 ... mnuIP20).
  ui::TMenuItem mnuMacConfigure{this, "mnuMacConfigure", "Configure"};
  ui::TMenuItem N11{this, "N11", "-"};
  ui::TMenuItem mnuProxy{this, "mnuProxy", "Configure"};
  ui::TMenuItem N10{this, "N10", "-"};
  ui::TMenuItem mnuIPConfigure{this, "mnuIPConfigure", "Configure"};
  ui::TMenuItem N9{this, "N9", "-"};
  std::array<ui::TMenuItem*, profiles::SlotCount> mnuMAC{}, mnuPX{}, mnuIP{};

  ui::TTimer Timer{this, "Timer", 1000, false};
  ui::TTimer TimerIcmp{this, "TimerIcmp", 2000, false};
  // Once, when the window has shown and painted (a timer comes after the paint): opening
  // the audio endpoint or mixer wakes the sound system, which the gauge need not wait for.
  ui::TTimer TimerOpenVolume{this, "TimerOpenVolume", 1, false};

  // ---- settings and state ----
  sys::Platform Sys;  // the adapters (a bundle of references)
  settings::Settings Cfg;
  // The storage switch: true = registry, false = the INI file beside the program.
  bool UseRegistry = true;
  settings::SettingsStore Store;
  profiles::ProfileTables Profiles;

  std::unique_ptr<sys::PowerStatus> PowerStatus;
  // The master volume and mute: the default device's endpoint, or the mixer's speakers
  // line; nothing until opened.
  sys::MasterVolume Volume;
  // The taskbar (one that shows), its notification area (one with a size) and Windows 11's
  // XAML face in it; 0 where there is none (see TaskbarWindows).
  sys::WindowHandle TaskbarWindow = 0;
  sys::WindowHandle TrayNotifyWindow = 0;
  sys::WindowHandle ContentBridgeWindow = 0;
  // Taskbar mode on another shell's taskbar (no notification area, no XAML face): a topmost
  // window over the taskbar's right end instead of a child inside it.
  bool FloatsOverTaskbar = false;
  // Taskbar mode while there is no taskbar: the window is where window mode puts it
  // (FreePlace), on top.
  bool NoTaskbar = false;
  sys::Point FreePlace;
  sys::WindowHandle OwnerWindow = 0;
  std::string TempFolder;
  bool FirstShowPending = true;
  bool MoveMode = false;
  bool StartedInTaskbarMode = false;

  // Battery tick.
  int TickCounter = 0;
  int DisplaySkipTicks = 0;
  bool LastOnBattery = false;
  int LastPercent = 0;
  std::string LogFileName;
  // Log lines not yet on disk (file name, line), oldest first: a write that failed is
  // made good by the next one.
  std::vector<std::pair<std::string, std::string>> PendingLogLines;
  std::string OnBatteryOverride;
  // Gauge.
  int OnBatterySeconds = 0;
  int OnBatteryCountdown = 0;
  bool WasOnBattery = false;
  int LastVolume = -1;
  int LastMute = -1;
  std::unique_ptr<ui::TTimer> VolumePopupTimer;
  // The arrows' places in their animation (-1 until the first tick takes the design ones).
  int ChargingArrowLeft = -1;
  int DischargingArrowLeft = -1;
  // Placement (the scale itself is Cfg.BatteryScale).
  int ArrowTop = 0;
  int FullBlinkCount = 0;
  // Connection check.
  int ConnectionFailures = 0;
  // Battery care: the charge alerts' crossings; the health line's schedule (the day last
  // looked at, the power source then, a look waiting for the start to be over).
  indicator::ChargeAlerts ChargeAlertState;
  int HealthDay = 0;
  bool HealthOnBattery = false;
  bool HealthDue = false;
  int HealthWaitTicks = 0;

  // The language holder, and each dialog's reference (null while it is closed). Dialogs run
  // through dialogs::DialogRun, which also keeps the list of open dialogs.
  std::unique_ptr<TFormLanguage> FormLanguage;
  dialogs::OpenDialogs Dialogs;
  std::unique_ptr<TFormAbout> FormAbout;
  std::unique_ptr<TFormMsgBox> FormMsgBox;
  std::unique_ptr<TFormMessageChanger> FormMessageChanger;
  std::unique_ptr<TFormChanger> FormChanger;
  // The three profile editors, and the order dialog and profile picker they open.
  std::unique_ptr<TFormIPChanger> FormIPChanger;
  std::unique_ptr<TFormProxy> FormProxy;
  std::unique_ptr<TFormMacChanger> FormMacChanger;
  std::unique_ptr<TFormProfilesOrder> FormProfilesOrder;
  std::unique_ptr<TFormImportSettings> FormImportSettings;
  std::unique_ptr<TFormSettings> FormSettings;
  std::unique_ptr<TFormBatteryHistory> FormBatteryHistory;

  // ---- start-up and shutdown ----
  void FormCreate();
  void FormShow(ui::TObject* sender);
  void FormDestroy();
  // The program's folder with a trailing backslash, and the INI file beside the program.
  std::string ProgramDir() const;
  // The current caption of a message label of the language holder.
  const std::string& Msg(const char* labelName) const;
  // What a dialog is handed: the texts, the program's folder, the desktop and the beep.
  dialogs::DialogEnv DialogEnvironment() const;
  bool TaskbarMode() const { return !mnuMove.Enabled(); }

  // ---- battery tick ----
  void TimerTimer(ui::TObject* sender);
  void UpdateTimeText();
  void TrackPowerSource(bool onBattery, int percent);
  // A word on the gauge for the next two seconds: the plug messages and the charge alerts.
  void ShowPowerMessage(const std::string& text, ui::TColor colour);
  void CheckChargeAlerts(int percent);
  // A line in discharging_log\health.txt once a day and when a battery period begins.
  void LogBatteryHealth(bool onBattery);

  // ---- gauge ----
  void UpdateGauge(int percent);
  void UpdateArrows();
  void SetHints(const std::string& text);
  ui::TLabel& PickInfoLabel(bool preferTime, ui::TColor colour);
  // Makes a label visible for a message when both are hidden.
  void ShowALabel();
  void ShowVolume(std::uint32_t value, std::uint32_t maximum, bool announce);
  void ShowMute(bool muted, bool announce);
  void ShowVolumeImage();
  void LoadSkin();

  // ---- placement ----
  void ApplyScale(float factor);
  void ApplyCurrentScale() { ApplyScale(Cfg.BatteryScale); }
  // Taskbar mode begins: the window goes into the taskbar (see FloatsOverTaskbar).
  void EnterTaskbar();
  // Into the taskbar found, over it, or free without one; a window that went with a taskbar
  // that ended is made afresh.
  void DockInto(const TaskbarWindows& taskbar);
  TaskbarWindows DockedTaskbar() const {
    return {TaskbarWindow, TrayNotifyWindow, ContentBridgeWindow};
  }
  // Every tick in taskbar mode: follows the taskbar (a new one, or none), then docks.
  void DockToTray();
  // A new taskbar announced itself (the shell restarted): docks into it at once.
  void TaskbarCreated();
  void ApplyWindowOptions(bool stayOnTop);
  // Stay-on-top as set, and always while floating over a taskbar or without one.
  void ApplyFormStyle(bool stayOnTop);
  void ApplyAlpha(int alpha);
  bool IsShown();
  void ShowIndicator();
  void HideIndicator();
  void RaiseWithoutFocus();
  void UpdateHideWhenFull();
  void FollowMouse();
  // Left 5, 33 pixels above the bottom of the screen, when no place was ever saved.
  void FirstPlacement();
  void ClampToScreen();
  void mnuMoveClick(ui::TObject* sender);
  void FormMouseDown(ui::TObject* sender, ui::TMouseButton, ui::TShiftState, int, int);
  void FormMouseMove(ui::TObject* sender, ui::TShiftState, int, int);

  // ---- settings ----
  void LoadSettings();
  // Saves the whole set; a failing INI commit is raised to the event that saved.
  void SaveSettings();
  void ApplyRunAtStartup(bool run);

  // ---- sounds, discharge log, connection check ----
  void PlayPlugOutAlert();
  void PlayPlugInAlert();
  void PlayVolumeUpAlert();
  void PlayVolumeDownAlert();
  void PlayConnectionLostAlert();
  void PlayLowChargeAlert();
  void PlayUnplugAlert();
  std::string NewLogFileName();
  void AppendLogLine(const std::string& fileName, int seconds, int percent);
  void TimerIcmpTimer(ui::TObject* sender);
  void IdIcmpClientReply(int bytesReceived);

  // ---- profiles ----
  bool ApplyIPProfile(int slot);
  bool ApplyProxyProfile(int slot);
  bool ApplyMacProfile(int slot);
  void ShowTimedMessage(const std::string& message, const std::string& redMessage, int seconds,
                        int icon);
  // With a second line still being found out while the box is shown (whether the profile
  // holds).
  void ShowTimedMessage(const std::string& message, const std::string& redMessage, int seconds,
                        int icon, dialogs::PendingLine pending);
  // Runs the confirmation window after fill has filled it; true when answered Yes.
  bool ConfirmProfileChange(const std::function<void(TFormMessageChanger&)>& fill);
  // The registry side of proxy and MAC profiles; false when a value could not be written
  // (a MAC write is also refused for an adapter key that does not exist).
  bool WriteProxySettings(const profiles::ProxyProfileRecord& proxy);
  bool WriteMacSetting(const profiles::MacProfileRecord& mac);
  // The MAC write as this start may make it: itself, or, where the machine's registry needs
  // administrator rights it lacks, through the program started elevated (one question to the
  // user, who may decline). The elevated write takes only a link of letters and digits and an
  // address of 12 hexadecimal digits (Unfit: not asked).
  enum class MacWrite { Written, Failed, Declined, Unfit };
  MacWrite PutMacSetting(const profiles::MacProfileRecord& mac);
  // Why a MAC write that did not happen did not.
  const std::string& MacNotWritten(const profiles::MacProfileRecord& mac, MacWrite write);
  // Throws changers::InvalidDataType for a description or address that is not a string.
  changers::NetworkAdapters ListNetworkAdapters();
  // The shell's launch code; greater than 32 means started.
  std::intptr_t RunProgramAndWait(const std::string& file, const std::string& params,
                                  const std::string& directory, int show, bool wait);
  void UpdateIPMenuItems();
  void UpdateProxyMenuItems();
  void UpdateMacMenuItems();

  // ---- context menu (profile items, refresh and switcher in profiles/) ----
  void BuildContextMenu();
  void BuildProfileMenus();
  void mnuAboutClick(ui::TObject* sender);
  void mnuSettingsClick(ui::TObject* sender);
  // The charge of the last battery periods of the discharge log, drawn.
  void mnuBatteryHistoryClick(ui::TObject* sender);
  void mnuCloseClick(ui::TObject* sender);
  // The three editors, run modally from their "Configure" items and the switcher.
  void mnuIPConfigureClick(ui::TObject* sender);
  void mnuProxyClick(ui::TObject* sender);
  void mnuMacConfigureClick(ui::TObject* sender);
  void ImageBattDblClick(ui::TObject* sender);
  void UpdateChangerMenus();
  // The menu-state refresh: enabled states, then the proxy and MAC check marks.
  void PopupMenuPopup(ui::TObject* sender);
  // The commands' enabled state: off while one of the command dialogs is open.
  void UpdateEnabledStates();
  // The IP items' check marks are the applied marks.
  void ShowAppliedMarks();
  // The profile items of one kind, by slot.
  std::array<ui::TMenuItem*, profiles::SlotCount>& ProfileItems(profiles::ProfileKind kind);
  // One handler per family: the slot comes from the item's name.
  void mnuIP01Click(ui::TObject* sender);
  void mnuPX00Click(ui::TObject* sender);
  void mnuMAC00Click(ui::TObject* sender);
  // The switcher on one page.
  void mnuIPChangerDialogClick(ui::TObject* sender);
  void mnuProxyChangerDialogClick(ui::TObject* sender);
  void mnuMacChangerDialogClick(ui::TObject* sender);
  void OpenChanger(profiles::ProfileKind kind);
  bool ApplyProfile(profiles::ProfileKind kind, int slot);
  void ConfigureProfiles(profiles::ProfileKind kind);

  // ---- the command line ----
  // A command of the command line (handed over by a second start, or this start's own once
  // it is up), carried out on the paths the menu takes and under its enabled rule. A start
  // that handed it over gets the exit code as soon as it is known (Sys.Instance.Reply).
  void CarryOutCommand(const app::Command& command, bool handedOver);
  // The text of a handed-over command.
  void CarryOutCommandText(const std::string& text);
  // The answer of the profile command in progress, given once: when its result is shown,
  // else when it ends.
  void AnswerCommand(int exitCode);
  bool CommandAnswerPending = false;
  // "/yes": the confirmation window is left out, as if answered Yes.
  bool ConfirmedBeforehand = false;

  // ---- hot keys, volume and monitor ----
  void RegisterHotKeys();
  void HandleHotKey(int id);
  // Win+F12: the floating gauge to the front; a full battery's hidden one blinks once more.
  void GaugeToFront();
  void OpenMixers();
  void ReadVolumeQuietly();
  void TimerOpenVolumeTimer(ui::TObject* sender);
  void VolumeUp();
  void VolumeDown();
  void ToggleMute();
  // Shows "Mon-OFF" for a second, then switches the monitor off; "Mon-ON" and on.
  void MonitorOff();
  void MonitorOn();
  // A change notice of the mixer: the volume bar follows changes made anywhere.
  void RefreshMixerDisplay(std::uintptr_t mixer, std::uint32_t controlId);
  // The indicator shown with the volume bar at the present level.
  void ShowVolumeChange();
  bool FormMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam);
  // The first show's check: the about dialog at the first start of each new version.
  void FirstRunAboutCheck();
  // Runs the about dialog and stores its two check boxes and the running version.
  void ShowAboutDialog();

 private:
  ui::TForm& ownerForm_;
};

// How far a hidden indicator moves up in window mode (it stays "visible" to the system).
constexpr int kParkOffset = 5000;

// The one indicator of the process; null once it is closed.
extern TFormQuonthary* FormQuonthary;

// Seconds as H:MM:SS (1:02:05 for 3725).
std::string FormatDuration(int seconds);
