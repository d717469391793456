#include "i18n/LanguageTemplate.h"

#include <cctype>

#include "i18n/Translate.h"

namespace i18n {

namespace {

// A letter of any language: ASCII, or any byte of the upper half of an ANSI code page.
bool HoldsWords(const std::string& text) {
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x80 || std::isalpha(byte)) return true;
  }
  return false;
}

bool ShowsData(const ui::TComponent& c) {
  auto* label = dynamic_cast<const ui::TLabel*>(&c);
  return label && !label->ShowAccelChar();
}

const char kHeader[] =
    "; Quonthary - English texts, the template of every language file.\r\n"
    "; Made from the program's windows by quonthary_langtemplate: do not edit by hand.\r\n"
    "; A translation copies this file under its language's name into language\\, in the\r\n"
    "; ANSI code page of its language (Windows-1252 for Western, Windows-1250 for Central\r\n"
    "; European languages), and replaces the texts after \"=\". One section per window; keys\r\n"
    "; are component name + \"_Cpt\" (caption) or + \"_Hnt\" (hint). \"&\" marks the letter of\r\n"
    "; a keyboard accelerator, \"%1\", \"%2\"... the places of values.\r\n"
    "\r\n";

}  // namespace

std::vector<TemplateKey> TemplateKeys(ui::TForm& window) {
  std::vector<TemplateKey> keys;
  ForEachTranslated(window, [&](ui::TComponent& c) {
    const TranslatedTexts texts = TextsTranslated(c);
    if (texts.Caption && !ShowsData(c)) {
      const std::string caption = CaptionOf(c);
      if (HoldsWords(caption)) keys.push_back({c.Name() + "_Cpt", caption});
    }
    if (texts.Hint) {
      const std::string hint = HintOf(c);
      if (HoldsWords(hint)) keys.push_back({c.Name() + "_Hnt", hint});
    }
  });
  return keys;
}

std::string LanguageTemplate(const std::vector<ui::TForm*>& windows) {
  std::string out = kHeader;
  for (ui::TForm* window : windows) {
    out += "[" + window->Name() + "]\r\n";
    for (const TemplateKey& key : TemplateKeys(*window)) out += key.Key + "=" + key.Text + "\r\n";
    out += "\r\n";
  }
  return out;
}

}  // namespace i18n
