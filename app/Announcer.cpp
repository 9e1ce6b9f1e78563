#include "Announcer.h"

#include "Accessibility.h"

namespace durak {

namespace {
// A line waits this long for the ones that follow it at once.
constexpr int kGatherMs = 120;
}  // namespace

TAnnouncer::TAnnouncer(QWidget* parent) : QWidget(parent) {
  // A point the eye does not see; a reader only takes notice of a shown object.
  setFixedSize(1, 1);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  flush_.setSingleShot(true);
  flush_.setInterval(kGatherMs);
  connect(&flush_, &QTimer::timeout, this, [this] { Flush(); });
  TAccessibleParts parts;
  parts.Role = QAccessible::Notification;
  parts.Text = [this](QAccessible::Text t) { return t == QAccessible::Name ? said_ : QString(); };
  SetAccessibleParts(this, std::move(parts));
}

void TAnnouncer::Say(const QString& line) {
  const QString text = line.trimmed();
  if (text.isEmpty()) return;
  queued_ << text;
  if (!flush_.isActive()) flush_.start();
}

void TAnnouncer::Flush() {
  flush_.stop();
  if (queued_.isEmpty()) return;
  // Each line ends as a sentence, so a reader pauses between them.
  for (QString& line : queued_) {
    const QChar last = line.back();
    if (last != u'.' && last != u'!' && last != u'?' && last != u'…') line += u'.';
  }
  said_ = queued_.join(u' ');
  queued_.clear();
  // A notification that appears is spoken: it is hidden and shown again for each line.
  SendAccessibleEvent(this, QAccessible::ObjectHide);
  SendAccessibleEvent(this, QAccessible::ObjectShow);
}

}  // namespace durak
