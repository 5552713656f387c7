// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <QDialog>
#include <cstdint>
#include <memory>
#include <string>

#include "FileSystem.h"
#include "ProgramLauncher.h"
#include "QtMessageBoxes.h"
#include "Registry.h"
#include "SysInfoLauncher.h"

class QLabel;
class QPushButton;

// The About dialog: icon, title, version, description and disclaimer, with OK and the button
// that starts the system-information tool. It is a top-level window of its own that discards
// itself when closed.
class frmAbout : public QDialog {
    Q_OBJECT
  public:
    // What the System Info button works with.
    struct Services {
        std::unique_ptr<platform::Registry> registry;
        std::unique_ptr<platform::FileSystem> files;
        std::unique_ptr<platform::ProgramLauncher> launcher;
    };
    static Services systemServices();

    // Creates the dialog and runs its load handler.
    explicit frmAbout(Services services = systemServices());
    ~frmAbout() override;

    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();

    void StartSysInfo();
    bool GetKeyValue(std::int32_t KeyRoot, const std::string& KeyName, const std::string& SubKeyRef,
                     std::string& KeyVal);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void createControls();
    void fitTexts();

    Services services_;
    platform::QtMessageBoxes messages_{this};
    sysinfo::SysInfoLauncher sysInfo_;

    QLabel* picIcon = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdSysInfo = nullptr;
};
