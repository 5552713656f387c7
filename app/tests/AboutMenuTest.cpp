// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include "MainModule.h"
#include "WebEngineTestSetup.h"
#include "frmAbout.h"
#include "frmMain.h"

class AboutMenuTest : public QObject {
    Q_OBJECT

  public:
    // The main window holds a web view.
    static void initMain() { testing_support::prepareWebEngineTest(); }

  private:
    static QList<frmAbout*> openDialogs() {
        QList<frmAbout*> dialogs;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* dialog = qobject_cast<frmAbout*>(widget); dialog && dialog->isVisible())
                dialogs << dialog;
        return dialogs;
    }

    static void chooseAbout(frmMain& window) { window.findChild<QAction*>("mnuAbout")->trigger(); }

  private slots:
    void init() { MainModule::reset(); }

    void cleanup() {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (qobject_cast<frmAbout*>(widget)) delete widget;
    }

    void aboutOpensOneModelessDialog() {
        frmMain window;
        window.start();
        chooseAbout(window);
        QCOMPARE(openDialogs().size(), 1);
        frmAbout* dialog = openDialogs().front();
        QVERIFY(!dialog->parentWidget());
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(window.isEnabled());
        QCOMPARE(dialog->windowTitle(), QStringLiteral("About Ticklot"));
        // The main window keeps ticking while the dialog is open.
        auto* clock = window.findChild<QLineEdit*>("txtebaytime");
        clock->clear();
        QTRY_VERIFY(!clock->text().isEmpty());
    }

    void aboutTwiceBringsTheSameDialogBackWithoutReloading() {
        frmMain window;
        window.start();
        chooseAbout(window);
        const QPointer<frmAbout> first = openDialogs().front();
        auto* version = first->findChild<QLabel*>("lblVersion");
        version->setText("changed since load");
        chooseAbout(window);
        QCOMPARE(openDialogs(), QList<frmAbout*>{first.data()});
        QCOMPARE(version->text(), QStringLiteral("changed since load"));
        QTRY_VERIFY(first->isActiveWindow());
    }

    void aboutAfterOkLoadsAFreshDialog() {
        frmMain window;
        window.start();
        chooseAbout(window);
        const QPointer<frmAbout> first = openDialogs().front();
        first->findChild<QLabel*>("lblVersion")->setText("changed since load");
        QTest::mouseClick(first->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        QTRY_VERIFY(!first);
        QVERIFY(openDialogs().isEmpty());

        chooseAbout(window);
        QCOMPARE(openDialogs().size(), 1);
        QCOMPARE(openDialogs().front()->findChild<QLabel*>("lblVersion")->text(),
                 QStringLiteral("Version 1.0.5"));
    }

    void closingTheMainWindowKeepsTheProgramUntilAboutCloses() {
        QPointer<frmMain> window = new frmMain();
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->start();
        QPointer<frmAbout> dialog;
        bool runningAfterMainClosed = false;
        QTimer::singleShot(0, qApp, [&] {
            chooseAbout(*window);
            dialog = openDialogs().front();
            window->close();
            QTimer::singleShot(300, dialog, [&] {
                runningAfterMainClosed = !window && dialog && dialog->isVisible();
                dialog->close();
            });
        });
        // Ends only when the last window, the dialog, is closed.
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(runningAfterMainClosed);
        QTRY_VERIFY(!dialog);
    }

    void exitEndsTheProgramWithAboutOpen() {
        frmMain window;
        window.start();
        QTimer::singleShot(0, &window, [&] {
            chooseAbout(window);
            window.findChild<QAction*>("mnuExit")->trigger();
        });
        QCOMPARE(QCoreApplication::exec(), 0);
        QCOMPARE(openDialogs().size(), 1);  // nothing closed it: the program just ends
    }
};

QTEST_MAIN(AboutMenuTest)
#include "AboutMenuTest.moc"
