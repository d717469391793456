// The language holder: a window that is never shown, whose labels are the program's
// messages. A language file translates them like any other window, so every message is
// read from here, by label name, at the moment it is shown.
#pragma once
#include <string>

#include "ui/Ui.h"

class TFormLanguage : public ui::TForm {
 public:
  explicit TFormLanguage(ui::TComponent* owner);
  // Out of line: its many labels' destruction is made once, not wherever a holder ends.
  ~TFormLanguage() override;

  // The language file's name in the "language\" folder; empty = the built-in English texts.
  const std::string& LanguageFile() const { return languageFile_; }
  void SetLanguageFile(const std::string& fileName) { languageFile_ = fileName; }
  // The current caption of a message label; empty for an unknown name.
  const std::string& Message(const std::string& labelName) const;

  ui::TLabel LabelHotKeys{this, "LabelHotKeys", this, {}, "Hot-Keys:"};
  ui::TLabel LabelUsingByApplication{
      this, "LabelUsingByApplication", this, {}, "are using by another application!"};
  ui::TLabel LabelNeedsRestart{this, "LabelNeedsRestart", this, {}, "Application needs restart!"};
  ui::TLabel LabelSellConnection{
      this, "LabelSellConnection", this, {}, "Select connection name first"};
  ui::TLabel LabelDelete{this, "LabelDelete", this, {}, "Would you like to delete?"};
  ui::TLabel LabelErrNetsh{this, "LabelErrNetsh", this, {}, "An error with executing NETSH.EXE"};
  ui::TLabel LabelImportConn{
      this, "LabelImportConn", this, {}, "Import and then select connection name first!"};
  ui::TLabel LabelIncorrectValue{this, "LabelIncorrectValue", this, {}, "Incorrect value!"};
  ui::TLabel LabelFull{this, "LabelFull", this, {}, "FULL"};
  ui::TLabel LabelEmpty2{this, "LabelEmpty2", this, {}, "EMPTY !"};
  ui::TLabel LabelEmpty{this, "LabelEmpty", this, {}, "EMPTY"};
  ui::TLabel LabelNoBatt{this, "LabelNoBatt", this, {}, "No Batt."};
  ui::TLabel LabelNoBattery{this, "LabelNoBattery", this, {}, "No Battery"};
  ui::TLabel LabelMonOff{this, "LabelMonOff", this, {}, "Mon-OFF"};
  ui::TLabel LabelMute{this, "LabelMute", this, {}, "Mute"};
  ui::TLabel LabelUnmute{this, "LabelUnmute", this, {}, "Unmute"};
  ui::TLabel LabelDontProxy{this, "LabelDontProxy", this, {}, "Don't use proxy server"};
  ui::TLabel LabelDefault{this, "LabelDefault", this, {}, "Default"};
  ui::TLabel LabelIPChanged{this, "LabelIPChanged", this, {}, "Adress IP was changed!"};
  ui::TLabel LabelDisEnab{
      this, "LabelDisEnab", this, {}, "YOU NEED TO DISABLE AND ENABLE DEVICE TO APPLY CHANGES!"};
  ui::TLabel LabelProxyChanged{this, "LabelProxyChanged", this, {}, "Server Proxy was changed!"};
  ui::TLabel LabelDefaultMac{this, "LabelDefaultMac", this, {}, "Use default MAC Address"};
  ui::TLabel LabelMacChanged{this, "LabelMacChanged", this, {}, "MAC Address was changed!"};
  ui::TLabel LabelDontChange{this, "LabelDontChange", this, {}, "Don't change"};
  ui::TLabel LabelEmptyB{this, "LabelEmptyB", this, {}, "[empty]"};
  ui::TLabel LabelDefLanguage{this, "LabelDefLanguage", this, {}, "[default-english]"};
  ui::TLabel LabelZasilanieSiec{this, "LabelZasilanieSiec", this, {}, "AC LINE"};
  ui::TLabel LabelZasilanieBateria{this, "LabelZasilanieBateria", this, {}, "BATTERY"};
  ui::TLabel LabelConnectionError{this, "LabelConnectionError", this, {}, "Conn.err"};
  ui::TLabel LabelConnNamesClear{
      this,
      "LabelConnNamesClear",
      this,
      {},
      "Do You want to delete all existing connection names before importing?"};
  ui::TLabel LabelProfilChangedSave{this,
                                    "LabelProfilChangedSave",
                                    this,
                                    {},
                                    "Profil has been changed. Do You want to save this profile?"};
  ui::TLabel LabelMonOn{this, "LabelMonOn", this, {}, "Mon-ON"};
  // Whether an applied profile is in force, read back from the system ("%1"... are the
  // places of values: the connection, what it has, what the profile sets).
  ui::TLabel LabelResultChecking{
      this, "LabelResultChecking", this, {}, "Checking whether the settings are in force..."};
  ui::TLabel LabelIPInForce{this, "LabelIPInForce", this, {}, "The settings are in force on %1."};
  ui::TLabel LabelIPDiffers{this, "LabelIPDiffers", this, {}, "%1 has %2, expected %3"};
  ui::TLabel LabelIPMask{this, "LabelIPMask", this, {}, "mask %1"};
  ui::TLabel LabelIPGateway{this, "LabelIPGateway", this, {}, "gateway %1"};
  ui::TLabel LabelIPDns{this, "LabelIPDns", this, {}, "DNS %1"};
  ui::TLabel LabelIPNone{this, "LabelIPNone", this, {}, "none"};
  ui::TLabel LabelIPNoAddress{this, "LabelIPNoAddress", this, {}, "no address"};
  ui::TLabel LabelIPDhcpNoAddress{
      this, "LabelIPDhcpNoAddress", this, {}, "%1 uses DHCP but has no address yet."};
  ui::TLabel LabelIPNotFound{this, "LabelIPNotFound", this, {}, "The connection %1 was not found."};
  ui::TLabel LabelIPNotRead{
      this, "LabelIPNotRead", this, {}, "The settings of the connections could not be read back."};
  ui::TLabel LabelIPNotApplied{
      this,
      "LabelIPNotApplied",
      this,
      {},
      "The IP settings were not applied: administrator rights were not given."};
  ui::TLabel LabelProxyInForce{
      this, "LabelProxyInForce", this, {}, "The proxy settings are in force."};
  ui::TLabel LabelProxyNotHeld{
      this, "LabelProxyNotHeld", this, {}, "The proxy settings did not hold:"};
  ui::TLabel LabelProxyDiffers{this, "LabelProxyDiffers", this, {}, "%1 reads %2, expected %3"};
  ui::TLabel LabelMacDiffers{this,
                             "LabelMacDiffers",
                             this,
                             {},
                             "The MAC address did not hold: the adapter reads %1, expected %2."};
  ui::TLabel LabelMacNeedsAdmin{
      this,
      "LabelMacNeedsAdmin",
      this,
      {},
      "The MAC address could not be written: administrator rights are needed!"};
  ui::TLabel LabelConnAbsent{this, "LabelConnAbsent", this, {}, "not found"};
  // The battery history window.
  ui::TLabel LabelHistoryCaption{this, "LabelHistoryCaption", this, {}, "Battery history"};
  ui::TLabel LabelHistoryPeriod{this,
                                "LabelHistoryPeriod",
                                this,
                                {},
                                "%1: %2 on battery, %3 % used, %4 % per hour, %5 from full"};
  ui::TLabel LabelHistoryPeriodShort{
      this, "LabelHistoryPeriodShort", this, {}, "%1: %2 on battery, %3 % used"};
  ui::TLabel LabelHistorySkipped{
      this, "LabelHistorySkipped", this, {}, "Files in discharging_log that could not be read: %1"};
  ui::TLabel LabelHistoryEmpty{
      this, "LabelHistoryEmpty", this, {}, "No battery period has been logged yet."};
  ui::TLabel LabelHistoryLogOff{
      this,
      "LabelHistoryLogOff",
      this,
      {},
      "The discharge log is off: it is turned on in the settings (\"Log battery work time to "
      "file\")."};

