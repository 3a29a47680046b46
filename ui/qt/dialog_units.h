// Dialog units: lengths relative to the dialog's font, so that the layout keeps
// its proportions at any font size or screen resolution. A horizontal unit is a
// quarter of the font's average character width, a vertical one an eighth of
// its height.
#pragma once

#include <QFontMetrics>

namespace lexi {

class DialogUnits {
 public:
  explicit DialogUnits(const QFontMetrics& metrics);
  int x(int units) const { return (units * baseX_ + 2) / 4; }
  int y(int units) const { return (units * baseY_ + 4) / 8; }

 private:
  int baseX_;
  int baseY_;
};

}  // namespace lexi
