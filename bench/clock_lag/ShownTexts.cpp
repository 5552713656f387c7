#include "ShownTexts.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <chrono>

ShownTexts::ShownTexts(QLineEdit* box) : QObject(box), box_(box) { box->installEventFilter(this); }

bool ShownTexts::eventFilter(QObject* watched, QEvent* event) {
    if (watched != box_ || event->type() != QEvent::Paint || painting_) return false;
    // Paint now, inside the filter, so the moment taken is the one after the box has drawn
    // its text; the original delivery is then swallowed.
    painting_ = true;
    QCoreApplication::sendEvent(watched, event);
    painting_ = false;
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const QString text = box_->text();
    if (shown_.empty() || shown_.back().text != text)
        shown_.push_back({text, std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()});
    return true;
}
