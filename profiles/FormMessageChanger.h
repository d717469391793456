// The confirmation window shown before a profile is put in force: one panel per profile
// kind (IP, proxy, MAC); the caller fills and shows those that apply, the window stacks the
// visible ones and asks "Do you want to use this profile?". Yes = 6, No (also Esc) = 7,
// the title bar's close button = 2.
#pragma once
#include <string>

#include "dialogs/Dialog.h"
#include "profiles/ProfileRecords.h"
#include "ui/Ui.h"

class TFormMessageChanger : public dialogs::TDialog {
 public:
  TFormMessageChanger(ui::TComponent* owner, const dialogs::DialogEnv& env);

  // ---- components, with their design values ----
  ui::TImage ImageDesc{this, "ImageDesc", this, {10, 14, 32, 32}};
  ui::TLabel LabelProfilName{this, "LabelProfilName", this, {55, 17, 301, 20}, "Profile name"};
  ui::TLabel Label1{this, "Label1", this, {10, 52, 33, 13}, "Profile:"};

  ui::TPanel PanelIP{this, "PanelIP", this, {55, 45, 301, 76}};
  ui::TLabel LabelConName{this, "LabelConName", &PanelIP, {8, 4, 140, 13}, "Local Area Connection"};
  ui::TLabel Label2{this, "Label2", &PanelIP, {8, 22, 14, 13}, "IP:"};
  ui::TLabel LabelIP{this, "LabelIP", &PanelIP, {64, 22, 84, 13}, "192.168.100.100"};
  ui::TLabel Label3{this, "Label3", &PanelIP, {8, 39, 29, 13}, "Mask:"};
  ui::TLabel LabelMask{this, "LabelMask", &PanelIP, {64, 39, 84, 13}, "255.255.255.0"};
  ui::TLabel Label4{this, "Label4", &PanelIP, {8, 56, 45, 13}, "Gateway:"};
  ui::TLabel LabelGate{this, "LabelGate", &PanelIP, {64, 56, 84, 13}, "192.168.100.1"};
  ui::TLabel Label5{this, "Label5", &PanelIP, {162, 39, 38, 13}, "P. DNS:"};
  ui::TLabel LabelDns1{this, "LabelDns1", &PanelIP, {212, 39, 84, 13}, "192.168.100.1"};
  ui::TLabel Label6{this, "Label6", &PanelIP, {162, 56, 38, 13}, "S. DNS:"};
  ui::TLabel LabelDns2{this, "LabelDns2", &PanelIP, {212, 56, 84, 13}, "192.168.100.2"};

  ui::TPanel PanelProxy{this, "PanelProxy", this, {55, 130, 301, 61}};
  ui::TLabel Label18{this, "Label18", &PanelProxy, {8, 4, 78, 13}, "Proxy Settings"};
  ui::TLabel LabelProxyName{
      this, "LabelProxyName", &PanelProxy, {150, 4, 143, 13}, "Proxy profile"};
  ui::TLabel Label13{this, "Label13", &PanelProxy, {8, 22, 45, 13}, "Proxy IP:"};
  ui::TLabel LabelProxyIP{this, "LabelProxyIP", &PanelProxy, {64, 22, 84, 13}, "192.168.0.1"};
  ui::TLabel Label14{this, "Label14", &PanelProxy, {151, 22, 4, 13}, ":"};
  ui::TLabel LabelProxyPort{this, "LabelProxyPort", &PanelProxy, {158, 22, 24, 13}, "8080"};
  ui::TLabel LabelProxyBypass{
      this, "LabelProxyBypass", &PanelProxy, {8, 40, 163, 13}, "Bypass proxy for local addresses"};

  ui::TPanel PanelMac{this, "PanelMac", this, {55, 200, 301, 81}};
  ui::TLabel Label25{this, "Label25", &PanelMac, {8, 4, 118, 13}, "MAC Address Settings"};
  ui::TLabel LabelMacName{this, "LabelMacName", &PanelMac, {150, 4, 143, 13}, "MAC profile"};
  ui::TLabel Label7{this, "Label7", &PanelMac, {8, 22, 43, 13}, "Adapter:"};
  ui::TLabel LabelAdapterName{
      this, "LabelAdapterName", &PanelMac, {64, 22, 160, 13}, "Network adapter"};
  ui::TLabel Label16{this, "Label16", &PanelMac, {8, 39, 27, 13}, "MAC:"};
  ui::TLabel LabelMAC{this, "LabelMAC", &PanelMac, {64, 39, 84, 13}, "00AABBCCDDEE"};
  ui::TLabel Label8{this,
                    "Label8",
                    &PanelMac,
                    {8, 53, 285, 26},
                    "To activate this change Disable and Enable this device"};

  // Shown when the network shell must run with administrator rights, which Windows asks
  // for once the user has said Yes.
  ui::TLabel LabelRunAs{this,
                        "LabelRunAs",
                        this,
                        {55, 380, 301, 26},
                        "Windows will ask for administrator rights to change the IP settings."};
  ui::TLabel Label24{this, "Label24", this, {55, 414, 301, 13}, "Do you want to use this profile?"};
  ui::TPanel Panel1{this, "Panel1", this, {0, 440, 368, 44}};
  ui::TButton Button1{this, "Button1", &Panel1, {104, 9, 75, 25}, "Yes"};
  ui::TButton Button2{this, "Button2", &Panel1, {189, 9, 75, 25}, "No"};

  // ---- filling, by the caller before the modal run ----
  // PanelIP with the connection name and the addresses ("DHCP" for a DHCP profile).
  void ShowIPProfile(const profiles::IPProfileRecord& ip);
  // PanelProxy: server and port, or offText for a profile that turns the proxy off; the
  // profile's name only where it is one part of an IP profile (named).
  void ShowProxyProfile(const profiles::ProxyProfileRecord& proxy, const std::string& offText,
                        bool named);
  // PanelMac: adapter and new address, or defaultText for the built-in address.
  void ShowMacProfile(const profiles::MacProfileRecord& mac, const std::string& defaultText,
                      bool named);
  // LabelRunAs, above the question.
  void ShowElevationNotice() { LabelRunAs.Show(); }

  void FormCreate();

 protected:
  void FormShow() override;

 private:
  void ArrangeProxyRow();
  void StackPanels();
  // Set by ShowProxyProfile: the proxy row shows the proxy-off text, not a server.
  bool proxyOff_ = false;
};
