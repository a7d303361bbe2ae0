// The dialog's font and the base units its dialog units are counted in.
#pragma once

#include <QFont>

#include "framework/dialog_geometry.h"
#include "framework/dialog_template.h"

namespace framework::qt {

// The template's face when the system has it, else a Japanese Gothic face whose
// half-width characters all have one width (IPAGothic, from fonts-ipafont-gothic).
QFont DialogFont(const framework::DialogFont& font);

BaseUnits BaseUnitsOf(const QFont& font);

}  // namespace framework::qt
