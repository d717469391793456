// The command line: parsing, the elevated verb against the fake registry, what a start does
// before the program is made, and the commands the running indicator carries out.
#include <gtest/gtest.h>

#include "app/CommandLine.h"
#include "app/CommandLineStart.h"
#include "app/NetworkAddressVerb.h"
#include "dialogs/FormBatteryHistory.h"
#include "settings/FormSettings.h"
#include "tests/CommandFixture.h"

namespace {

using app::ParseArguments;

const char kExe[] = "\"C:\\Program Files\\Quonthary\\Quonthary.exe\"";

app::ParsedCommand Parse(const std::string& arguments) {
  return ParseArguments(app::ArgumentsOf(std::string(kExe) + " " + arguments));
}

// A command line read back as its canonical text, or as the argument not understood.
std::string Read(const std::string& arguments) {
  const app::ParsedCommand parsed = Parse(arguments);
  if (!parsed.Ok()) return "not understood: " + parsed.Fault;
  // What a second start hands over reads back as the same command.
  EXPECT_TRUE(app::ParseCommandText(app::CommandText(parsed.Cmd)).Cmd == parsed.Cmd) << arguments;
  return app::CommandText(parsed.Cmd);
}

TEST(CommandLine, ReadsQuotesCaseAndOneCommandWithItsArguments) {
  const std::pair<const char*, const char*> cases[] = {
      {"", ""},
      {"/IP \"Home office\"", "/ip \"Home office\""},
      {"-Proxy office /YES", "/proxy office /yes"},
      {"/yes /mac 07", "/mac 07 /yes"},
      {"/ip \"say \\\"hi\\\"\" ", "/ip \"say \\\"hi\\\"\""},
      {"/ip C:\\path\\ ", "/ip C:\\path\\"},
      {"/ip \"trailing\\\\\"", "/ip trailing\\"},
      {"/switcher MAC", "/switcher mac"},
      {"/history", "/history"},
      {"/ip x /bogus /?", "/?"},
      {"/NetworkAddress 0007 /Delete", "/networkaddress 0007 /delete"},
      {"/networkaddress 0007 00AABBCCDDEE", "/networkaddress 0007 00AABBCCDDEE"},
      {"/networkaddress 0007", "not understood: /networkaddress"},
      {"/networkaddress 0007 \"\"", "not understood: /networkaddress"},
      {"/ip", "not understood: /ip"},
      {"/ip /yes", "not understood: /ip"},
      {"/ip a b", "not understood: b"},
      {"/ip a /proxy b", "not understood: /proxy"},
      {"/settings /yes", "not understood: /yes"},
      {"/yes /yes /ip a", "not understood: /yes"},
      {"/switcher lan", "not understood: lan"},
      {"/bogus", "not understood: /bogus"},
  };
  for (const auto& [given, read] : cases) EXPECT_EQ(Read(given), read) << given;
  EXPECT_EQ(Parse("/ip \"say \\\"hi\\\"\"").Cmd.Profile, "say \"hi\"");
}

TEST(CommandLine, FindsAProfileByNameWithoutCaseThenBySlot) {
  profiles::ProfileTables t;
  auto put = [&](int slot, const char* name, bool used = true) {
    t.ProxyProfiles[std::size_t(slot)].Used = used;
    t.ProxyProfiles[std::size_t(slot)].ProfileName = name;
  };
  put(2, "Office");
  put(4, "B\xDCRO");  // Windows-1252: BÜRO
  put(3, "Third");
  put(5, "3");
  put(6, "office");
  put(7, "Home");
  put(9, "Gone", false);
  const std::pair<const char*, int> cases[] = {
      {"OFFICE", 2}, {"b\xFCro", 4}, {"07", 7},  {"7", 7},   {"3", 5},
      {"9", -1},     {"Gone", -1},   {"21", -1}, {"-1", -1}, {"Nowhere", -1},
  };
  for (const auto& [text, slot] : cases)
    EXPECT_EQ(app::FindProfile(t, profiles::ProfileKind::Proxy, text), slot) << text;
  EXPECT_EQ(app::FindProfile(t, profiles::ProfileKind::IP, "Office"), -1);
}

// ---- the elevated verb ----

class NetworkAddressVerb : public testing_support::ProfileFixture {};

TEST_F(NetworkAddressVerb, WritesOrDeletesTheOneValueOfANetworkAdapterOnly) {
  AddAdapter("0007", "Fast Ethernet", std::string("001122334455"));
  AddAdapter("0008", "Not a device", std::nullopt, false);
  AddAdapter("0009", "Locked");
  fake.Registry.SetDenied(sys::RootKey::LocalMachine, std::string(kAdapterClass) + "\\0009");
  const std::tuple<const char*, const char*, int> cases[] = {
      {"0007", "02aabbccddee", app::kExitDone},
      {"0008", "02AABBCCDDEE", app::kExitNoProfile},
      {"0006", "02AABBCCDDEE", app::kExitNoProfile},
      {"0009", "02AABBCCDDEE", app::kExitNotCarriedOut},
      {"0007\\Ndi", "02AABBCCDDEE", app::kExitBadArguments},
      {"0007", "02AABBCCDDE", app::kExitBadArguments},
      {"0007", "02AABBCCDDEG", app::kExitBadArguments},
  };
  for (const auto& [link, address, code] : cases)
    EXPECT_EQ(app::SetNetworkAddress(fake.Registry, link, address), code) << link << " " << address;
  EXPECT_EQ(AdapterValue("0007", "NetworkAddress")->Text, "02aabbccddee");
  EXPECT_FALSE(AdapterValue("0008", "NetworkAddress"));
  EXPECT_EQ(app::SetNetworkAddress(fake.Registry, "0007", ""), app::kExitDone);
  EXPECT_FALSE(AdapterValue("0007", "NetworkAddress"));
}

// ---- a start, before the program is made ----

class ProgramStart : public testing_support::ProfileFixture {
 protected:
  std::optional<int> StartWith(const std::string& arguments) {
    fake.Instances.Line = std::string(kExe) + " " + arguments;
    return app::BeforeStart(fake.Platform(), command);
  }
  app::Command command;
};

TEST_F(ProgramStart, TheUsageAFaultAndTheVerbEndTheStartThemselves) {
  AddAdapter("0007", "Fast Ethernet");
  fake.Instances.Running = true;  // and none of them meets it
  EXPECT_EQ(StartWith("/?"), app::kExitDone);
  EXPECT_EQ(StartWith("/ip"), app::kExitBadArguments);
  EXPECT_EQ(StartWith("/networkaddress 0007 02AABBCCDDEE"), app::kExitDone);
  EXPECT_EQ(AdapterValue("0007", "NetworkAddress")->Text, "02AABBCCDDEE");
  EXPECT_TRUE(fake.Instances.HandOvers.empty());
  const auto& boxes = ui_->MessageBoxes();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].Text.find("Quonthary.exe /ip|/proxy|/mac NAME [/yes]\n"), 0u);
  EXPECT_EQ(boxes[1].Text.find("Not understood: /ip\n\nQuonthary.exe"), 0u);
}

