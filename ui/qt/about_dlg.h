// CAboutDlg: the About box, modal over the search dialog.
#pragma once

#include <QDialog>
#include <QIcon>

namespace lexi {

class CAboutDlg : public QDialog {
 public:
  explicit CAboutDlg(const QIcon& icon, QWidget* parent = nullptr);
};

}  // namespace lexi
