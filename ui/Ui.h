// The whole form library.
#pragma once
#include "ui/Backend.h"
#include "ui/Bitmap.h"
#include "ui/ComCtrls.h"
#include "ui/Component.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/ExtCtrls.h"
#include "ui/Forms.h"
#include "ui/Menus.h"
#include "ui/StdCtrls.h"
#include "ui/Types.h"