TEST_F(ProgramStart, ACommandGoesToTheRunningProgramWhoseWindowMayComeLate) {
  EXPECT_EQ(StartWith("/proxy Office /yes"), std::nullopt) << "the first start runs";
  EXPECT_EQ(app::CommandText(command), "/proxy Office /yes");
  fake.Instances.Running = true;
  fake.Instances.RunningAnswer = app::kExitNoProfile;
  fake.Instances.WindowAfterAttempts = 3;
  EXPECT_EQ(StartWith("-PROXY  Office  /Yes"), app::kExitNoProfile);
  ASSERT_EQ(fake.Instances.HandOvers.size(), 4u);
  EXPECT_EQ(fake.Instances.HandOvers[3].WindowClass, "TFormQuontharyMain");
  EXPECT_EQ(fake.Instances.HandOvers[3].Command, "/proxy Office /yes");
  // A window that took the command but gave no answer is not sent it again.
  fake.Instances.HandOvers.clear();
  fake.Instances.WindowAfterAttempts = 0;
  fake.Instances.RunningAnswer = sys::Instances::NoAnswer;
  EXPECT_EQ(StartWith(""), app::kExitNotCarriedOut);
  EXPECT_EQ(fake.Instances.HandOvers.size(), 1u);
}

// ---- the running indicator ----

