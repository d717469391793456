// A line of a result that is still being found out while the timed message box is shown:
// whether an applied profile is in force.
#pragma once
#include <functional>
#include <optional>
#include <string>

namespace dialogs {

struct ResultLine {
  std::string Text;
  bool Warning = false;  // the box then warns (icon, more time to read it)
  // When set, heads the box in place of its message's first line (which said the change
  // was made): the change did not hold.
  std::string Lead;
};

// Asked when the box is shown and then once a second; nullopt while the answer is not known
// yet. Its first answer is the box's second line, and it is not asked again.
using PendingLine = std::function<std::optional<ResultLine>()>;

}  // namespace dialogs
