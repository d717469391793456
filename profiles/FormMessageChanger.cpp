#include "profiles/FormMessageChanger.h"

#include "dialogs/DialogLayout.h"

namespace {

void Restyle(ui::TControl& c, ui::TColor color, bool bold, bool underline = false) {
  ui::TFont f = c.Font();
  f.Color = color;
  f.Bold = bold;
  f.Underline = underline;
  c.SetFont(f);
}

}  // namespace

TFormMessageChanger::TFormMessageChanger(ui::TComponent* owner, const dialogs::DialogEnv& env)
    : dialogs::TDialog(owner, "FormMessageChanger", env) {
  SetCaption("Quonthary - ");
  SetBorderIcons(ui::biSystemMenu);
  SetPosition(ui::TPosition::ScreenCenter);
  SetClientSize(368, 484);

  ImageDesc.SetTransparent(true);
  LabelProfilName.SetAutoSize(false);
  LabelProfilName.SetAlignment(ui::TAlignment::Center);
  LabelProfilName.SetLayout(ui::TTextLayout::Center);
  LabelProfilName.SetColor(ui::clGray);
  Restyle(LabelProfilName, ui::clWhite, true);
  Label1.Hide();

  for (ui::TPanel* panel : {&PanelIP, &PanelProxy, &PanelMac}) {
    panel->SetBevelOuter(ui::TBevelCut::Raised);
    panel->Hide();
  }
  Restyle(LabelConName, ui::clGreen, true, true);
  for (ui::TLabel* caption :
       {&Label2, &Label3, &Label4, &Label5, &Label6, &Label13, &Label7, &Label16})
    Restyle(*caption, ui::clGray, false);
  for (ui::TLabel* value : {&LabelIP, &LabelMask, &LabelGate, &LabelDns1, &LabelDns2, &LabelProxyIP,
                            &Label14, &LabelProxyPort, &LabelMAC})
    Restyle(*value, ui::clWindowText, true);
  Restyle(Label18, ui::clGreen, true);
  Restyle(Label25, ui::clGreen, true);
  for (ui::TLabel* name : {&LabelProxyName, &LabelMacName}) {
    name->SetAlignment(ui::TAlignment::RightJustify);  // first, so sizing keeps the right edge
    Restyle(*name, ui::clGreen, false);
  }
  LabelProxyBypass.Hide();
  // Kept to the panel's width: a long text (a wide font, a translation) takes a second
  // line, growing upwards from the panel's bottom.
  Label8.SetAutoSize(false);
  Restyle(Label8, ui::clRed, false);
  Label8.SetWordWrap(true);
  Label8.SetAlignment(ui::TAlignment::RightJustify);
  Label8.SetLayout(ui::TTextLayout::Bottom);

  LabelRunAs.SetAutoSize(false);
  LabelRunAs.SetWordWrap(true);
  LabelRunAs.SetAlignment(ui::TAlignment::Center);
  Restyle(LabelRunAs, ui::clNavy, false);
  LabelRunAs.SetAnchors(ui::akLeft | ui::akBottom);
  LabelRunAs.Hide();

  Label24.SetAutoSize(false);
  Restyle(Label24, ui::clWindowText, true);
  Label24.SetAlignment(ui::TAlignment::Center);
  Label24.SetAnchors(ui::akLeft | ui::akBottom);
  Panel1.SetBevelOuter(ui::TBevelCut::None);
  Panel1.SetAnchors(ui::akLeft | ui::akRight | ui::akBottom);
  Button1.SetModalResult(ui::mrYes);
  Button1.SetDefault(true);
  Button2.SetModalResult(ui::mrNo);
  Button2.SetCancel(true);

  // Labels that show the profile's own texts show an "&" as typed.
  for (ui::TLabel* data : {&LabelProfilName, &LabelConName, &LabelIP, &LabelMask, &LabelGate,
                           &LabelDns1, &LabelDns2, &LabelProxyName, &LabelProxyIP, &LabelProxyPort,
                           &LabelMacName, &LabelAdapterName, &LabelMAC})
    data->SetShowAccelChar(false);
  dialogs::SizeLabelsToText(*this);
  FormCreate();
}