  // Profile application that could not be carried out.
  ui::TLabel LabelProxyNotWritten{this,
                                  "LabelProxyNotWritten",
                                  this,
                                  {},
                                  "The proxy settings could not be written to the registry!"};
  ui::TLabel LabelMacNotWritten{
      this,
      "LabelMacNotWritten",
      this,
      {},
      "The MAC address could not be written: the network adapter was not found or "
      "administrator rights are needed!"};
  ui::TLabel LabelUnsafeProfile{
      this,
      "LabelUnsafeProfile",
      this,
      {},
      "Profile not applied: its connection name contains a double quote, or a line break is "
      "in its connection name or addresses!"};
  ui::TLabel LabelScriptNotWritten{
      this,
      "LabelScriptNotWritten",
      this,
      {},
      "The NETSH script could not be written to the temporary folder; the IP settings were "
      "not changed!"};
  // A connection name import that would grow the list past the names it holds.
  ui::TLabel LabelConnNamesLeftOut{
      this,
      "LabelConnNamesLeftOut",
      this,
      {},
      "The connection list holds at most 30 names; connection names not imported:"};
  // Battery care: the charge alerts' words on the gauge, and the battery's health in the
  // battery history ("%1" the day of the reading, then its capacities, wear and cycles).
  ui::TLabel LabelAlertLow{this, "LabelAlertLow", this, {}, "LOW"};
  ui::TLabel LabelAlertUnplug{this, "LabelAlertUnplug", this, {}, "UNPLUG"};
  ui::TLabel LabelHealth{
      this,
      "LabelHealth",
      this,
      {},
      "Battery health on %1: designed %2 mWh, full %3 mWh, wear %4 %, %5 cycles"};
  ui::TLabel LabelHealthNoCycles{this,
                                 "LabelHealthNoCycles",
                                 this,
                                 {},
                                 "Battery health on %1: designed %2 mWh, full %3 mWh, wear %4 %"};
  ui::TLabel LabelHealthNone{this, "LabelHealthNone", this, {}, "Battery health: not available"};

