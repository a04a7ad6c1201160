#include "forms/tool_box_form.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

#include "editor/editor.h"
#include "editor/palette.h"

namespace cw::forms {

namespace {

// The window's place and inside size: left 190, top 108, 149 by 399 with its frame.
constexpr QPoint kToolBoxPosition(190, 108);
constexpr QSize kToolBoxInsideSize(141, 372);
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
    : QWidget(floorView, Qt::Tool | Qt::WindowStaysOnTopHint), editor_(editor) {
  setWindowTitle(QStringLiteral(" Tool Box"));
  move(kToolBoxPosition);
  resize(kToolBoxInsideSize);
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
  Image1->ShowImage(editor.State().preview);

  // Below the preview, where nothing else stands: a short warning, with the reason as its tip.
  RecoveryWarning = Place(new QLabel(this), 0, 361, 45, 11, "RecoveryWarning");
  QFont warningFont = small;
  warningFont.setPixelSize(9);
  RecoveryWarning->setFont(warningFont);
  RecoveryWarning->setStyleSheet(QStringLiteral("color: #b00000;"));
  RecoveryWarning->hide();

  // Two arrow buttons filling the control; the position is shown in the floor view's title.
  UpDown1 = Place(new UpDownControl(this), 108, 328, 25, 41, "UpDown1");
  UpDown1->setRange(-8, 7);
  UpDown1->setValue(0);

  ConnectEvents();
  editor.AddView(*this);
  EditorChanged(editor, {});
}

TForm1::~TForm1() {
  editor_.RemoveView(*this);
}

namespace {

// Sets a control from the editor's state without running the control's own event: only the
// user's actions are forwarded.
template <typename Control, typename Set>
void Quietly(Control* control, Set set) {
  const QSignalBlocker quiet(control);
  set();
}

}  // namespace

void TForm1::ShowPalette(const std::vector<std::string>& items) {
  const QSignalBlocker quiet(ListBox1);
  ListBox1->clear();
  for (const std::string& item : items) ListBox1->addItem(editor::DisplayName(item));
}

void TForm1::EditorChanged(const editor::Editor& editor, const editor::ViewUpdate& update) {
  const editor::EditorState& state = editor.State();
  if (ListBox1->count() != static_cast<int>(state.palette.size())) ShowPalette(state.palette);
  if (ListBox1->currentRow() != state.selectedRow) {
    Quietly(ListBox1, [&] {
      ListBox1->setCurrentRow(state.selectedRow);
      if (state.selectedRow < 0) ListBox1->clearSelection();
    });
  }
  if (UpDown1->value() != state.floor) Quietly(UpDown1, [&] { UpDown1->setValue(state.floor); });
  if (Links->isChecked() != state.linkMode) {
    Quietly(Links, [&] { Links->setChecked(state.linkMode); });
  }
  if (Links->text() != state.linksCaption) Links->setText(state.linksCaption);
  QCheckBox* const boxes[] = {CheckBox1, CheckBox2, CheckBox3};
  for (std::size_t i = 0; i < 3; ++i) {
    if (boxes[i]->isChecked() != state.orientation[i]) {
      Quietly(boxes[i], [&] { boxes[i]->setChecked(state.orientation[i]); });
    }
  }
  // The label is as wide as its text, centred on it, 13 pixels high.
  if (Label1->text() != state.label) {
    Label1->setText(state.label);
    Label1->resize(Label1->sizeHint().width(), kLabelHeight);
  }
  if (update.previewChanged) Image1->ImageChanged();
  ShowNotices(state.notices);
}

void TForm1::ShowNotices(const std::vector<editor::EditorState::Notice>& notices) {
  if (notices == shownNotices_) return;
  shownNotices_ = notices;
  RecoveryWarning->setVisible(!notices.empty());
  if (notices.empty()) return;
  // The first title, cut to the label's fixed width; every whole text as the tip.
  const QString title =
      notices.size() == 1
          ? notices.front().title
          : QStringLiteral("%1 (+%2)").arg(notices.front().title).arg(notices.size() - 1);
  RecoveryWarning->setText(
      RecoveryWarning->fontMetrics().elidedText(title, Qt::ElideRight, RecoveryWarning->width()));
  QStringList texts;
  for (const editor::EditorState::Notice& notice : notices) texts.append(notice.text);
  RecoveryWarning->setToolTip(texts.join(QStringLiteral("\n")));
}

void TForm1::ConnectEvents() {
  editor::Editor& editor = editor_;
  connect(Button4, &QPushButton::clicked, this, [&editor] { editor.ClickLoad(); });
  connect(Button5, &QPushButton::clicked, this, [&editor] { editor.ClickSave(); });
  connect(Button6, &QPushButton::clicked, this, [&editor] { editor.ClickBuild(); });
  // A selection that shows the editor's is made quietly: only the user's choice is a click.
  connect(ListBox1, &QListWidget::currentRowChanged, this,
          [&editor](int row) { editor.ChoosePaletteRow(row); });
  // A click on the item already selected also goes back from a family to plain blocks.
  connect(ListBox1, &QListWidget::itemClicked, this,
          [&editor, this](QListWidgetItem* item) { editor.ChoosePaletteRow(ListBox1->row(item)); });
  const std::pair<QCheckBox*, editor::OrientationBox> boxes[] = {
      {CheckBox1, editor::OrientationBox::kXFlip},
      {CheckBox2, editor::OrientationBox::kYFlip},
      {CheckBox3, editor::OrientationBox::kRotate}};
  for (const auto& [box, which] : boxes) {
    connect(box, &QCheckBox::toggled, this,
            [&editor, which = which](bool checked) { editor.SetOrientationBox(which, checked); });
  }
  connect(Links, &QCheckBox::toggled, this, [&editor](bool on) { editor.SetLinkMode(on); });
  connect(UpDown1, &UpDownControl::valueChanged, this,
          [&editor](int position) { editor.SetFloorSelector(position); });
}

}  // namespace cw::forms
