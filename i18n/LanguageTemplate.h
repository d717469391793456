// The English language template: for each window, the keys a translator fills, with the
// designed English text as the value, in the format TranslateForm reads.
#pragma once
#include <string>
#include <vector>

#include "ui/Ui.h"

namespace i18n {

struct TemplateKey {
  std::string Key;   // component name + "_Cpt" or "_Hnt"
  std::string Text;  // the English text
};

// The window's keys in translation order: every caption and hint that translation reads and
// that holds words. Not the data a window shows, which the program writes over whatever a
// translation gave: captions without a letter (separators, "0%", "----"), empty texts, and
// labels that show data (they show an "&" as it is, ShowAccelChar off).
std::vector<TemplateKey> TemplateKeys(ui::TForm& window);

// The whole file: a header of comments, then one section per window in the given order,
// lines ending in CR LF.
std::string LanguageTemplate(const std::vector<ui::TForm*>& windows);

}  // namespace i18n
