// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "frmClockCheck.h"

#include <QAccessible>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
#include <QAccessibleAnnouncementEvent>
#endif

#include "ClockCheckRun.h"
#include "ClockCheckText.h"
#include "ClockSync.h"
#include "CorrectionNote.h"
#include "HourNote.h"

namespace {

constexpr int kMinimumWidth = 420;

QLabel* addLabel(QVBoxLayout& layout, const char* name) {
    auto* label = new QLabel;
    label->setObjectName(QString::fromUtf8(name));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    layout.addWidget(label);
    return label;
}

// A line with nothing to say takes no room.
void showLine(QLabel* label, const QString& text) {
    label->setText(text);
    label->setVisible(!text.isEmpty());
}

QString fromStd(const std::string& text) { return QString::fromStdString(text); }

// Seconds since the epoch, rounded down, of a time in microseconds.
std::int64_t wholeSeconds(std::int64_t micros) {
    return micros / 1'000'000 - (micros % 1'000'000 < 0);
}

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
// The text up to the end of its first sentence: a full stop followed by a space, as no host
// name or number holds one.
QString firstSentence(const QString& text) {
    const qsizetype end = text.indexOf(QStringLiteral(". "));
    return end < 0 ? text : text.left(end + 1);
}
#endif

}  // namespace

frmClockCheck::frmClockCheck(Hooks hooks, QWidget* parent)
    : QDialog(parent), hooks_(std::move(hooks)) {
    setObjectName("frmClockCheck");
    setWindowTitle(QStringLiteral("Clock Check"));
    setModal(false);

    auto* layout = new QVBoxLayout(this);
    lblOffset = addLabel(*layout, "lblOffset");
    QFont bold = lblOffset->font();
    bold.setBold(true);
    lblOffset->setFont(bold);
    lblSentence = addLabel(*layout, "lblSentence");
    lblCaveats = addLabel(*layout, "lblCaveats");
    lblHourNote = addLabel(*layout, "lblHourNote");
    lblHost = addLabel(*layout, "lblHost");
    lblWhen = addLabel(*layout, "lblWhen");
    lblRoundTrip = addLabel(*layout, "lblRoundTrip");
    lblSystem = addLabel(*layout, "lblSystem");
    chkCorrect = new QCheckBox(QStringLiteral("&Correct the clock by this offset"));
    chkCorrect->setObjectName("chkCorrect");
    layout->addWidget(chkCorrect);
    // On the state, not the click: assistive technologies toggle the box without clicking it.
    connect(chkCorrect, &QCheckBox::toggled, this, &frmClockCheck::chkCorrect_Toggled);
    lblKept = addLabel(*layout, "lblKept");
    showLine(lblKept, {});

    auto* buttons = new QDialogButtonBox;
    cmdMeasure = buttons->addButton(QStringLiteral("&Measure Again"), QDialogButtonBox::ActionRole);
    cmdMeasure->setObjectName("cmdMeasure");
    cmdClose = buttons->addButton(QStringLiteral("Close"), QDialogButtonBox::RejectRole);
    cmdClose->setObjectName("cmdClose");
    layout->addWidget(buttons);
    connect(cmdMeasure, &QPushButton::clicked, this, &frmClockCheck::measure);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Escape, Close and the window's own close button all hide the window and cancel a
    // measurement in progress. The window itself stays, so that the correction's box still
    // shows the correction in force when it opens again.
    connect(this, &QDialog::finished, this, [this] {
        run_.reset();
        cmdMeasure->setEnabled(true);
        showKeptCorrection();
    });
    setMinimumWidth(kMinimumWidth);
}

frmClockCheck::~frmClockCheck() = default;

void frmClockCheck::measure() {
    if (run_) return;
    const QUrl server = hooks_.server();
    host_ = server.host();
    plainHttp_ = server.scheme() == QLatin1String("http");
    result_.reset();
    showLine(lblOffset, QStringLiteral("Measuring..."));
    for (QLabel* label : {lblSentence, lblCaveats, lblHourNote, lblWhen, lblRoundTrip, lblSystem})
        showLine(label, {});
    showLine(lblHost, QStringLiteral("Against: %1").arg(host_));
    // Disabling the button that has the focus moves the focus on; it is given back when the
    // check ends, unless the user has moved it since.
    const bool measureHadFocus = focusWidget() == cmdMeasure;
    cmdMeasure->setEnabled(false);
    focusMovedFromMeasure_ = measureHadFocus ? focusWidget() : nullptr;
    // A correction in force stays on while the next measurement runs; the box is left enabled
    // then, so that the PC's own clock can always be brought back.
    chkCorrect->setEnabled(chkCorrect->isChecked());
    showKeptCorrection();
    run_ = std::make_unique<ClockCheckRun>(
        server, this, [this](const clockcheck::CheckOutcome& outcome) { showOutcome(outcome); });
}

