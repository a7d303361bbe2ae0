#pragma once

#include <QIcon>
#include <QPixmap>

#include "framework/resources.h"

namespace framework::qt {

QPixmap IconPixmap(const IconResource& icon);

}  // namespace framework::qt
