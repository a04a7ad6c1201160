#include "forms/about_form.h"

#include <QPalette>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QWindow>

namespace cw::forms {

namespace {

constexpr QPoint kAboutPosition(343, 107);
constexpr QSize kAboutInsideSize(362, 163);

}  // namespace

TForm3::TForm3(QWidget* parent)
    // A fixed dialog frame: a title bar with a close button and nothing else.
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  setWindowTitle(QString());
  // Escape closes it, with or without a window manager.
  auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  close->setContext(Qt::WindowShortcut);
  connect(close, &QShortcut::activated, this, &QWidget::close);
  // Closing the floor view ends the program even while this box is still open.
  setAttribute(Qt::WA_QuitOnClose, false);
  move(kAboutPosition);
  setFixedSize(kAboutInsideSize);

  QPalette colours = palette();
  const QColor tooltip = colours.color(QPalette::ToolTipBase);
  colours.setColor(QPalette::Window, tooltip);
  colours.setColor(QPalette::Base, tooltip);
  colours.setColor(QPalette::Text, colours.color(QPalette::ToolTipText));
  setPalette(colours);
  setAutoFillBackground(true);

  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setGeometry(8, 8, 345, 145);
  Memo1->setFrameShape(QFrame::NoFrame);
  Memo1->setReadOnly(true);
  Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo1->document()->setDocumentMargin(1);
  QFont small = Memo1->font();
  small.setPixelSize(11);
  Memo1->setFont(small);
  Memo1->setPlainText(CreditLines().join(QLatin1Char('\n')));
}

void TForm3::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // The window system would show the program's name for an empty title: a blank shows nothing.
  if (windowHandle() != nullptr) windowHandle()->setTitle(QStringLiteral(" "));
}

QStringList TForm3::CreditLines() {
  return {
      QString(),
      QStringLiteral("   Cryptwright builds levels for the game Heretic II,"),
      QStringLiteral("   and for any game based on the Quake engine."),
      QString(),
      QStringLiteral("   Paint ready-made blocks floor by floor: 3-D games, fast."),
      QStringLiteral("   Make a realm of your own, then come and visit it!"),
      QString(),
      QStringLiteral("   Version :  05/19/2001"),
      QString(),
      QStringLiteral("   Written by the Cryptwright developers."),
      QStringLiteral("   Block kit and map compiler included."),
  };
}

}  // namespace cw::forms
