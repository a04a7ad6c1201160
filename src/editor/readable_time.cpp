#include "editor/readable_time.h"

namespace cw::editor {

QString ReadableTime(const QDateTime& when, const QDateTime& now) {
  const QString time = when.time().toString(QStringLiteral("hh:mm"));
  const qint64 days = when.date().daysTo(now.date());
  if (days == 0) return QStringLiteral("today ") + time;
  if (days == 1) return QStringLiteral("yesterday ") + time;
  return QStringLiteral("on ") + when.date().toString(Qt::ISODate) + QStringLiteral(" at ") + time;
}

}  // namespace cw::editor
