// Nothing lost when the disk fails: every step of an INI commit, a discharge log line, a skin
// colours file and the network shell script fails in turn, and each time the file on disk is
// either the old one whole or the new one whole, the user hears of the failure where the
// program tells of it, and the next write that works leaves everything in order.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "profiles/NetshScript.h"
#include "settings/FormSettings.h"
#include "tests/FaultSweep.h"
#include "tests/ProfileFixture.h"
#include "tests/SettingsFixture.h"

namespace {

namespace fs = std::filesystem;
using sys::SoundEvent;
using testing_support::FaultSweep;

void PlantFile(const fs::path& path, const std::string& text) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

std::string Read(const fs::path& path) {
  return sys::SystemFileLayer().ReadAll(path.string()).value_or("<absent>");
}

// What is in a folder besides the files named: a temporary file left behind, say.
std::vector<std::string> Others(const fs::path& folder, const std::set<std::string>& known) {
  std::vector<std::string> others;
  for (const auto& entry : fs::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (!known.count(name)) others.push_back(name);
  }
  return others;
}

// The steps a sweep may meet, by kind: each kind the action takes is failed at least once.
std::set<sys::FileOp> Kinds(const sys::FaultyFileLayer& faults) {
  std::set<sys::FileOp> kinds;
  for (const auto& step : faults.Steps()) kinds.insert(step.Op);
  return kinds;
}

// ---- INI commit ----

class IniCommitFaults : public testing_support::SettingsFixture {
 protected:
  sys::FaultyFileLayer faults{sys::SystemFileLayer()};
  sys::files::ScopedLayer layer{faults};
  FaultSweep sweep{faults, ""};

  const std::string oldText =
      "[Quonthary_SETTINGS]\r\nKeep_Settings_in_system_Registry=0\r\n\r\n"
      "[Quonthary]\r\nLeft=10\r\nTop=20\r\n\r\n";
  std::string NewText() const {
    settings::IniFile ini = settings::IniFile::Parse(oldText);
    ini.Set("Quonthary", "Left", "300");
    return ini.Serialize();
  }

  // Commits Left=300 over the file; true when the commit reported a failure.
  bool Commit(settings::SettingsStore& store) {
    auto batch = store.OpenBatch();
    batch->Set("Quonthary", "Left", "300");
    try {
      store.Commit(*batch);
      return false;
    } catch (const sys::FileCreateError& e) {
      EXPECT_EQ(std::string(e.what()).rfind("Cannot create file \"" + IniPath() + "\". ", 0), 0u)
          << e.what();
      return true;
    }
  }

  // The file is one of the two whole; a commit that said it worked left the new one; no
  // temporary file stays; the store reads what the file holds.
  void ExpectWhole(settings::SettingsStore& store, bool failed, const std::string& before) {
    const std::string text = Read(dir.Path() / "Quonthary.ini");
    EXPECT_TRUE(text == before || text == NewText()) << text;
    if (!failed) {
      EXPECT_EQ(text, NewText());
    }
    EXPECT_EQ(Others(dir.Path(), {"Quonthary.ini", "temp"}), std::vector<std::string>{});
    const std::string left =
        store.ReadSettingString(sys::RootKey::CurrentUser, "\\Software\\Quonthary", "Left", false);
    EXPECT_EQ(left, text == NewText() ? "300" : (before == oldText ? "10" : ""));
  }

