// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "frmClockCheck.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ClockCheckRun.h"
#include "ClockCheckText.h"
#include "ClockSync.h"

namespace {

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
    lblHost = addLabel(*layout, "lblHost");
    lblWhen = addLabel(*layout, "lblWhen");
    lblRoundTrip = addLabel(*layout, "lblRoundTrip");
    lblSystem = addLabel(*layout, "lblSystem");
    chkCorrect = new QCheckBox(QStringLiteral("&Correct the clock by this offset"));
    chkCorrect->setObjectName("chkCorrect");
    layout->addWidget(chkCorrect);
    connect(chkCorrect, &QCheckBox::clicked, this, &frmClockCheck::chkCorrect_Click);

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
    });
    setMinimumWidth(420);
}

frmClockCheck::~frmClockCheck() = default;

void frmClockCheck::measure() {
    if (run_) return;
    const QUrl server = hooks_.server();
    host_ = server.host();
    result_.reset();
    showLine(lblOffset, QStringLiteral("Measuring..."));
    for (QLabel* label : {lblSentence, lblWhen, lblRoundTrip, lblSystem}) showLine(label, {});
    showLine(lblHost, QStringLiteral("Against: %1").arg(host_));
    cmdMeasure->setEnabled(false);
    // A correction in force stays on while the next measurement runs; the box is left enabled
    // then, so that the PC's own clock can always be brought back.
    chkCorrect->setEnabled(chkCorrect->isChecked());
    run_ = std::make_unique<ClockCheckRun>(
        server, this, [this](const clockcheck::CheckOutcome& outcome) { showOutcome(outcome); });
}

void frmClockCheck::showOutcome(const clockcheck::CheckOutcome& outcome) {
    run_.reset();
    cmdMeasure->setEnabled(true);
    showLine(lblSystem,
             QString::fromStdString(platform::clockSyncSentence(platform::systemClockSync())));
    if (const auto* offset = std::get_if<clockcheck::ClockOffset>(&outcome))
        showOffset(*offset);
    else
        showFailure(std::get<clockcheck::CheckFailure>(outcome));
}

void frmClockCheck::showOffset(const clockcheck::ClockOffset& offset) {
    result_ = offset;
    showLine(lblOffset, QString::fromStdString(clockcheck::offsetLine(offset)));
    showLine(lblSentence, QString::fromStdString(clockcheck::offsetSentence(offset)));
    showLine(lblHost, QStringLiteral("Measured against: %1").arg(host_));
    showLine(lblWhen, QStringLiteral("Measured at: %1 (Pacific clock)").arg(hooks_.siteTimeNow()));
    showLine(lblRoundTrip, QString::fromStdString(clockcheck::roundTripLine(offset)));
    chkCorrect->setEnabled(true);
    // With the box on, the new offset replaces the correction in force.
    if (chkCorrect->isChecked()) applyCorrection();
}

void frmClockCheck::showFailure(const clockcheck::CheckFailure& failure) {
    showLine(lblOffset,
             QString::fromStdString(clockcheck::failureSentence(failure, host_.toStdString())));
    chkCorrect->setEnabled(chkCorrect->isChecked());
}

void frmClockCheck::chkCorrect_Click() {
    if (chkCorrect->isChecked() && result_) {
        applyCorrection();
    } else {
        chkCorrect->setChecked(false);
        chkCorrect->setEnabled(result_.has_value());
        hooks_.correct(std::nullopt, {});
    }
}

void frmClockCheck::applyCorrection() {
    hooks_.correct(result_->offset, QString::fromStdString(
                                        clockcheck::correctionText(*result_, host_.toStdString())));
}
