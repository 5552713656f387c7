// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "MainModule.h"
#include "WebEngineTestSetup.h"
#include "frmMain.h"

// The Edit menu of the real window on the real clipboard: opening the menu sets which items are
// enabled, and choosing one runs it on the focused widget.
class EditMenuTest : public QObject {
    Q_OBJECT

  public:
    // The main window holds a web view.
    static void initMain() { testing_support::prepareWebEngineTest(); }

  private:
    static QClipboard* clipboard() { return QGuiApplication::clipboard(); }

    static QList<bool> openEditMenu(frmMain& window) {
        auto* menu = window.findChild<QMenu*>("mnuBarEdit");
        menu->popup(window.mapToGlobal(QPoint(40, 40)));
        QList<bool> enabled;
        for (QAction* item : menu->actions()) enabled << item->isEnabled();
        menu->hide();
        return enabled;
    }

    static void choose(frmMain& window, int index) {
        window.findChild<QMenu*>("mnuBarEdit")->actions().at(index)->trigger();
    }

    static void focus(frmMain& window, const char* name) {
        auto* widget = window.findChild<QWidget*>(name);
        widget->setFocus();
        QCOMPARE(window.focusWidget(), widget);
    }

    // Shows the window with the text in the end box, which gets the focus.
    static QLineEdit* focusedEndBox(frmMain& window, const QString& text) {
        window.show();
        auto* end = window.findChild<QLineEdit*>("txtauctionend");
        end->setText(text);
        end->setFocus();
        return end;
    }

  private slots:
    void init() {
        MainModule::reset();
        clipboard()->clear();
    }

    void enablesItemsByFocusAndClipboard_data() {
        QTest::addColumn<QString>("focused");
        QTest::addColumn<bool>("textOnClipboard");
        QTest::addColumn<QList<bool>>("enabled");
        const QList<bool> all{true, true, true};
        const QList<bool> pasteOnly{false, false, true};
        const QList<bool> cutCopy{true, true, false};
        const QList<bool> none{false, false, false};
        QTest::newRow("end box, text") << "txtauctionend" << true << all;
        QTest::newRow("end box, picture") << "txtauctionend" << false << cutCopy;
        QTest::newRow("clock box, text") << "txtebaytime" << true << all;
        QTest::newRow("timer box, picture") << "txtTimer" << false << cutCopy;
        QTest::newRow("address bar, text") << "txtAddress" << true << all;
        QTest::newRow("start button, text") << "cmdStart" << true << pasteOnly;
        QTest::newRow("home button, picture") << "cmdHome" << false << none;
    }

    void enablesItemsByFocusAndClipboard() {
        QFETCH(QString, focused);
        QFETCH(bool, textOnClipboard);
        QFETCH(QList<bool>, enabled);
        frmMain window;
        window.show();
        focus(window, focused.toUtf8().constData());
        if (textOnClipboard) {
            clipboard()->setText(QStringLiteral("17:30"));
        } else {
            QImage picture(4, 4, QImage::Format_RGB32);
            picture.fill(Qt::red);
            clipboard()->setImage(picture);
        }
        QCOMPARE(openEditMenu(window), enabled);
    }

    void pasteWithAButtonFocusedChangesNothing() {
        frmMain window;
        window.show();
        auto* end = window.findChild<QLineEdit*>("txtauctionend");
        end->setText(QStringLiteral("17:30"));
        focus(window, "cmdStart");
        clipboard()->setText(QStringLiteral("5:30 PM"));
        QSignalSpy clipboardChanges(clipboard(), &QClipboard::dataChanged);
        for (int index : {0, 1, 2}) choose(window, index);
        QCOMPARE(end->text(), QStringLiteral("17:30"));
        QCOMPARE(clipboard()->text(), QStringLiteral("5:30 PM"));
        QCOMPARE(clipboardChanges.count(), 0);
    }

