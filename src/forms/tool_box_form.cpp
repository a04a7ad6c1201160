#include "forms/tool_box_form.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

#include "editor/editor.h"

namespace cw::forms {

namespace {

// The window's place and inside size: left 190, top 108, 149 by 399 with its frame.
constexpr QPoint kPosition(190, 108);
constexpr QSize kInsideSize(141, 372);
constexpr int kItemHeight = 13;
constexpr int kLabelHeight = 13;

template <typename Control>
Control* Place(Control* control, int left, int top, int width, int height, const char* name) {
  control->setGeometry(left, top, width, height);
  control->setObjectName(QString::fromLatin1(name));
  return control;
}

}  // namespace

TForm1::TForm1(editor::Editor& editor, QWidget* floorView)
    : QWidget(floorView, Qt::Tool | Qt::WindowStaysOnTopHint) {
  setWindowTitle(QStringLiteral(" Tool Box"));
  move(kPosition);
  resize(kInsideSize);
  QFont small = font();
  small.setPixelSize(11);
  setFont(small);

  Button4 = Place(new QPushButton(QStringLiteral("Load"), this), 0, 8, 41, 25, "Button4");
  Button5 = Place(new QPushButton(QStringLiteral("Save"), this), 48, 8, 41, 25, "Button5");
  Button6 = Place(new QPushButton(QStringLiteral("Build"), this), 96, 8, 41, 25, "Button6");
  Links = Place(new QCheckBox(QStringLiteral("Links"), this), 8, 40, 121, 17, "Links");

  ListBox1 = Place(new QListWidget(this), 0, 64, 137, 241, "ListBox1");
  ListBox1->setUniformItemSizes(true);
  ListBox1->setStyleSheet(
      QStringLiteral("QListWidget::item { height: %1px; padding: 0px; }").arg(kItemHeight));

  Label1 = Place(new QLabel(this), 4, 305, 0, kLabelHeight, "Label1");
  Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

  Panel1 = Place(new QFrame(this), 45, 320, 55, 52, "Panel1");
  Panel1->setFrameShape(QFrame::Panel);
  Panel1->setFrameShadow(QFrame::Raised);
  // Three boxes of 50 pixels with their captions: a small font and little room beside the box.
  QFont boxFont = small;
  boxFont.setPixelSize(10);
  Panel1->setFont(boxFont);
  Panel1->setStyleSheet(QStringLiteral(
      "QCheckBox { spacing: 2px; } QCheckBox::indicator { width: 10px; height: 10px; }"));
  CheckBox1 = Place(new QCheckBox(QStringLiteral("X  Flip"), Panel1), 1, 1, 50, 17, "CheckBox1");
  CheckBox2 = Place(new QCheckBox(QStringLiteral("Y  Flip"), Panel1), 1, 17, 50, 17, "CheckBox2");
  CheckBox3 = Place(new QCheckBox(QStringLiteral("Rotate"), Panel1), 1, 34, 50, 17, "CheckBox3");

  Image1 = Place(new CanvasImage(this), 4, 328, 32, 32, "Image1");
  Image1->SetSurfaceSize(32, 32);

  // Below the preview, where nothing else stands: a short warning, with the reason as its tip.
  RecoveryWarning =
      Place(new QLabel(QStringLiteral("No recovery!"), this), 0, 361, 45, 11, "RecoveryWarning");
  QFont warningFont = small;
  warningFont.setPixelSize(9);
  RecoveryWarning->setFont(warningFont);
  RecoveryWarning->setStyleSheet(QStringLiteral("color: #b00000;"));
  RecoveryWarning->hide();

  // Two arrow buttons filling the control; the position is shown in the floor view's title.
  UpDown1 = Place(new UpDownControl(this), 108, 328, 25, 41, "UpDown1");
  UpDown1->setRange(-8, 7);
  UpDown1->setValue(0);

  ConnectEvents(editor);
}

int TForm1::FloorSelectorPosition() const {
  return UpDown1->value();
}

void TForm1::SetFloorSelectorPosition(int position) {
  const QSignalBlocker quiet(UpDown1);
  UpDown1->setValue(position);
}

bool TForm1::LinkModeChecked() const {
  return Links->isChecked();
}

void TForm1::SetLinksCaption(const QString& caption) {
  Links->setText(caption);
}

QCheckBox* TForm1::Box(editor::OrientationBox box) const {
  switch (box) {
    case editor::OrientationBox::kXFlip:
      return CheckBox1;
    case editor::OrientationBox::kYFlip:
      return CheckBox2;
    case editor::OrientationBox::kRotate:
      break;
  }
  return CheckBox3;
}

bool TForm1::OrientationBoxChecked(editor::OrientationBox box) const {
  return Box(box)->isChecked();
}

void TForm1::SetOrientationBoxChecked(editor::OrientationBox box, bool checked) {
  QCheckBox* control = Box(box);
  const QSignalBlocker quiet(control);
  control->setChecked(checked);
}

void TForm1::SetPaletteItems(const QStringList& items) {
  const QSignalBlocker quiet(ListBox1);
  ListBox1->clear();
  ListBox1->addItems(items);
  ListBox1->setCurrentRow(0);
}

int TForm1::PaletteItemCount() const {
  return ListBox1->count();
}

QString TForm1::PaletteItemText(int row) const {
  const QListWidgetItem* item = ListBox1->item(row);
  return item != nullptr ? item->text() : QString();
}

int TForm1::SelectedPaletteRow() const {
  return ListBox1->currentRow();
}

void TForm1::SelectPaletteRow(int row) {
  const QSignalBlocker quiet(ListBox1);
  ListBox1->setCurrentRow(row);
  if (row < 0) ListBox1->clearSelection();
}

void TForm1::ShowRecoveryProblem(const QString& message) {
  RecoveryWarning->setToolTip(message);
  RecoveryWarning->show();
}

void TForm1::SetLabel1Caption(const QString& text) {
  Label1->setText(text);
  Label1->resize(Label1->sizeHint().width(), kLabelHeight);
}

void TForm1::ConnectEvents(editor::Editor& editor) {
  auto forward = [&editor](void (editor::Editor::*handler)()) {
    return [&editor, handler] { editor.RunHandler([&] { (editor.*handler)(); }); };
  };
  connect(Button4, &QPushButton::clicked, this, forward(&editor::Editor::Button4Click));
  connect(Button5, &QPushButton::clicked, this, forward(&editor::Editor::Button5Click));
  connect(Button6, &QPushButton::clicked, this, forward(&editor::Editor::Button6Click));
  // A selection made by program code blocks these signals: only the user's choice is a click.
  connect(ListBox1, &QListWidget::currentRowChanged, this, forward(&editor::Editor::ListBox1Click));
  // toggled fires on every change of state, by the user or by code.
  for (QCheckBox* box : {CheckBox1, CheckBox2, CheckBox3})
    connect(box, &QCheckBox::toggled, this, forward(&editor::Editor::CheckBoxClick));
  connect(Links, &QCheckBox::toggled, this, forward(&editor::Editor::LinksClick));
  connect(UpDown1, &UpDownControl::valueChanged, this, forward(&editor::Editor::UpDown1Click));
}

}  // namespace cw::forms
