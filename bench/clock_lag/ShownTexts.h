#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <vector>

class QLineEdit;

// Watches one clock box and records the wall-clock moment at which each new text has been
// painted, so the lag measured includes setting the text and the repaint.
class ShownTexts : public QObject {
  public:
    struct Shown {
        QString text;
        std::int64_t wallNs;  // nanoseconds since the epoch, just after the paint
    };

    explicit ShownTexts(QLineEdit* box);

    const std::vector<Shown>& shown() const { return shown_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLineEdit* box_;
    bool painting_ = false;
    std::vector<Shown> shown_;
};
