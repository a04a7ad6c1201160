#include "forms/compile_log_form.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "editor/editor.h"

namespace cw::forms {
namespace {

// Below the tool box and the floor view, reaching beyond them to the right for long lines.
constexpr QPoint kLogPosition(190, 520);
constexpr QSize kLogSize(840, 220);

QColor ColourOf(editor::LogLineKind kind) {
  switch (kind) {
    case editor::LogLineKind::kProblem:
      return QColor(176, 0, 0);
    case editor::LogLineKind::kWarning:
      return QColor(150, 90, 0);
    case editor::LogLineKind::kStatus:
      return QColor(0, 0, 160);
    case editor::LogLineKind::kNote:
    case editor::LogLineKind::kOutput:
      break;
  }
  return QColor(0, 0, 0);
}

}  // namespace

TCompileLog::TCompileLog(editor::Editor& editor, QWidget* floorView)
    : QWidget(floorView, Qt::Tool), editor_(editor) {
  setObjectName(QStringLiteral("CompileLog"));
  setWindowTitle(QStringLiteral("Compile log"));
  move(kLogPosition);
  resize(kLogSize);

  Lines = new QListWidget(this);
  Lines->setObjectName(QStringLiteral("Lines"));
  Lines->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  Lines->setUniformItemSizes(true);
  Lines->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  CheckButton = new QPushButton(QStringLiteral("Check"), this);
  CheckButton->setObjectName(QStringLiteral("CheckButton"));
  BuildButton = new QPushButton(QStringLiteral("Build"), this);
  BuildButton->setObjectName(QStringLiteral("BuildButton"));
  StopButton = new QPushButton(QStringLiteral("Stop"), this);
  StopButton->setObjectName(QStringLiteral("StopButton"));
  StopButton->setToolTip(QStringLiteral("End the post-build batch and every tool it started"));
  StopButton->setEnabled(false);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(CheckButton);
  buttons->addWidget(BuildButton);
  buttons->addWidget(StopButton);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(Lines);
  layout->addLayout(buttons);

  auto clicked = [this](QListWidgetItem* item) {
    editor_.ClickLogLine(static_cast<std::size_t>(Lines->row(item)));
  };
  connect(Lines, &QListWidget::itemClicked, this, clicked);
  connect(Lines, &QListWidget::itemActivated, this, clicked);
  connect(CheckButton, &QPushButton::clicked, this, [this] { editor_.ClickCheck(); });
  connect(BuildButton, &QPushButton::clicked, this, [this] { editor_.ClickBuild(); });
  connect(StopButton, &QPushButton::clicked, this, [this] { editor_.ClickStopBatch(); });
  editor_.AddView(*this);
}

TCompileLog::~TCompileLog() {
  editor_.RemoveView(*this);
}

void TCompileLog::EditorChanged(const editor::Editor& editor, const editor::ViewUpdate& update) {
  if (update.logChanged || update.showLog) ShowLines(editor.Log());
  StopButton->setEnabled(editor.BatchRunning());
  if (update.showLog) {
    show();
    raise();
  }
}

void TCompileLog::showEvent(QShowEvent* event) {
  if (!placed_) PlaceBelowTheOtherWindows();
  QWidget::showEvent(event);
}

void TCompileLog::PlaceBelowTheOtherWindows() {
  placed_ = true;
  QWidget* floorView = parentWidget();
  if (floorView == nullptr) return;
  // The lowest bottom edge of the floor view and its tool windows, frames included.
  int bottom = floorView->frameGeometry().bottom();
  int left = floorView->frameGeometry().left();
  for (QWidget* window : floorView->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    if (window == this || !window->isWindow() || !window->isVisible()) continue;
    bottom = std::max(bottom, window->frameGeometry().bottom());
    left = std::min(left, window->frameGeometry().left());
  }
  move(left, bottom + 8);
}

void TCompileLog::ShowLines(const editor::CompileLog& log) {
  if (log.Generation() != generation_ || log.Lines().size() < shown_) {
    Lines->clear();
    generation_ = log.Generation();
    shown_ = 0;
  }
  // New lines keep the view at the bottom, unless the user scrolled up to read.
  QScrollBar* bar = Lines->verticalScrollBar();
  const bool atBottom = bar->value() == bar->maximum();
  const auto& lines = log.Lines();
  for (; shown_ < lines.size(); ++shown_) {
    auto* item = new QListWidgetItem(editor::DisplayText(lines[shown_]), Lines);
    item->setForeground(ColourOf(lines[shown_].kind));
    if (lines[shown_].cell) {
      item->setToolTip(QStringLiteral("Click to show the cell on its floor"));
    }
  }
  if (atBottom) Lines->scrollToBottom();
}

}  // namespace cw::forms