void frmClockCheck::showOutcome(const clockcheck::CheckOutcome& outcome) {
    run_.reset();
    cmdMeasure->setEnabled(true);
    showLine(lblSystem, fromStd(platform::clockSyncSentence(platform::systemClockSync())));
    if (const auto* offset = std::get_if<clockcheck::ClockOffset>(&outcome))
        showOffset(*offset);
    else
        showFailure(std::get<clockcheck::CheckFailure>(outcome));
    showKeptCorrection();
    announceOutcome();
}

void frmClockCheck::showOffset(const clockcheck::ClockOffset& offset) {
    const std::string host = host_.toStdString();
    result_ = Measurement{offset, hooks_.siteTimeNow(),
                          fromStd(clockcheck::correctionText(offset, host))};
    showLine(lblOffset, fromStd(clockcheck::offsetLine(offset)));
    showLine(lblSentence, fromStd(clockcheck::offsetSentence(offset)));
    showLine(lblCaveats, fromStd(clockcheck::offsetCaveats(offset, host, plainHttp_)));
    showLine(lblHourNote,
             fromStd(countdown::hourNote(hooks_.clockUtcOffsetMinutes(),
                                         wholeSeconds(offset.measuredAt.system + offset.offset))));
    showLine(lblHost, QStringLiteral("Measured against: %1").arg(host_));
    showLine(lblWhen, QStringLiteral("Measured at: %1 (Pacific clock)").arg(result_->pacificTime));
    showLine(lblRoundTrip, fromStd(clockcheck::roundTripLine(offset)));
    chkCorrect->setEnabled(true);
    // With the box on, the new offset replaces the correction in force.
    if (chkCorrect->isChecked()) {
        applied_ = result_;
        hooks_.correct(applied_);
    }
}

void frmClockCheck::showFailure(const clockcheck::CheckFailure& failure) {
    showLine(lblOffset, fromStd(clockcheck::failureSentence(failure, host_.toStdString())));
    chkCorrect->setEnabled(chkCorrect->isChecked());
}

void frmClockCheck::chkCorrect_Toggled(bool on) {
    if (on && result_) {
        applied_ = result_;
        hooks_.correct(applied_);
    } else {
        // Nothing measured to correct by: the box cannot stay on.
        const QSignalBlocker quiet(chkCorrect);
        chkCorrect->setChecked(false);
        chkCorrect->setEnabled(result_.has_value());
        applied_.reset();
        hooks_.correct(std::nullopt);
    }
    showKeptCorrection();
}

// A checked box next to a check that did not replace the correction (one running, or one that
// failed) says which correction it keeps.
void frmClockCheck::showKeptCorrection() {
    const bool kept = applied_ && !(result_ && result_->offset.measuredAt.stepFree ==
                                                   applied_->offset.measuredAt.stepFree);
    showLine(lblKept,
             kept ? fromStd(clockcheck::keptCorrectionSentence(applied_->correction.toStdString(),
                                                               applied_->pacificTime.toStdString()))
                  : QString());
    fitMinimumSize();
}

// A screen reader hears the outcome's first sentence. Where Qt cannot announce it, the focus
// moves to it, but only from where disabling "Measure Again" put it: the focus stays wherever
// the user put it.
void frmClockCheck::announceOutcome() {
    const bool focusWasMoved = focusMovedFromMeasure_ && focusWidget() == focusMovedFromMeasure_;
    focusMovedFromMeasure_ = nullptr;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent announcement(lblOffset, firstSentence(lblOffset->text()));
    QAccessible::updateAccessibility(&announcement);
    if (focusWasMoved) cmdMeasure->setFocus(Qt::OtherFocusReason);
#else
    if (focusWasMoved) lblOffset->setFocus(Qt::OtherFocusReason);
#endif
}

// The window cannot be made so small that a sentence is cut: it is never narrower than its
// minimum width, where the lines wrap to their greatest height.
void frmClockCheck::fitMinimumSize() {
    layout()->activate();
    setMinimumHeight(layout()->totalHeightForWidth(kMinimumWidth));
}
