// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "frmAbout.h"

#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <vector>

#include "AboutLayout.h"
#include "LineControl.h"
#include "SystemRegistry.h"
#include "TextFit.h"
#include "TicklotVersion.h"
#include "Twips.h"

using about_layout::Kind;

namespace {

constexpr int kIconPixels = 32;

QLabel* createPictureBox(QWidget* parent) {
    auto* box = new QLabel(parent);
    box->setPixmap(QIcon(QStringLiteral(":/icons/clock.svg")).pixmap(kIconPixels, kIconPixels));
    box->setAlignment(Qt::AlignCenter);
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    box->setLineWidth(2);
    box->setFocusPolicy(Qt::StrongFocus);
    box->setAccessibleName(QStringLiteral("Program icon"));
    return box;
}

QLabel* createLabel(const char* caption, bool wrapped, QWidget* parent) {
    auto* label = new QLabel(caption ? QString::fromUtf8(caption) : QString(), parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(wrapped);
    if (wrapped) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, Qt::black);
        label->setPalette(palette);
    }
    return label;
}

QWidget* createControl(const about_layout::Control& control, QWidget* parent) {
    switch (control.kind) {
        case Kind::PictureBox:
            return createPictureBox(parent);
        case Kind::Label:
        case Kind::WrappedLabel:
            return createLabel(control.caption, control.kind == Kind::WrappedLabel, parent);
        case Kind::Button:
            return new QPushButton(QString::fromUtf8(control.caption), parent);
    }
    return nullptr;
}

QColor fromBgr(unsigned colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

}  // namespace

frmAbout::Services frmAbout::systemServices() {
    return {platform::makeSystemRegistry(), std::make_unique<platform::SystemFileSystem>(),
            std::make_unique<platform::SystemLauncher>()};
}

frmAbout::frmAbout(Services services)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint),
      services_(std::move(services)),
      sysInfo_(*services_.registry, *services_.files, *services_.launcher, messages_) {
    setObjectName("frmAbout");
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(twipsToPixels(about_layout::kClientWidth),
                 twipsToPixels(about_layout::kClientHeight));
    createControls();
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
    Form_Load();
    fitTexts();
}

frmAbout::~frmAbout() = default;

void frmAbout::createControls() {
    std::vector<std::pair<int, QWidget*>> tabOrder;
    for (const about_layout::Control& control : about_layout::controls()) {
        QWidget* widget = createControl(control, this);
        widget->setObjectName(QString::fromUtf8(control.name));
        widget->setGeometry(twipsRect(control.left, control.top, control.width, control.height));
        if (control.tabIndex >= 0) tabOrder.emplace_back(control.tabIndex, widget);
    }
    std::sort(tabOrder.begin(), tabOrder.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);

    for (const about_layout::Line& line : about_layout::lines()) {
        auto* widget = new LineControl(line.index, fromBgr(line.colour), this);
        widget->setObjectName("Line1");
        const int left = twipsToPixels(line.x1);
        widget->setGeometry(left, twipsToPixels(line.y), twipsToPixels(line.x2) - left, line.width);
    }

    picIcon = findChild<QLabel*>("picIcon");
    lblTitle = findChild<QLabel*>("lblTitle");
    lblVersion = findChild<QLabel*>("lblVersion");
    cmdOK = findChild<QPushButton*>("cmdOK");
    cmdSysInfo = findChild<QPushButton*>("cmdSysInfo");
    cmdOK->setDefault(true);
    cmdOK->setFocus();
}

// Where the font on hand is wider than the designed one, a text that does not fit its control is
// drawn at the largest size that fits: the dialog is fixed, its two buttons stand aligned at its
// right margin, and its labels fill their column.
void frmAbout::fitTexts() {
    for (const about_layout::Control& control : about_layout::controls()) {
        auto* widget = findChild<QWidget*>(QString::fromUtf8(control.name));
        const QString text = widget->property("text").toString();
        if (!text.isEmpty()) text_fit::fit(*widget, {text}, widget->geometry().right() + 1);
    }
}

void frmAbout::Form_Load() {
    const QString title = QString::fromUtf8(ticklot_version::kTitle);
    setWindowTitle(QStringLiteral("About ") + title);
    lblVersion->setText(QStringLiteral("Version %1.%2.%3")
                            .arg(ticklot_version::kMajor)
                            .arg(ticklot_version::kMinor)
                            .arg(ticklot_version::kRevision));
    lblTitle->setText(title);
}

void frmAbout::cmdOK_Click() { close(); }

void frmAbout::cmdSysInfo_Click() { StartSysInfo(); }

void frmAbout::StartSysInfo() { sysInfo_.StartSysInfo(); }

bool frmAbout::GetKeyValue(std::int32_t KeyRoot, const std::string& KeyName,
                           const std::string& SubKeyRef, std::string& KeyVal) {
    return sysInfo_.GetKeyValue(KeyRoot, KeyName, SubKeyRef, KeyVal);
}

void frmAbout::keyPressEvent(QKeyEvent* event) {
    // OK is also the cancel button: Esc presses it wherever the focus is.
    if (event->matches(QKeySequence::Cancel)) {
        cmdOK->click();
        return;
    }
    QDialog::keyPressEvent(event);
}
