// The program's only icon, IDI_APP_ICON: the window's own icon and the picture 2012.
#pragma once

#include "framework/resources.h"

namespace fokuro {

const framework::IconResource& AppIcon();

}  // namespace fokuro
