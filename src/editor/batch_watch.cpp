#include "editor/batch_watch.h"

#include <QCoreApplication>
#include <QSocketNotifier>

namespace cw::editor {

BatchWatch::~BatchWatch() {
  Stop();
}

void BatchWatch::Watch(int descriptor, std::function<void()> ready) {
  Stop();
  // The application owns the notifier, so that it goes before the event dispatcher does.
  notifier_ = new QSocketNotifier(descriptor, QSocketNotifier::Read, QCoreApplication::instance());
  QObject::connect(notifier_.data(), &QSocketNotifier::activated, notifier_.data(),
                   std::move(ready));
}

void BatchWatch::Stop() {
  // The notifier may be the one whose signal runs now: it goes once the event is over.
  if (!notifier_) return;
  notifier_->setEnabled(false);
  QObject::disconnect(notifier_.data(), nullptr, nullptr, nullptr);
  notifier_->deleteLater();
  notifier_.clear();
}

}  // namespace cw::editor
