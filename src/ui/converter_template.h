// The main window's description: the frame, the font and the 24 controls in creation order.
#pragma once

#include "framework/dialog_template.h"

namespace fokuro {

// Lives for the whole program; the framework builds the window from it by number 102.
const framework::DialogTemplate& ConverterDialogTemplate();

}  // namespace fokuro
