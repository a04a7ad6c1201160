#include "real_windows.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>

namespace cw::testing {

bool RealWindows::Open(editor::Editor& editor) {
  windows_ = forms::OpenWindows(editor);
  return windows_.has_value();
}

QString RealWindows::FloorCaption() {
  return Form2().windowTitle();
}

QString RealWindows::LinksCaption() {
  return Form1().Links->text();
}

QString RealWindows::Label() {
  return Form1().Label1->text();
}

int RealWindows::Floor() {
  return Form1().UpDown1->value();
}

int RealWindows::SelectedRow() {
  return Form1().ListBox1->currentRow();
}

bool RealWindows::BoxChecked(editor::OrientationBox box) {
  QCheckBox* const boxes[] = {Form1().CheckBox1, Form1().CheckBox2, Form1().CheckBox3};
  return boxes[static_cast<int>(box)]->isChecked();
}

void RealWindows::Press(Qt::MouseButton button, QPoint at) {
  QTest::mousePress(Form2().Image1, button, Qt::NoModifier, at);
}

void RealWindows::Move(QPoint at) {
  QTest::mouseMove(Form2().Image1, at);
}

void RealWindows::Release(Qt::MouseButton button, QPoint at) {
  QTest::mouseRelease(Form2().Image1, button, Qt::NoModifier, at);
}

void RealWindows::Key(Qt::Key key) {
  QTest::keyClick(Form2().ScrollArea, key);
}

void RealWindows::ChooseRow(int row) {
  Form1().ListBox1->setCurrentRow(row);
}

void RealWindows::SetBox(editor::OrientationBox box, bool checked) {
  QCheckBox* const boxes[] = {Form1().CheckBox1, Form1().CheckBox2, Form1().CheckBox3};
  boxes[static_cast<int>(box)]->setChecked(checked);
}

void RealWindows::SetLinkMode(bool on) {
  Form1().Links->setChecked(on);
}

void RealWindows::SetFloor(int floor) {
  Form1().UpDown1->setValue(floor);
}

void RealWindows::Click(Command command) {
  QPushButton* const buttons[] = {Form1().Button4, Form1().Button5, Form1().Button6};
  QTest::mouseClick(buttons[static_cast<int>(command)], Qt::LeftButton);
}

}  // namespace cw::testing
