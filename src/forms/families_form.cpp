#include "forms/families_form.h"

#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "editor/editor.h"
#include "editor/family_file.h"
#include "editor/palette.h"

namespace cw::forms {
namespace {

// Right of the floor view, where the tool box and the compile log leave room.
constexpr QPoint kFamiliesPosition(810, 108);
constexpr QSize kFamiliesSize(200, 220);

}  // namespace

TFamilies::TFamilies(editor::Editor& editor, QWidget* floorView)
    : QWidget(floorView, Qt::Tool), editor_(editor) {
  setObjectName(QStringLiteral("Families"));
  setWindowTitle(QStringLiteral("Families"));
  move(kFamiliesPosition);
  resize(kFamiliesSize);

  List = new QListWidget(this);
  List->setObjectName(QStringLiteral("List"));
  Hint = new QLabel(this);
  Hint->setObjectName(QStringLiteral("Hint"));
  Hint->setWordWrap(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(List);
  layout->addWidget(Hint);

  ShowFamilies(editor.State().painting.families);
  // A row shown from the editor's state is set quietly: only the user's choice is forwarded.
  connect(List, &QListWidget::currentRowChanged, this,
          [this](int row) { editor_.ChooseFamily(row); });
  connect(List, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { editor_.ChooseFamily(List->row(item)); });
  editor_.AddView(*this);
}

TFamilies::~TFamilies() {
  editor_.RemoveView(*this);
}

void TFamilies::ShowInFront() {
  show();
  raise();
  activateWindow();
}

void TFamilies::ShowFamilies(const editor::FamilySet& families) {
  const QSignalBlocker quiet(List);
  List->clear();
  for (const editor::Family& family : families.families) {
    List->addItem(editor::DisplayName(family.name));
  }
  Hint->setText(List->count() == 0 ? QStringLiteral("No families: this folder has no usable %1.")
                                         .arg(QString::fromLatin1(editor::kFamiliesFileName))
                                   : QStringLiteral("A palette item paints plain blocks again."));
}

void TFamilies::EditorChanged(const editor::Editor& editor, const editor::ViewUpdate&) {
  // The families are read at start-up, after the window was made.
  const editor::FamilySet& families = editor.State().painting.families;
  if (static_cast<std::size_t>(List->count()) != families.families.size()) ShowFamilies(families);
  const int chosen = editor.State().painting.family;
  if (List->currentRow() == chosen && (chosen >= 0 || List->selectedItems().isEmpty())) return;
  const QSignalBlocker quiet(List);
  List->setCurrentRow(chosen);
  if (chosen < 0) List->clearSelection();
}

}  // namespace cw::forms
