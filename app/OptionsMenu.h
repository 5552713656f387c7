// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <QObject>

class QAction;
class QMenu;
class QMenuBar;
class QSettings;

// The Options menu and its item "Sound the Last Seconds": checkable, off at first start and
// remembered in the program's settings whenever it is toggled (by mouse, keyboard or an
// assistive technology's toggle action alike). Without a sound output it is disabled and says so
// in its tooltip.
class OptionsMenu : public QObject {
    Q_OBJECT
  public:
    static constexpr const char* kSoundSetting = "Options/SoundLastSeconds";
    static constexpr const char* kNoOutputText = "No sound output found";

    OptionsMenu(QMenuBar& menuBar, QObject* parent);

    QAction* soundLastSeconds() const { return mnuSoundLastSeconds_; }
    // Whether the sound can be heard: the item checked and a sound output found.
    bool soundWanted() const;
    void setSoundOutputFound(bool found);

    // The program's settings, beside its browser profile's folders (~/.config/Ticklot/).
    static QSettings* openSettings(QObject* parent);

  signals:
    void soundWantedChanged();

  private:
    QMenu* mnuOptions_ = nullptr;
    QAction* mnuSoundLastSeconds_ = nullptr;
    QSettings* settings_ = nullptr;
    bool outputFound_ = true;
};
