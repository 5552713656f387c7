// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

#include "MainModule.h"
#include "WebEngineTestSetup.h"
#include "frmAbout.h"
#include "frmClockCheck.h"
#include "frmMain.h"

namespace {

enum class Outcome { TypesNothing, ClicksStop, SelectsTheAddress, EndsTheProgram };

}  // namespace

Q_DECLARE_METATYPE(Outcome)

// The keyboard as the user meets it: which key does what, from which window and control.
class WindowKeysTest : public QObject {
    Q_OBJECT

  public:
    // The main window holds a web view.
    static void initMain() { testing_support::prepareWebEngineTest(); }

  private:
    static QWidget* openWindow(frmMain& window, const QString& name) {
        if (name == "frmClockCheck") {
            window.findChild<QAction*>("mnuCheckClock")->trigger();
            return window.findChild<frmClockCheck*>();
        }
        if (name == "frmAbout") {
            window.findChild<QAction*>("mnuAbout")->trigger();
            for (QWidget* widget : QApplication::topLevelWidgets())
                if (auto* about = qobject_cast<frmAbout*>(widget)) return about;
            return nullptr;
        }
        return &window;
    }

  private slots:
    void init() { MainModule::reset(); }

    void cleanup() {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (qobject_cast<frmAbout*>(widget)) delete widget;
    }

    void keysDoWhatTheWindowPromises_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<Outcome>("outcome");
        const auto row = [](const char* name, const char* window, const char* focus, int key,
                            Qt::KeyboardModifiers modifiers, Outcome outcome) {
            QTest::newRow(name) << window << focus << key << int(modifiers) << outcome;
        };
        row("Alt+S in the end box", "frmMain", "txtauctionend", Qt::Key_S, Qt::AltModifier,
            Outcome::TypesNothing);
        row("Alt+X in the address bar", "frmMain", "txtAddress", Qt::Key_X, Qt::AltModifier,
            Outcome::TypesNothing);
        row("Alt+Shift+S in the end box", "frmMain", "txtauctionend", Qt::Key_S,
            Qt::AltModifier | Qt::ShiftModifier, Outcome::TypesNothing);
        row("Alt+O in the end box", "frmMain", "txtauctionend", Qt::Key_O, Qt::AltModifier,
            Outcome::ClicksStop);
        row("Ctrl+L in the end box", "frmMain", "txtauctionend", Qt::Key_L, Qt::ControlModifier,
            Outcome::SelectsTheAddress);
        row("Alt+D in the end box", "frmMain", "txtauctionend", Qt::Key_D, Qt::AltModifier,
            Outcome::SelectsTheAddress);
        row("F6 on Go", "frmMain", "cmdGo", Qt::Key_F6, Qt::NoModifier, Outcome::SelectsTheAddress);
        row("Ctrl+L in the address bar", "frmMain", "txtAddress", Qt::Key_L, Qt::ControlModifier,
            Outcome::SelectsTheAddress);
        row("Ctrl+Q in the end box", "frmMain", "txtauctionend", Qt::Key_Q, Qt::ControlModifier,
            Outcome::EndsTheProgram);
        row("Ctrl+Q in the Clock Check window", "frmClockCheck", "", Qt::Key_Q, Qt::ControlModifier,
            Outcome::EndsTheProgram);
        row("Ctrl+Q in About", "frmAbout", "", Qt::Key_Q, Qt::ControlModifier,
            Outcome::EndsTheProgram);
    }

    void keysDoWhatTheWindowPromises() {
        QFETCH(QString, window);
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(Outcome, outcome);
        frmMain main;
        main.show();
        auto* end = main.findChild<QLineEdit*>("txtauctionend");
        auto* address = main.findChild<QLineEdit*>("txtAddress");
        auto* timer = main.findChild<QLineEdit*>("txtTimer");
        end->setText(QStringLiteral("17:30:00"));
        address->setText(QStringLiteral("http://127.0.0.1:1/"));
        QWidget* active = openWindow(main, window);
        QVERIFY(active);
        active->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(active));
        if (!focus.isEmpty()) main.findChild<QWidget*>(focus)->setFocus();
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : active;

        const auto press = [&] {
            QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        };
        if (outcome == Outcome::EndsTheProgram) {
            QTimer giveUp;
            giveUp.setSingleShot(true);
            connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(1); });
            giveUp.start(5000);
            QTimer::singleShot(0, &main, press);
            QCOMPARE(QCoreApplication::exec(), 0);
            return;
        }
        press();
        QCOMPARE(end->text(), QStringLiteral("17:30:00"));
        QCOMPARE(address->text(), QStringLiteral("http://127.0.0.1:1/"));
        if (outcome == Outcome::ClicksStop) QTRY_COMPARE(timer->text(), QStringLiteral("Stopped"));
        if (outcome == Outcome::SelectsTheAddress) {
            QCOMPARE(QApplication::focusWidget(), address);
            QCOMPARE(address->selectedText(), address->text());
        } else {
            QCOMPARE(QApplication::focusWidget(), main.findChild<QWidget*>(focus));
        }
    }
};

QTEST_MAIN(WindowKeysTest)
#include "WindowKeysTest.moc"
