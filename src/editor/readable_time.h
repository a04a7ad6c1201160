#pragma once

#include <QDateTime>
#include <QString>

namespace cw::editor {

// A moment as a person reads it, next to now: "today 01:47", "yesterday 23:10", or
// "on 2026-12-01 at 14:02" for an older one.
QString ReadableTime(const QDateTime& when, const QDateTime& now);

}  // namespace cw::editor
