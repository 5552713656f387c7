// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <QObject>
#include <memory>

#include "CountPlanner.h"

class OptionsMenu;
class QLineEdit;
namespace platform {
class LastSecondsPlayer;
class TickSource;
}  // namespace platform

// Sounds the last seconds of a countdown while the option is on: on every tick and every change
// of the countdown box's text it plans the sounds to come from what the box shows, and hands the
// plan to the player's thread when it has changed. Nothing here waits or plays. Made a child of
// the menu, whose item it reads.
class LastSecondsSound : public QObject {
    Q_OBJECT
  public:
    LastSecondsSound(OptionsMenu& options, platform::TickSource& ticks, QLineEdit& countdownBox);
    ~LastSecondsSound() override;

  private:
    void update();

    OptionsMenu& options_;
    QLineEdit& countdownBox_;
    lastseconds::CountPlanner planner_;
    lastseconds::Plan handedOver_;
    std::unique_ptr<platform::LastSecondsPlayer> player_;
};