class HandedCommand : public testing_support::CommandFixture {
 protected:
  void SetUp() override {
    CommandFixture::SetUp();
    Start();
    profiles::ProfileTables t;
    t.ProxyProfiles[3] = {true, "Office", true, "10.0.0.1", "8080", false};
    UseProfiles(t);
  }
  // The answer the sender got first, or -1.
  int HandOver(const std::string& text) {
    fake.Instances.Replies.clear();
    owner->FormMessage(0x004A, 0, fake.Instances.Deliver(text));
    return fake.Instances.Replies.empty() ? -1 : fake.Instances.Replies.front();
  }
  std::string ProxyServer() {
    auto v = UserValue(kInternetSettings, "ProxyServer");
    return v ? v->Text : "<none>";
  }
};

TEST_F(HandedCommand, YesPutsTheProfileInForceAndAnswersWhenTheResultShows) {
  ui_->OnModal([this](ui::TForm& form) {
    EXPECT_NE(dynamic_cast<TFormMsgBox*>(&form), nullptr) << "no question with /yes";
    EXPECT_EQ(fake.Instances.Replies, std::vector<int>{0}) << "answered before the count-down";
    form.Close();
  });
  EXPECT_EQ(HandOver("/proxy OFFICE /yes"), app::kExitDone);
  EXPECT_EQ(ProxyServer(), "10.0.0.1:8080");
  EXPECT_EQ(fake.Instances.Replies.size(), 1u);
  ExpectAllAnswered();
}

TEST_F(HandedCommand, NoAnUnknownNameAndAnOpenWindowAreAnsweredAndChangeNothing) {
  AnswerConfirmation(false);
  EXPECT_EQ(HandOver("/proxy 3"), app::kExitNotCarriedOut);
  RecordTimedMessage();
  EXPECT_EQ(HandOver("/proxy Nowhere /yes"), app::kExitNoProfile);
  EXPECT_EQ(shown->Message, "/proxy Nowhere: there is no such profile.");
  EXPECT_EQ(HandOver("/settings /yes"), app::kExitBadArguments);
  // While a command dialog is open, commands are refused as the menu refuses them.
  ui_->OnModal([this](ui::TForm& settings) {
    EXPECT_EQ(HandOver("/proxy Office /yes"), app::kExitNotCarriedOut);
    EXPECT_EQ(HandOver("/switcher ip"), app::kExitNotCarriedOut);
    EXPECT_EQ(HandOver("/proxy Nowhere"), app::kExitNoProfile);
    EXPECT_EQ(HandOver(""), app::kExitDone) << "the front is always allowed";
    settings.Close();
  });
  Ind().mnuSettings.Click();
  EXPECT_EQ(ProxyServer(), "<none>");
  ExpectAllAnswered();
}

TEST_F(HandedCommand, WindowsOpenAfterTheAnswerAndAStartsOwnCommandAnswersNobody) {
  OnSwitcher([this](TFormChanger& w) {
    EXPECT_EQ(fake.Instances.Replies, std::vector<int>{0});
    EXPECT_TRUE(w.TabSheetProxy.TabVisible());
    EXPECT_FALSE(w.TabSheetIP.TabVisible());
  });
  EXPECT_EQ(HandOver("/switcher proxy"), app::kExitDone);
  ui_->OnModal([](ui::TForm& form) {
    EXPECT_NE(dynamic_cast<TFormBatteryHistory*>(&form), nullptr);
    form.Close();
  });
  app::Command history;
  history.What = app::Verb::OpenHistory;
  Ind().CarryOutCommand(history, false);  // as the first start does with its own
  EXPECT_EQ(switcherRuns, 1);
  EXPECT_EQ(fake.Instances.Replies, std::vector<int>{0}) << "this start's own answers nobody";
  ExpectAllAnswered();
}

}  // namespace
