// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include <QAction>
#include <QMenuBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "OptionsMenu.h"

class OptionsMenuTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir settingsDir_;

    static bool stored() {
        std::unique_ptr<QSettings> settings(OptionsMenu::openSettings(nullptr));
        return settings->value(OptionsMenu::kSoundSetting, false).toBool();
    }

  private slots:
    // Every setting of this test goes to a folder of its own.
    void initTestCase() {
        QVERIFY(settingsDir_.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir_.path());
    }

    // Off at first start; a toggle however made (here the accessibility toggle's call, which
    // emits no click) is stored and found again by the next start.
    void theOptionIsRememberedAcrossStarts() {
        QMenuBar firstBar;
        OptionsMenu first(firstBar, nullptr);
        QVERIFY(!first.soundLastSeconds()->isChecked());
        first.soundLastSeconds()->toggle();
        QVERIFY(stored());
        QMenuBar secondBar;
        OptionsMenu second(secondBar, nullptr);
        QVERIFY(second.soundLastSeconds()->isChecked());
        QVERIFY(second.soundWanted());
        second.soundLastSeconds()->toggle();
        QVERIFY(!stored());
    }

    void withoutAnOutputTheItemIsDisabledAndSaysWhy() {
        QMenuBar bar;
        OptionsMenu menu(bar, nullptr);
        menu.soundLastSeconds()->setChecked(true);
        QSignalSpy changed(&menu, &OptionsMenu::soundWantedChanged);
        menu.setSoundOutputFound(false);
        QCOMPARE(changed.size(), 1);
        QVERIFY(!menu.soundLastSeconds()->isEnabled());
        QCOMPARE(menu.soundLastSeconds()->toolTip(), QStringLiteral("No sound output found"));
        QVERIFY(!menu.soundWanted());
        menu.setSoundOutputFound(true);
        QVERIFY(menu.soundLastSeconds()->isEnabled());
        QVERIFY(menu.soundLastSeconds()->toolTip() != QStringLiteral("No sound output found"));
        QVERIFY(menu.soundWanted());
        menu.soundLastSeconds()->setChecked(false);
    }
};

QTEST_MAIN(OptionsMenuTest)
#include "OptionsMenuTest.moc"
