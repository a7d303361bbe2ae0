#include "framework/qt/dialog_font.h"

#include <QFontMetrics>
#include <QString>
#include <QStringList>

#include <cmath>

namespace framework::qt {

QFont DialogFont(const framework::DialogFont& font) {
  QFont result;
  const QString face =
      QString::fromUtf8(font.face.data(), static_cast<qsizetype>(font.face.size()));
  result.setFamilies(QStringList{face, QStringLiteral("IPAGothic"), QStringLiteral("IPAexGothic"),
                                 QStringLiteral("monospace")});
  result.setPointSize(font.pointSize);
  result.setWeight(QFont::Normal);
  result.setStyle(QFont::StyleNormal);
  return result;
}

BaseUnits BaseUnitsOf(const QFont& font) {
  const QFontMetrics metrics(font);
  const int letters = metrics.horizontalAdvance(
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  return {.averageWidth = static_cast<int>(std::lround(letters / 52.0)),
          .height = metrics.height()};
}

}  // namespace framework::qt