  void ExpectRecovers(settings::SettingsStore& store) {
    EXPECT_FALSE(Commit(store));
    EXPECT_EQ(Read(dir.Path() / "Quonthary.ini"), NewText());
    EXPECT_EQ(
        store.ReadSettingString(sys::RootKey::CurrentUser, "\\Software\\Quonthary", "Left", false),
        "300");
  }
};

TEST_F(IniCommitFaults, OverAnExistingFile) {
  settings::SettingsStore store(fake.Registry, IniPath());
  bool failed = false;
  sweep.What = "INI commit over a file";
  const int points = sweep.Run(
      [&] { PlantFile(dir.Path() / "Quonthary.ini", oldText); }, [&] { failed = Commit(store); },
      [&](const sys::FaultyFileLayer::Step&) { ExpectWhole(store, failed, oldText); });
  // Create, write, flush, close, replace.
  EXPECT_GE(points, 5);
  ExpectRecovers(store);
}

TEST_F(IniCommitFaults, ATemporaryFileThatCannotBeDeletedLeavesTheFileWhole) {
  // The clean-up after a failed step fails as well.
  faults.Refuse = [](sys::FileOp op, const std::string&) { return op == sys::FileOp::Delete; };
  settings::SettingsStore store(fake.Registry, IniPath());
  bool failed = false;
  sweep.What = "INI commit, temporary file not deleted";
  std::set<sys::FileOp> failedKinds;
  const int points = sweep.Run(
      [&] {
        for (const auto& entry : fs::directory_iterator(dir.Path()))
          if (entry.path().filename() != "temp") fs::remove(entry.path());
        PlantFile(dir.Path() / "Quonthary.ini", oldText);
      },
      [&] {
        failed = Commit(store);
        for (const auto& step : faults.Steps())
          if (step.Failed) failedKinds.insert(step.Op);
      },
      [&](const sys::FaultyFileLayer::Step&) {
        const std::string text = Read(dir.Path() / "Quonthary.ini");
        EXPECT_EQ(text, failed ? oldText : NewText());
      });
  EXPECT_GE(points, 5);
  EXPECT_TRUE(failedKinds.count(sys::FileOp::Delete));
  faults.Refuse = nullptr;
  ExpectRecovers(store);
}

TEST_F(IniCommitFaults, TheFirstCommitMakesTheFileOrNothing) {
  settings::SettingsStore store(fake.Registry, IniPath());
  bool failed = false;
  sweep.What = "INI commit of a new file";
  const int points = sweep.Run(
      [&] { fs::remove(dir.Path() / "Quonthary.ini"); },
      [&] {
        auto batch = store.OpenBatch();
        batch->Set("Quonthary", "Left", "300");
        try {
          store.Commit(*batch);
          failed = false;
        } catch (const sys::FileCreateError&) {
          failed = true;
        }
      },
      [&](const sys::FaultyFileLayer::Step&) {
        const std::string text = Read(dir.Path() / "Quonthary.ini");
        EXPECT_EQ(text, failed ? "<absent>" : "[Quonthary]\r\nLeft=300\r\n\r\n");
        EXPECT_EQ(Others(dir.Path(), {"Quonthary.ini", "temp"}), std::vector<std::string>{});
      });
  EXPECT_GE(points, 4);
}

TEST_F(IniCommitFaults, WhereNoFileCanBeMadeBesideItTheFileIsRewrittenInPlace) {
  // A folder where the user may write this file but make no new one.
  faults.Refuse = [this](sys::FileOp op, const std::string& path) {
    return op == sys::FileOp::Create && path != IniPath();
  };
  settings::SettingsStore store(fake.Registry, IniPath());
  PlantFile(dir.Path() / "Quonthary.ini", oldText);
  ASSERT_FALSE(Commit(store));
  EXPECT_EQ(Read(dir.Path() / "Quonthary.ini"), NewText());

  bool failed = false;
  sweep.What = "INI commit rewritten in place";
  std::set<sys::FileOp> kinds;
  const int points =
      sweep.Run([&] { PlantFile(dir.Path() / "Quonthary.ini", oldText); },
                [&] {
                  failed = Commit(store);
                  for (sys::FileOp op : Kinds(faults)) kinds.insert(op);
                },
                [&](const sys::FaultyFileLayer::Step&) { ExpectWhole(store, failed, oldText); });
  // The refused temporary file, then open, write, truncate, flush, close.
  EXPECT_GE(points, 5);
  EXPECT_TRUE(kinds.count(sys::FileOp::Truncate));
  ExpectRecovers(store);
}

TEST_F(IniCommitFaults, TheUserIsToldWhenTheDraggedPlaceCannotBeSaved) {
  ChooseIniFile();
  Plant(false, "ShowInTaskBar", "0");
  TFormQuonthary& f = Start();
  int x = 400;
  std::size_t boxes = 0;
  std::string lastSaved = Saved(false, "Left").value_or("<none>");
  sweep.What = "INI commit of the dragged place";
  const int points = sweep.Run(
      [&] {
        x += 10;
        fake.Desktop.Cursor = {x, 300};
        ui_->ClickMenu(f.mnuMove);
        boxes = ui_->MessageBoxes().size();
      },
      [&] { ui_->MouseDown(f.ImageBatt, ui::TMouseButton::Left); },
      [&](const sys::FaultyFileLayer::Step&) {
        const bool told = ui_->MessageBoxes().size() == boxes + 1;
        const std::string saved = Saved(false, "Left").value_or("<none>");
        if (told) {
          EXPECT_NE(ui_->MessageBoxes().back().Text.find("Cannot create file"), std::string::npos);
          EXPECT_EQ(ui_->MessageBoxes().back().Flags & 0xF0, ui::MB_IconError);
          EXPECT_EQ(saved, lastSaved) << "the old file whole";
        } else {
          EXPECT_EQ(ui_->MessageBoxes().size(), boxes);
          EXPECT_EQ(saved, std::to_string(x - f.Width() / 2)) << "the new file whole";
        }
        lastSaved = saved;
        // Either way every other setting is still in the file.
        EXPECT_EQ(Saved(false, "ShowInTaskBar"), "0");
      });
  EXPECT_GE(points, 5);
  // The next drag saves the place.
  fake.Desktop.Cursor = {700, 300};
  ui_->ClickMenu(f.mnuMove);
  ui_->MouseDown(f.ImageBatt, ui::TMouseButton::Left);
  EXPECT_EQ(Saved(false, "Left"), std::to_string(700 - f.Width() / 2));
}

// ---- discharge log ----

class DischargeLogFaults : public testing_support::IndicatorFixture {
 protected:
  sys::FaultyFileLayer faults{sys::SystemFileLayer()};
  sys::files::ScopedLayer layer{faults};
  FaultSweep sweep{faults, ""};

