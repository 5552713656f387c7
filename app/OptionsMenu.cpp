// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "OptionsMenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>

#include "TicklotVersion.h"

OptionsMenu::OptionsMenu(QMenuBar& menuBar, QObject* parent)
    : QObject(parent), settings_(openSettings(this)) {
    // Alt+O presses Stop Countdown: the menu takes the next letter.
    mnuOptions_ = menuBar.addMenu(QStringLiteral("O&ptions"));
    mnuOptions_->setObjectName("mnuOptions");
    mnuOptions_->setToolTipsVisible(true);
    mnuSoundLastSeconds_ = mnuOptions_->addAction(QStringLiteral("Sound the &Last Seconds"));
    mnuSoundLastSeconds_->setObjectName("mnuSoundLastSeconds");
    mnuSoundLastSeconds_->setCheckable(true);
    mnuSoundLastSeconds_->setChecked(settings_->value(kSoundSetting, false).toBool());
    connect(mnuSoundLastSeconds_, &QAction::toggled, this, [this](bool on) {
        settings_->setValue(kSoundSetting, on);
        settings_->sync();
        emit soundWantedChanged();
    });
}

bool OptionsMenu::soundWanted() const { return outputFound_ && mnuSoundLastSeconds_->isChecked(); }

void OptionsMenu::setSoundOutputFound(bool found) {
    outputFound_ = found;
    mnuSoundLastSeconds_->setEnabled(found);
    mnuSoundLastSeconds_->setToolTip(found ? QString() : QString::fromUtf8(kNoOutputText));
    emit soundWantedChanged();
}

// The browser profile lives in ~/.local/share/Ticklot, named after the program with no
// organisation; the settings file takes the same name as both (Qt files settings without an
// organisation under "Unknown Organization").
QSettings* OptionsMenu::openSettings(QObject* parent) {
    const QString name = QString::fromUtf8(ticklot_version::kTitle);
    return new QSettings(QSettings::NativeFormat, QSettings::UserScope, name, name, parent);
}
