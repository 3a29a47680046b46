#include "ui/qt/dialog_units.h"

namespace lexi {

DialogUnits::DialogUnits(const QFontMetrics& metrics) : baseY_(metrics.height()) {
  const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  baseX_ = (metrics.horizontalAdvance(alphabet) / 26 + 1) / 2;
}

}  // namespace lexi
