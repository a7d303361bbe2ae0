#include "framework/qt/icon_pixmap.h"

namespace framework::qt {

QPixmap IconPixmap(const IconResource& icon) {
  return QPixmap(icon.xpm.data());
}

}  // namespace framework::qt