  fs::path LogDir() { return dir.Path() / "discharging_log"; }
  TFormQuonthary& StartOnBattery(int percent) {
    fake.PowerSource.Status = testing_support::OnBattery(percent);
    TFormQuonthary& ind = Start();
    ind.Cfg.LogWorkTime = true;
    ind.Cfg.Percentage = true;
    ind.Cfg.SoundOption1 = 2;
    ind.Cfg.SoundOption2 = 2;
    return ind;
  }
  // The charges the file's data lines record, in order.
  std::vector<int> Percents(const std::string& name) {
    const std::string text = Read(LogDir() / name);
    std::vector<int> out;
    std::size_t pos = text.find("\r\n");
    EXPECT_EQ(text.substr(0, pos), "Perc[%]\tTime[s]\tTime") << text;
    while (pos != std::string::npos && pos + 2 < text.size()) {
      std::size_t end = text.find("\r\n", pos + 2);
      EXPECT_NE(end, std::string::npos) << "a line cut short: " << text.substr(pos + 2);
      if (end == std::string::npos) break;
      out.push_back(std::stoi(text.substr(pos + 2, 3)));
      pos = end;
    }
    return out;
  }
  static std::vector<int> Down(int from, int to) {
    std::vector<int> v;
    for (int p = from; p >= to; --p) v.push_back(p);
    return v;
  }
};

TEST_F(DischargeLogFaults, ALineThatFailedIsWrittenWithTheNextWithoutAnotherAnnouncement) {
  TFormQuonthary& ind = StartOnBattery(97);
  Tick(2);  // unplugged: announced (the message stays a second), first line
  const std::string file = ind.LogFileName;
  ASSERT_EQ(Percents(file), std::vector<int>{97});
  fake.Sound.Events.clear();
  int percent = 97;
  std::vector<int> onDisk{97};
  sweep.What = "discharge log line";
  std::set<sys::FileOp> kinds;
  const int points = sweep.Run(
      [&] {
        // The line of the previous round is made good by this one's.
        fake.Sound.Events.clear();
      },
      [&] {
        fake.PowerSource.Status = testing_support::OnBattery(--percent);
        Tick();
        for (sys::FileOp op : Kinds(faults)) kinds.insert(op);
      },
      [&](const sys::FaultyFileLayer::Step&) {
        const std::vector<int> now = Percents(file);
        const bool beeped = fake.Sound.Events == std::vector<SoundEvent>{SoundEvent::SystemBeep(0)};
        // Either the lines it had or all lines so far, each once.
        if (now != onDisk) {
          EXPECT_EQ(now, Down(97, percent));
        }
        EXPECT_EQ(beeped, now != Down(97, percent)) << "a failed line costs one beep";
        if (!beeped) {
          EXPECT_TRUE(fake.Sound.Events.empty());
        }
        EXPECT_EQ(ind.PendingLogLines.empty(), now == Down(97, percent));
        onDisk = now;
        EXPECT_EQ(ind.LogFileName, file) << "no new file";
        EXPECT_EQ(Others(LogDir(), {file, file + ".bak"}), std::vector<std::string>{});
        // The backup is one state behind or older, never cut short.
        if (fs::exists(LogDir() / (file + ".bak"))) {
          const std::string bak = Read(LogDir() / (file + ".bak"));
          EXPECT_EQ(bak.substr(bak.size() - 2), "\r\n");
        }
      });
  EXPECT_GE(points, 9);  // folder, then backup and file: create, write, flush, close, replace
  for (sys::FileOp op : {sys::FileOp::CreateDir, sys::FileOp::Create, sys::FileOp::Write,
                         sys::FileOp::Flush, sys::FileOp::Close, sys::FileOp::Replace})
    EXPECT_TRUE(kinds.count(op)) << sys::FileOpName(op);

  // The next line that can be written brings every line onto the disk.
  fake.PowerSource.Status = testing_support::OnBattery(--percent);
  fake.Sound.Events.clear();
  Tick();
  EXPECT_EQ(Percents(file), Down(97, percent));
  EXPECT_TRUE(ind.PendingLogLines.empty());
  EXPECT_TRUE(fake.Sound.Events.empty());
}

TEST_F(DischargeLogFaults, AClosingLineThatFailedReachesItsFileAfterTheNextUnplug) {
  TFormQuonthary& ind = StartOnBattery(90);
  Tick(2);
  const std::string first = ind.LogFileName;
  // Mains back while nothing can be written.
  faults.Refuse = [](sys::FileOp op, const std::string&) { return op == sys::FileOp::Create; };
  fake.PowerSource.Status = testing_support::OnMains(90);
  Tick(2);
  EXPECT_EQ(Percents(first), std::vector<int>{90});
  EXPECT_EQ(ind.PendingLogLines.size(), 1u);
  faults.Refuse = nullptr;
  // An hour later the next period begins: both files get their lines.
  fake.Clock.Local.Hour += 1;
  fake.PowerSource.Status = testing_support::OnBattery(89);
  Tick(2);
  ASSERT_NE(ind.LogFileName, first);
  EXPECT_EQ(Percents(first), (std::vector<int>{90, 90}));
  EXPECT_EQ(Percents(ind.LogFileName), std::vector<int>{89});
  EXPECT_TRUE(ind.PendingLogLines.empty());
}

TEST_F(DischargeLogFaults, TheFirstLineOfAPeriod) {
  sweep.What = "discharge log, first line of a period";
  TFormQuonthary* ind = nullptr;
  int points = sweep.Run(
      [&] {
        owner.reset();
        fs::remove_all(LogDir());
        fake.Sound.Events.clear();
        ind = &StartOnBattery(80);
      },
      [&] { Tick(); },
      [&](const sys::FaultyFileLayer::Step&) {
        const bool written = fs::exists(LogDir() / ind->LogFileName);
        if (written) {
          EXPECT_EQ(Percents(ind->LogFileName), std::vector<int>{80});
        }
        EXPECT_EQ(ind->PendingLogLines.empty(), written);
        // The unplug is announced once either way.
        EXPECT_EQ(fake.Sound.Events.front(), SoundEvent::Tone(2000, 500));
        EXPECT_EQ(fake.Sound.Events.size(), written ? 1u : 2u);
        // Made good by the next line.
        fake.PowerSource.Status = testing_support::OnBattery(79);
        Tick(2);
        EXPECT_EQ(Percents(ind->LogFileName), (std::vector<int>{80, 79}));
      });
  EXPECT_GE(points, 5);
}

// ---- skin colours ----

class ColoursFileFaults : public testing_support::SettingsFixture {
 protected:
  sys::FaultyFileLayer faults{sys::SystemFileLayer()};
  sys::files::ScopedLayer layer{faults};
  FaultSweep sweep{faults, "skin colours file"};
};

TEST_F(ColoursFileFaults, TheFileStaysWholeAndTheDialogShowsTheError) {
  const fs::path file = dir.Path() / "Skin" / "Blue" / "colors.ini";
  const std::string oldText =
      "[about]\r\nAuthor=me\r\n\r\n[label_colors]\r\nWhenCharging=5\r\n\r\n";
  const std::string newText =
      "[about]\r\nAuthor=me\r\n\r\n[label_colors]\r\nWhenCharging=4660\r\nWhenDischarging=2\r\n"
      "WhenVolumeChanging=3\r\nWhenMonitorOffInfo=4\r\n\r\n";
  PlantFile(file, oldText);
  Start();
  bool ran = false;
  ui_->OnModal([&](ui::TForm& form) {
    auto& d = dynamic_cast<TFormSettings&>(form);
    ran = true;
    ui_->Select(d.ComboBoxGraphics, 0);
    d.Label3.SetFontColor(0x1234);
    d.Label4.SetFontColor(2);
    d.Label5.SetFontColor(3);
    d.Label10.SetFontColor(4);
    std::size_t boxes = 0;
    const int points = sweep.Run(
        [&] {
          PlantFile(file, oldText);
          boxes = ui_->MessageBoxes().size();
        },
        [&] { ui_->Click(d.ButtonSaveWith); },
        [&](const sys::FaultyFileLayer::Step&) {
          const std::string text = Read(file);
          const bool told = ui_->MessageBoxes().size() == boxes + 1;
          EXPECT_EQ(text, told ? oldText : newText);
          if (told) {
            EXPECT_NE(ui_->MessageBoxes().back().Text.find("Cannot create file"),
                      std::string::npos);
            EXPECT_EQ(ui_->MessageBoxes().back().Flags & 0xF0, ui::MB_IconError);
          }
          EXPECT_EQ(d.ModalResult(), ui::mrNone) << "the dialog stays open";
          EXPECT_EQ(Others(file.parent_path(), {"colors.ini"}), std::vector<std::string>{});
        });
    EXPECT_GE(points, 5);
    // The next click writes it.
    PlantFile(file, oldText);
    ui_->Click(d.ButtonSaveWith);
    EXPECT_EQ(Read(file), newText);
    ui_->Click(d.ButtonCancel);
  });
  ui_->ClickMenu(Ind().mnuSettings);
  EXPECT_TRUE(ran);
}

// ---- network shell script ----

class NetshScriptFaults : public testing_support::ProfileFixture {
 protected:
  void SetUp() override {
    ProfileFixture::SetUp();
    Start();
    auto& t = Ind().Profiles;
    t.IPProfiles[1] = {true, "Home", true, "", "", "", "", "", "Local Area Connection", -1, -1};
    t.IPProfiles[2] = testing_support::OfficeProfile();
    t.IPProfiles[2].connectionName = "Wireless";
  }
  sys::FaultyFileLayer faults{sys::SystemFileLayer()};
  sys::files::ScopedLayer layer{faults};
  FaultSweep sweep{faults, "network shell script and batch"};
};

TEST_F(NetshScriptFaults, BothFilesAreWholeAndAHalfWrittenScriptIsNeverRun) {
  const std::string temp = Ind().TempFolder;
  const fs::path bat = temp + profiles::kBatchFileName;
  const fs::path script = temp + profiles::kScriptFileName;
  const std::string newBatch = profiles::NetshBatchText(temp);
  const std::string newScript = profiles::NetshScriptText(Ind().Profiles.IPProfiles[1]);
  const std::string oldBatch = "@echo an older batch\r\n";
  const std::string oldScript = profiles::NetshScriptText(Ind().Profiles.IPProfiles[2]);
  const int points = sweep.Run(
      [&] {
        PlantFile(bat, oldBatch);
        PlantFile(script, oldScript);
        fake.Processes.ExecuteCalls.clear();
        Ind().Profiles.AppliedMarks = {};
        shown.reset();
      },
      [&] {
        AnswerConfirmation(true);
        RecordTimedMessage();
        EXPECT_TRUE(Ind().ApplyIPProfile(1));
        ExpectAllAnswered();
      },
      [&](const sys::FaultyFileLayer::Step&) {
        const std::string b = Read(bat), s = Read(script);
        EXPECT_TRUE(b == oldBatch || b == newBatch) << b;
        EXPECT_TRUE(s == oldScript || s == newScript) << s;
        ASSERT_TRUE(shown);
        const bool ran = !fake.Processes.ExecuteCalls.empty();
        if (ran) {
          // Only ever the script of the profile applied.
          EXPECT_EQ(b, newBatch);
          EXPECT_EQ(s, newScript);
          // Followed by what reading the connection back found (the fakes have none).
          EXPECT_EQ(shown->Message.substr(0, shown->Message.find('\n')), "Adress IP was changed!");
          EXPECT_TRUE(Ind().Profiles.AppliedMarks[1]);
        } else {
          EXPECT_EQ(shown->Message, Msg("LabelScriptNotWritten"));
          EXPECT_EQ(shown->Icon, ui::IDI_Exclamation);
          EXPECT_FALSE(Ind().Profiles.AppliedMarks[1]);
        }
        EXPECT_EQ(Others(fs::path(temp), {profiles::kBatchFileName, profiles::kScriptFileName}),
                  std::vector<std::string>{});
      });
  EXPECT_GE(points, 10);
  // The next application writes and runs both.
  fake.Processes.ExecuteCalls.clear();
  AnswerConfirmation(true);
  RecordTimedMessage();
  EXPECT_TRUE(Ind().ApplyIPProfile(1));
  EXPECT_EQ(Read(bat), newBatch);
  EXPECT_EQ(Read(script), newScript);
  EXPECT_EQ(fake.Processes.ExecuteCalls.size(), 1u);
}

}  // namespace
