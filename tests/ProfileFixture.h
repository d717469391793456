// Profile application on a whole program start: helpers that answer the confirmation window
// and record the timed message that reports the outcome.
#pragma once
#include <functional>
#include <optional>
#include <string>

#include "app/CommandLine.h"
#include "app/NetworkAddressVerb.h"
#include "dialogs/FormMsgBox.h"
#include "i18n/FormLanguage.h"
#include "profiles/FormMessageChanger.h"
#include "tests/IndicatorFixture.h"
#include "tests/ProfileSamples.h"

namespace testing_support {

// The connection as a network shell that did its job leaves it for the profile.
inline sys::ConnectionConfig ConnectionAfter(const profiles::IPProfileRecord& ip) {
  sys::ConnectionConfig c;
  c.Name = ip.connectionName;
  c.Dhcp = ip.isDHCP;
  if (ip.isDHCP) {
    c.Addresses = {{"192.168.1.7", 24}};
    c.Gateways = {"192.168.1.1"};
    c.DnsServers = {"192.168.1.1"};
    return c;
  }
  c.Addresses = {{ip.statIP, 24}};
  c.Gateways = {ip.statGate};
  for (const std::string* dns : {&ip.statDns1, &ip.statDns2})
    if (!dns->empty()) c.DnsServers.push_back(*dns);
  return c;
}

// What the timed message box showed.
struct TimedMessage {
  std::string Message;
  bool RedVisible = false;
  std::string Red;
  int Seconds = 0;
  int Icon = 0;
};

inline const char kInternetSettings[] =
    "\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
inline const char kZoneMap[] =
    "\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\ZoneMap";
inline const char kAdapterClass[] =
    "SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E972-E325-11CE-BFC1-08002bE10318}";

class ProfileFixture : public IndicatorFixture {
 protected:
  // The next confirmation window: look at it (after its show handler ran), then press Yes
  // or No.
  void AnswerConfirmation(bool yes, std::function<void(TFormMessageChanger&)> look = {}) {
    ui_->OnModal([yes, look](ui::TForm& form) {
      auto& w = dynamic_cast<TFormMessageChanger&>(form);
      if (look) look(w);
      ui::headless::Current()->Click(yes ? w.Button1 : w.Button2);
    });
  }
  // The next timed message box: record it, then press OK.
  void RecordTimedMessage() {
    ui_->OnModal([this](ui::TForm& form) {
      auto& box = dynamic_cast<TFormMsgBox&>(form);
      shown = TimedMessage{box.LabelMsg.Caption(), box.LabelRedMsg.Visible(),
                           box.LabelRedMsg.Caption(), box.SecondsLeft, box.ImageDesc.SystemIcon()};
      ui::headless::Current()->Click(box.ButtonOK);
    });
  }
  // Everything the program asked to be shown was expected and answered.
  void ExpectAllAnswered() {
    EXPECT_EQ(ui_->PendingModals(), 0u);
    EXPECT_TRUE(ui_->Unexpected().empty()) << ui_->Unexpected().front();
  }

  std::string Msg(const char* label) { return Ind().Msg(label); }

  std::optional<sys::RegistryValue> UserValue(const std::string& path, const std::string& name) {
    return fake.Registry.Value(sys::RootKey::CurrentUser, path, name);
  }
  std::optional<sys::RegistryValue> AdapterValue(const std::string& link, const std::string& name) {
    return fake.Registry.Value(sys::RootKey::LocalMachine, std::string(kAdapterClass) + "\\" + link,
                               name);
  }
  // An adapter subkey as the system keeps it.
  void AddAdapter(const std::string& link, const std::string& description,
                  const std::optional<std::string>& address = std::nullopt, bool busType = true) {
    const std::string path = std::string(kAdapterClass) + "\\" + link;
    auto root = sys::RootKey::LocalMachine;
    if (busType) fake.Registry.PutValue(root, path, "BusType", {sys::ValueKind::String, "5", 0});
    if (!description.empty())
      fake.Registry.PutValue(root, path, "DriverDesc", {sys::ValueKind::String, description, 0});
    if (address)
      fake.Registry.PutValue(root, path, "NetworkAddress", {sys::ValueKind::String, *address, 0});
  }

  // The program started elevated with the verb these arguments hold, as its start does.
  void RunVerb(const std::string& arguments) {
    const app::Command verb = app::ParseCommandText(arguments).Cmd;
    EXPECT_EQ(verb.What, app::Verb::NetworkAddress) << arguments;
    app::SetNetworkAddress(fake.Registry, verb.Link, verb.Address);
  }

  std::optional<TimedMessage> shown;
};

}  // namespace testing_support
