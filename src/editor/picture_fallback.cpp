// Pictures that cannot be loaded: the Unknown picture takes their place, and the user is told once
// per file until it loads again.
#include "document/level_edit.h"
#include "editor/editor.h"
#include "editor/text_bytes.h"

namespace cw::editor {

std::optional<std::string> Editor::DrawablePicture(const std::string& fileName) {
  const std::string unknown = PictureFileName(std::string(document::kUnknownBlockName));
  for (const std::string& candidate : {fileName, unknown}) {
    try {
      LoadPicture(candidate);
      brokenPictures_.erase(candidate);
      return candidate;
    } catch (const PictureError& error) {
      if (brokenPictures_.insert(candidate).second) {
        ReportError(QStringLiteral("The picture %1 cannot be loaded (%2); %3")
                        .arg(FromBytes(candidate), QString::fromStdString(error.what()),
                             candidate == unknown
                                 ? QStringLiteral("its blocks are left out.")
                                 : QStringLiteral("the Unknown picture is shown in its place.")));
      }
    }
    if (candidate == unknown) break;
  }
  return std::nullopt;
}

QImage Editor::LoadPictureOrUnknown(const std::string& fileName) {
  const std::optional<std::string> drawable = DrawablePicture(fileName);
  return drawable ? LoadPicture(*drawable) : QImage();
}

}  // namespace cw::editor
