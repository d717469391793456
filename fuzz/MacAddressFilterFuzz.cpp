// The MAC editor's filter on any typed text and any caret and selection: only 0-9 and A-F
// stay, in their order; the caret stays before the digits it stood before, the selection
// within the text; a second pass changes nothing. Then the same through the real editor:
// the text typed into its address edit at the caret the input chooses.
#include <fuzzer/FuzzedDataProvider.h>

#include <cctype>
#include <optional>
#include <string>
#include <vector>

#include "changers/FormMacChanger.h"
#include "changers/MacAddressText.h"
#include "fuzz/FuzzSupport.h"
#include "fuzz/ProgramOnFakes.h"

namespace {

using changers::HexDigit;
using changers::KeepHexDigits;
using changers::KeptHexDigits;

void CheckFilter(const std::string& typed, int selStart, int selLength) {
  const KeptHexDigits kept = KeepHexDigits(typed, selStart, selLength);
  std::string digits, before;
  for (std::size_t i = 0; i < typed.size(); ++i) {
    if (!HexDigit(typed[i])) continue;
    digits += typed[i];
    if (int(i) < selStart) before += typed[i];
  }
  const std::string detail = typed + " at " + std::to_string(selStart);
  fuzz::Check(kept.Text == digits, "the digits stay, in order, nothing else", detail);
  fuzz::Check(kept.SelStart == int(before.size()), "the caret stays before the same digits",
              detail);
  fuzz::Check(kept.SelLength >= 0 && kept.SelStart + kept.SelLength <= int(kept.Text.size()),
              "the selection within the text", detail);
  if (selLength >= 0 && kept.SelStart + selLength <= int(kept.Text.size()))
    fuzz::Check(kept.SelLength == selLength, "the selection keeps its length", detail);
  const KeptHexDigits again = KeepHexDigits(kept.Text, kept.SelStart, kept.SelLength);
  fuzz::Check(again.Text == kept.Text && again.SelStart == kept.SelStart &&
                  again.SelLength == kept.SelLength,
              "a second pass changes nothing", detail);
}

// The editor as the program makes it (its texts, profiles and adapter list), made once and
// shown: the input reaches only the address edit, whose text and caret each input sets
// afresh. The program's save after an editor run does not depend on what was typed. What the
// windows were told is forgotten after each input (it would grow without end).
TFormMacChanger& Editor() {
  static fuzz::ProgramOnFakes program;
  static TFormQuonthary& ind = program.Start();
  static TFormMacChanger editor(
      &ui::Application(), ind.DialogEnvironment(), ind.Profiles,
      [] { return ind.ListNetworkAdapters(); },
      [](const std::vector<std::string>&) { return std::optional<std::vector<std::string>>(); });
  static const bool shown = (editor.Show(), true);
  (void)shown;
  program.Ui().ResetTraffic();
  return editor;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const int selStart = in.ConsumeIntegralInRange<int>(-2, 40);
  const int selLength = in.ConsumeIntegralInRange<int>(-2, 40);
  const std::string typed = in.ConsumeRandomLengthString(40);
  CheckFilter(typed, selStart, selLength);

  // The editor: an address to start from, the caret put in it, then the typed characters.
  ui::TEdit& edit = Editor().EditMacAddress;
  edit.SetText("00AA11BB22");
  edit.SetSelection(selStart, selLength);
  for (char c : typed) {
    const std::string was = edit.Text();
    const int caret = edit.SelStart();
    const bool selected = edit.SelLength() > 0;
    edit.UserType(std::string(1, c));
    for (char k : edit.Text()) fuzz::Check(HexDigit(k), "the edit holds digits only", edit.Text());
    fuzz::Check(edit.SelStart() >= 0 && edit.SelStart() <= int(edit.Text().size()),
                "the caret within the text", edit.Text());
    // A character the filter drops leaves the text and the caret where they were, when
    // nothing was selected.
    if (!HexDigit(char(std::toupper(static_cast<unsigned char>(c)))) && c != '\b' && !selected)
      fuzz::Check(edit.Text() == was && edit.SelStart() == caret,
                  "a dropped character changes nothing", was + " + " + std::string(1, c));
  }
  return 0;
}
