#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace cw::forms {

// The About box: a fixed dialog in the tooltip colour with the program's credits in Memo1. It is
// shown at every start and nothing opens it again once it is closed.
class TForm3 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm3(QWidget* parent = nullptr);

  QPlainTextEdit* Memo1 = nullptr;

  // The eleven lines of Memo1.
  static QStringList CreditLines();

 protected:
  void showEvent(QShowEvent* event) override;
};

}  // namespace cw::forms
