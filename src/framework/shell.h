// The system's shell services.
#pragma once

#include <string_view>

#include "framework/types.h"

namespace framework {

// Opens an address with its default operation, in the user's web browser for a web page.
// True when the request was taken; nothing is shown either way.
bool ShellExecute(std::string_view address);

// The platform's standard icon size (SM_CXICON x SM_CYICON).
Size StandardIconSize();

}  // namespace framework
