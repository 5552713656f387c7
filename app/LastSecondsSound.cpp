// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "LastSecondsSound.h"

#include <QLineEdit>

#include "ClockCorrection.h"
#include "LastSecondsPlayer.h"
#include "MainModule.h"
#include "OptionsMenu.h"
#include "SystemSoundOutput.h"
#include "TickSource.h"

LastSecondsSound::LastSecondsSound(OptionsMenu& options, platform::TickSource& ticks,
                                   QLineEdit& countdownBox)
    : QObject(&options), options_(options), countdownBox_(countdownBox) {
    // The tick's own handler, connected first, has written the box by the time this runs.
    connect(&ticks, &platform::TickSource::tick, this, &LastSecondsSound::update);
    connect(&countdownBox, &QLineEdit::textChanged, this, &LastSecondsSound::update);
    connect(&options, &OptionsMenu::soundWantedChanged, this, &LastSecondsSound::update);
    // The player reports from its own thread whether the output opened; the menu hears of it
    // on this one. The player's thread ends before this object does.
    player_ = std::make_unique<platform::LastSecondsPlayer>(
        platform::systemSoundOutput(), [this](bool found) {
            QMetaObject::invokeMethod(
                this, [this, found] { options_.setSoundOutputFound(found); }, Qt::QueuedConnection);
        });
}

LastSecondsSound::~LastSecondsSound() = default;

void LastSecondsSound::update() {
    const std::string text = countdownBox_.text().toStdString();
    lastseconds::Plan plan = planner_.update(
        {options_.soundWanted(), MainModule::RunFlag == 1, text, platform::correctedClockNow()});
    if (plan == handedOver_) return;
    handedOver_ = plan;
    player_->setPlan(std::move(plan));
}
