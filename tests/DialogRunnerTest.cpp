// The one way dialogs run: the reference, the list of open dialogs and the taskbar button
// live exactly as long as the run, also when a step throws or runs are nested.
#include <stdexcept>

#include "dialogs/DialogRunner.h"
#include "dialogs/FormMsgBox.h"
#include "profiles/FormMessageChanger.h"
#include "tests/ProfileFixture.h"

namespace {

using dialogs::DialogKind;
using dialogs::DialogRun;
using testing_support::ProfileFixture;

class DialogRunner : public ProfileFixture {
 protected:
  void SetUp() override {
    ProfileFixture::SetUp();
    Start();
  }
};

TEST_F(DialogRunner, RecordsTheDialogOnlyWhileItRuns) {
  std::unique_ptr<TFormMsgBox> ref;
  {
    DialogRun<TFormMsgBox> run(ref, Ind().Dialogs, DialogKind::MsgBox, Ind().DialogEnvironment());
    ASSERT_EQ(ref.get(), &run.Form());
    EXPECT_EQ(run->Owner(), &ui::Application());
    EXPECT_EQ(Ind().Dialogs.Find(DialogKind::MsgBox), &run.Form());
    EXPECT_EQ(ui_->AppShowCommand(), ui::SW_Show);
    ui_->OnModal([](ui::TForm& form) { form.Close(); });
    EXPECT_EQ(run.ShowModal(), ui::mrCancel);
    // Still there after the modal run: the caller reads it back before the run ends.
    EXPECT_EQ(ref.get(), &run.Form());
  }
  EXPECT_EQ(ref, nullptr);
  EXPECT_TRUE(Ind().Dialogs.Empty());
  EXPECT_EQ(ui_->AppShowCommand(), ui::SW_Hide);
}

TEST_F(DialogRunner, AThrowingStepStillUndoesTheRun) {
  std::unique_ptr<TFormMsgBox> ref;
  auto run = [&] {
    DialogRun<TFormMsgBox> r(ref, Ind().Dialogs, DialogKind::MsgBox, Ind().DialogEnvironment());
    throw std::runtime_error("copy-in failed");
  };
  EXPECT_THROW(run(), std::runtime_error);
  EXPECT_EQ(ref, nullptr);
  EXPECT_TRUE(Ind().Dialogs.Empty());
  EXPECT_EQ(ui_->AppShowCommand(), ui::SW_Hide);
}

TEST_F(DialogRunner, ANestedRunKeepsTheTaskbarButtonForTheOuterOne) {
  std::unique_ptr<TFormMessageChanger> outer;
  std::unique_ptr<TFormMsgBox> inner;
  DialogRun<TFormMessageChanger> a(outer, Ind().Dialogs, DialogKind::MessageChanger,
                                   Ind().DialogEnvironment());
  { DialogRun<TFormMsgBox> b(inner, Ind().Dialogs, DialogKind::MsgBox, Ind().DialogEnvironment()); }
  EXPECT_EQ(inner, nullptr);
  EXPECT_EQ(ui_->AppShowCommand(), ui::SW_Show);
  EXPECT_TRUE(Ind().Dialogs.IsOpen(DialogKind::MessageChanger));
}

TEST_F(DialogRunner, ASecondRunOfAKindStillOpenIsRefusedAndTheFirstKept) {
  std::unique_ptr<TFormMsgBox> ref;
  DialogRun<TFormMsgBox> first(ref, Ind().Dialogs, DialogKind::MsgBox, Ind().DialogEnvironment());
  auto second = [&] {
    DialogRun<TFormMsgBox> r(ref, Ind().Dialogs, DialogKind::MsgBox, Ind().DialogEnvironment());
  };
  EXPECT_THROW(second(), dialogs::DialogAlreadyOpen);
  EXPECT_EQ(ref.get(), &first.Form());
  EXPECT_EQ(Ind().Dialogs.InRaiseOrder(), std::vector<ui::TForm*>{&first.Form()});
  EXPECT_EQ(ui_->AppShowCommand(), ui::SW_Show);
}

TEST_F(DialogRunner, ShutdownEndsTheModalRunsAndTheRunnerToleratesIt) {
  bool ended = false;
  ui_->OnModal([&](ui::TForm& form) {
    // The program closes while the box is up: its run ends, and the box goes.
    Ind().FormDestroy();
    ended = form.ModalResult() == ui::mrCancel;
  });
  Ind().ShowTimedMessage("closing", "", 10, ui::IDI_Asterisk);
  EXPECT_TRUE(ended);
  EXPECT_EQ(Ind().FormMsgBox, nullptr);
  EXPECT_TRUE(Ind().Dialogs.Empty());
}

}  // namespace
