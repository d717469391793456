#include "ui/Dialogs.h"

#include "ui/Backend.h"

namespace ui {

bool TOpenDialog::Execute() { return CurrentBackend().ExecuteOpenDialog(*this); }

bool TColorDialog::Execute() { return CurrentBackend().ExecuteColorDialog(*this); }

}  // namespace ui