    void copyTakesTheSelectionAndCutTheWholeText() {
        frmMain window;
        QLineEdit* end = focusedEndBox(window, QStringLiteral("17:30:00"));
        end->setSelection(0, 2);

        choose(window, 1);
        QCOMPARE(clipboard()->text(), QStringLiteral("17"));
        QCOMPARE(end->text(), QStringLiteral("17:30:00"));

        choose(window, 0);
        QCOMPARE(clipboard()->text(), QStringLiteral("17:30:00"));
        QVERIFY(end->text().isEmpty());
    }

    void copyWithNothingSelectedPutsAnEmptyText() {
        frmMain window;
        QLineEdit* end = focusedEndBox(window, QStringLiteral("17:30:00"));
        end->deselect();
        clipboard()->setText(QStringLiteral("old"));
        QSignalSpy clipboardChanges(clipboard(), &QClipboard::dataChanged);
        choose(window, 1);
        QCOMPARE(clipboardChanges.count(), 1);
        QCOMPARE(clipboard()->text(), QString());
        QCOMPARE(end->text(), QStringLiteral("17:30:00"));
    }

    void pasteReplacesTheWholeTextWhateverIsSelected() {
        frmMain window;
        QLineEdit* end = focusedEndBox(window, QStringLiteral("Dec 08, 2026 17:30:00 PST"));
        end->setSelection(4, 2);
        clipboard()->setText(QStringLiteral("5:30 PM"));
        choose(window, 2);
        QCOMPARE(end->text(), QStringLiteral("5:30 PM"));

        // Without text on the clipboard Paste does nothing, and no other index does anything.
        clipboard()->clear();
        choose(window, 2);
        window.mnuEdit_Click(3);
        window.mnuEdit_Click(-1);
        QCOMPARE(end->text(), QStringLiteral("5:30 PM"));
        QVERIFY(clipboard()->text().isEmpty());
    }

    void readOnlyClockBoxIsCutAndPastedUntilTheNextTick() {
        frmMain window;
        window.show();
        window.Timer1_Timer();
        auto* clockBox = window.findChild<QLineEdit*>("txtebaytime");
        const QString shown = clockBox->text();
        QVERIFY(!shown.isEmpty());
        focus(window, "txtebaytime");

        choose(window, 0);
        QCOMPARE(clipboard()->text(), shown);
        QVERIFY(clockBox->text().isEmpty());
        clipboard()->setText(QStringLiteral("abc"));
        choose(window, 2);
        QCOMPARE(clockBox->text(), QStringLiteral("abc"));

        window.Timer1_Timer();
        QVERIFY(clockBox->text() != QStringLiteral("abc"));
        QVERIFY(!clockBox->text().isEmpty());
    }

    // A menu opened from the keyboard makes the menu bar borrow the focus, with Alt+E at once or
    // with Alt first; the items still act on the text box and its selection.
    void keyboardOpenedMenuActsOnTheFocusedTextBox_data() {
        QTest::addColumn<bool>("altFirst");
        QTest::newRow("Alt+E") << false;
        QTest::newRow("Alt, then E") << true;
    }

    void keyboardOpenedMenuActsOnTheFocusedTextBox() {
        QFETCH(bool, altFirst);
        frmMain window;
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QLineEdit* end = focusedEndBox(window, QStringLiteral("17:30:00"));
        end->setSelection(0, 2);

        if (altFirst) {
            QTest::keyClick(&window, Qt::Key_Alt);
            QTRY_COMPARE(window.focusWidget(), window.menuBar());
            QTest::keyClick(window.menuBar(), Qt::Key_E);
        } else {
            QTest::keyClick(&window, Qt::Key_E, Qt::AltModifier);
        }
        auto* menu = window.findChild<QMenu*>("mnuBarEdit");
        QTRY_VERIFY(menu->isVisible());
        QVERIFY(menu->actions().at(1)->isEnabled());
        QTest::keyClick(menu, Qt::Key_C);
        QTRY_VERIFY(!menu->isVisible());
        QCOMPARE(clipboard()->text(), QStringLiteral("17"));
        QCOMPARE(end->text(), QStringLiteral("17:30:00"));
        QCOMPARE(window.focusWidget(), end);
    }
};

QTEST_MAIN(EditMenuTest)
#include "EditMenuTest.moc"
