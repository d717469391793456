// The editors' windows in English and in the shipped German and Polish: no two controls of one
// parent overlap and every control lies inside its parent, whatever the texts' widths.
#include <filesystem>

#include "tests/EditorFixture.h"

namespace {

using testing_support::EditorFixture;

// Overlaps and overhangs among the form's controls, as "A / B" lines.
std::vector<std::string> LayoutFaults(ui::TForm& form) {
  std::vector<std::string> faults;
  std::vector<ui::TWinControl*> parents{&form};
  for (ui::TComponent* c : form.Components())
    if (auto* w = dynamic_cast<ui::TWinControl*>(c)) parents.push_back(w);
  for (ui::TWinControl* parent : parents) {
    const auto& children = parent->Controls();
    for (std::size_t i = 0; i < children.size(); ++i) {
      const ui::TControl& a = *children[i];
      if (a.Left() < 0 || a.Top() < 0 || a.Right() > parent->ClientWidth() ||
          a.Bottom() > parent->ClientHeight())
        faults.push_back(a.Name() + " outside " + parent->Name());
      for (std::size_t j = i + 1; j < children.size(); ++j) {
        const ui::TControl& b = *children[j];
        if (a.Left() < b.Right() && b.Left() < a.Right() && a.Top() < b.Bottom() &&
            b.Top() < a.Bottom())
          faults.push_back(a.Name() + " / " + b.Name());
      }
    }
  }
  return faults;
}

class EditorLayout : public EditorFixture, public testing::WithParamInterface<std::string> {
 protected:
  void SetUp() override {
    EditorFixture::SetUp();
    if (GetParam().empty()) return;
    std::filesystem::create_directories(dir.Path() / "language");
    std::filesystem::copy_file(std::string(Q_SOURCE_DIR) + "/resources/language/" + GetParam(),
                               dir.Path() / "language" / GetParam());
    Ind().FormLanguage->SetLanguageFile(GetParam());
  }
  template <class W>
  void Check(W& w) {
    for (const std::string& fault : LayoutFaults(w)) ADD_FAILURE() << w.Name() << ": " << fault;
  }
};

TEST_P(EditorLayout, NothingOverlapsOrHangsOut) {
  bool translated = false;
  EditIP([&](TFormIPChanger& e) {
    translated = e.ButtonSave.Caption() != "Save";
    Check(e);
    OnWindow<TFormImportSettings>([&](TFormImportSettings& p) {
      Check(p);
      Click(p.ButtonCancel);
    });
    Click(e.ButtonImport);
    Reorder({});
    OnWindow<TFormProfilesOrder>([&](TFormProfilesOrder& d) {
      Check(d);
      Click(d.ButtonAnuluj);
    });
    Click(e.ButtonProfOrder);
  });
  EditProxy([&](TFormProxy& e) { Check(e); });
  EditMac([&](TFormMacChanger& e) { Check(e); });
  EXPECT_EQ(translated, !GetParam().empty());
}

INSTANTIATE_TEST_SUITE_P(Languages, EditorLayout, testing::Values("", "Deutsch.lng", "Polski.lng"));

}  // namespace
