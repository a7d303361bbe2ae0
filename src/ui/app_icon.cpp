#include "ui/app_icon.h"

#include "ui/resource.h"

namespace fokuro {
namespace {

// The pixels stay in an XPM file of their own so that image tools can open and edit them.
#include "ui/app_icon.xpm"

constexpr framework::IconResource kAppIcon{.id = IDI_APP_ICON, .xpm = app_icon_xpm};

}  // namespace

const framework::IconResource& AppIcon() {
  return kAppIcon;
}

}  // namespace fokuro
