// quonthary_langtemplate [file]: writes the English language template, made from the
// program's windows, to the file (resources/language/English.lng) or to the standard output.
#include <exception>
#include <fstream>
#include <iostream>
#include <string>

#include "i18n/LanguageTemplate.h"
#include "i18n/template/ProgramWindows.h"

int main(int argc, char** argv) {
  try {
    // A folder without language files: the windows keep their designed texts.
    i18n::ProgramWindows windows("quonthary-langtemplate-no-such-folder/");
    const std::string text = i18n::LanguageTemplate(windows.Windows());
    if (argc < 2) {
      std::cout << text;
      return 0;
    }
    std::ofstream out(argv[1], std::ios::binary);
    out << text;
    out.close();
    if (!out) {
      std::cerr << "quonthary_langtemplate: cannot write " << argv[1] << "\n";
      return 1;
    }
    return 0;
  } catch (const std::exception& e) {
    std::cerr << "quonthary_langtemplate: " << e.what() << "\n";
    return 1;
  }
}