  // Results that say what did not happen: an IP profile that does not hold, an address
  // another computer holds, the proxy put back after a declined change, a connection the
  // network shell's dump does not describe.
  ui::TLabel LabelIPNotHeld{
      this, "LabelIPNotHeld", this, {}, "Not all settings of the IP profile took effect:"};
  ui::TLabel LabelIPDuplicate{
      this,
      "LabelIPDuplicate",
      this,
      {},
      "%1: the address %2 is already in use by another computer on the network."};
  ui::TLabel LabelProxyRestored{
      this, "LabelProxyRestored", this, {}, "The proxy settings were put back as they were."};
  ui::TLabel LabelProxyNotRestored{this,
                                   "LabelProxyNotRestored",
                                   this,
                                   {},
                                   "The previous proxy settings could not be put back!"};
  ui::TLabel LabelImportNotFound{
      this,
      "LabelImportNotFound",
      this,
      {},
      "The connection %1 was not found in the output of NETSH.EXE; nothing was changed."};

  // The command line: its usage (after the syntax lines, which stay as they are), a command
  // that names no profile; and a MAC address that the program started elevated did not write.
  ui::TLabel LabelCmdFault{this, "LabelCmdFault", this, {}, "Not understood:"};
  ui::TLabel LabelCmdName{this,
                          "LabelCmdName",
                          this,
                          {},
                          "NAME: a profile's name (letter case aside) or slot number, 0-20; quoted "
                          "if it has blanks. /yes: without asking first."};
  ui::TLabel LabelCmdExit{this,
                          "LabelCmdExit",
                          this,
                          {},
                          "Exit codes: 0 done, 1 no such profile, 2 not understood, 3 not carried "
                          "out (No, a failure, or a window of Quonthary open)."};
  ui::TLabel LabelCmdNoProfile{
      this, "LabelCmdNoProfile", this, {}, "%1 %2: there is no such profile."};
  ui::TLabel LabelMacDeclined{
      this,
      "LabelMacDeclined",
      this,
      {},
      "The MAC address was not changed: administrator rights were not given."};
  ui::TLabel LabelMacInvalid{this,
                             "LabelMacInvalid",
                             this,
                             {},
                             "The MAC address was not changed: it is not 12 hexadecimal digits."};

 private:
  std::string languageFile_;
};
