#include "gui_support/editor_fixture.h"

#include <QListWidget>

#include "forms/tool_box_form.h"

namespace cw::testing {

editor::EditorServices RecordedServices::Services() {
  return {
      [this](const editor::FileDialogRequest& request) -> std::optional<QString> {
        requests.push_back(request);
        if (answers.isEmpty()) return std::nullopt;
        const QString answer = answers.takeFirst();
        if (answer.isNull()) return std::nullopt;
        return answer;
      },
      [this](const QString& message) { errors.append(message); },
      [this](const std::string& mapPath) {
        postBuilds.push_back(mapPath);
        return true;
      },
  };
}

QRgb CanvasColour(std::uint8_t index) {
  return 0xFF000000u | TestColour(index);
}

::testing::AssertionResult ShowsPicture(const QImage& canvas, int left, int top,
                                        const IndexedPicture& picture) {
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      const int cx = left + x;
      const int cy = top + y;
      if (cx < 0 || cy < 0 || cx >= canvas.width() || cy >= canvas.height()) continue;
      const QRgb expected = CanvasColour(picture.At(x, y));
      if (canvas.pixel(cx, cy) != expected)
        return ::testing::AssertionFailure() << "pixel (" << cx << ", " << cy << ") is " << std::hex
                                             << canvas.pixel(cx, cy) << ", expected " << expected;
    }
  }
  return ::testing::AssertionSuccess();
}

void EditorTest::WriteStandardPictures() {
  WritePicture("Empty", empty);
  WritePicture("A", blockA);
  WritePicture("B", blockB);
  WritePicture("Unknown", unknown);
}

void EditorTest::WritePicture(const std::string& blockName, const IndexedPicture& picture) {
  WriteBmp8(folder.path() / (blockName + ".bmp"), picture);
}

void EditorTest::Start() {
  windows = forms::OpenWindows(editor);
  ASSERT_TRUE(windows.has_value()) << recorded.errors.join('\n').toStdString();
}

QImage& EditorTest::Preview() {
  return ToolBox().Image1->Canvas();
}

QStringList EditorTest::PaletteItems() {
  QStringList items;
  for (int i = 0; i < ToolBox().ListBox1->count(); ++i)
    items.append(ToolBox().ListBox1->item(i)->text());
  return items;
}

}  // namespace cw::testing
