// The open-file and colour dialogs' helpers.
#pragma once
#include <string>

namespace ui::win32 {

// "Text|*.txt|All|*.*" as the dialog wants it: NUL-separated, ending in two NULs.
std::string FilterForDialog(const std::string& filter);

}  // namespace ui::win32