void TFormMessageChanger::FormCreate() {
  ImageDesc.SetSystemIcon(ui::IDI_Question);
  // The sample texts go; LabelConName keeps its own, every IP filling replaces it.
  for (ui::TLabel* label :
       {&LabelProfilName, &LabelIP, &LabelMask, &LabelGate, &LabelDns1, &LabelDns2, &LabelProxyName,
        &LabelProxyIP, &LabelProxyPort, &LabelMacName, &LabelAdapterName, &LabelMAC})
    label->SetCaption("");
}

void TFormMessageChanger::ShowIPProfile(const profiles::IPProfileRecord& ip) {
  PanelIP.Show();
  LabelConName.SetCaption(ip.connectionName);
  if (ip.isDHCP) {
    LabelIP.SetCaption("DHCP");
    return;
  }
  LabelIP.SetCaption(ip.statIP);
  LabelMask.SetCaption(ip.statMask);
  LabelGate.SetCaption(ip.statGate);
  LabelDns1.SetCaption(ip.statDns1);
  LabelDns2.SetCaption(ip.statDns2);
}

void TFormMessageChanger::ShowProxyProfile(const profiles::ProxyProfileRecord& proxy,
                                           const std::string& offText, bool named) {
  PanelProxy.Show();
  if (named) LabelProxyName.SetCaption(proxy.ProfileName);
  proxyOff_ = !proxy.UseProxyServer;
  if (proxyOff_) {
    LabelProxyIP.SetCaption(offText);
    return;
  }
  LabelProxyIP.SetCaption(proxy.ProxyServer);
  LabelProxyPort.SetCaption(proxy.ProxyServerPort);
  LabelProxyBypass.SetVisible(proxy.BypassProxyLCon);
}

void TFormMessageChanger::ShowMacProfile(const profiles::MacProfileRecord& mac,
                                         const std::string& defaultText, bool named) {
  PanelMac.Show();
  if (named) LabelMacName.SetCaption(mac.ProfileName);
  LabelAdapterName.SetCaption(mac.NetworkAdapterName);
  LabelMAC.SetCaption(mac.UseOtherMAC ? mac.MacAddress : defaultText);
}

void TFormMessageChanger::FormShow() {
  // A DHCP profile has no mask or name servers to show: the panel keeps the connection
  // name and the "IP: DHCP" row.
  if (LabelIP.Caption() == "DHCP") {
    for (ui::TLabel* label : {&Label3, &LabelMask, &Label5, &LabelDns1}) label->Hide();
    PanelIP.SetHeight(46);
  }
  if (PanelProxy.Visible()) ArrangeProxyRow();
  StackPanels();
}

void TFormMessageChanger::ArrangeProxyRow() {
  Label14.SetLeft(LabelProxyIP.Right() + 3);
  LabelProxyPort.SetLeft(Label14.Right() + 3);
  if (!LabelProxyBypass.Visible()) PanelProxy.SetHeight(46);
  // Decided by how the window was filled, not by the text: a server name may begin with
  // any letter, and a translated proxy-off text too.
  if (proxyOff_) {
    for (ui::TLabel* label : {&Label13, &Label14, &LabelProxyPort}) label->Hide();
  }
  if (LabelProxyPort.Caption().empty()) {
    Label14.Hide();
    LabelProxyPort.Hide();
  }
}

void TFormMessageChanger::StackPanels() {
  int y = PanelIP.Visible() ? PanelIP.Bottom() + 9 : 45;
  for (ui::TPanel* panel : {&PanelProxy, &PanelMac}) {
    if (!panel->Visible()) continue;
    panel->SetTop(y);
    y = panel->Bottom() + 9;
  }
  int notice = 0;
  if (LabelRunAs.Visible()) {
    // As high as its text needs; the question below it follows the bottom edge.
    const int needed = ui::CurrentBackend()
                           .MeasureText(LabelRunAs.Font(), LabelRunAs.Caption(), LabelRunAs.Width())
                           .Height;
    notice = needed + 8;
    LabelRunAs.SetBounds(LabelRunAs.Left(), Label24.Top() - notice, LabelRunAs.Width(), needed);
  }
  SetHeight(y + 115 + notice);
}
