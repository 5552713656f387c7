// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include <QLineEdit>
#include <QtTest>

#include "TextFit.h"
#include "WebEngineTestSetup.h"
#include "frmMain.h"

// The end-time box shows its whole text while it has no focus, at the designed 18-point size
// wherever the fonts on hand allow and otherwise in the largest size that fits, down to 10.
class EndTimeBoxTest : public QObject {
    Q_OBJECT

  public:
    // The main window holds a web view.
    static void initMain() { testing_support::prepareWebEngineTest(); }

  private slots:
    void showsTheWholeTextWhileUnfocused_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("usualForm");
        QTest::newRow("24-hour") << "17:30:00" << true;
        QTest::newRow("12-hour") << "5:30 PM" << true;
        QTest::newRow("widest 12-hour") << "11:59:59 PM" << true;
        QTest::newRow("site's date") << "Dec 08, 2026 17:30:00 PST" << false;
        QTest::newRow("longer than 10 points hold")
            << "(Dec 08, 2026 17:30:00 PST) ending soon" << false;
    }

    void showsTheWholeTextWhileUnfocused() {
        QFETCH(QString, text);
        QFETCH(bool, usualForm);
        frmMain window;
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* end = window.findChild<QLineEdit*>("txtauctionend");
        auto* browser = window.findChild<QWidget*>("WebBrowser1");
        const QRect box = end->geometry();
        QVERIFY(!box.intersects(browser->geometry()));
        QCOMPARE(end->font().pointSizeF(), 18.0);

        end->setFocus();
        QTest::keyClicks(end, text);
        QCOMPARE(end->font().pointSizeF(), 18.0);
        window.findChild<QWidget*>("cmdStart")->setFocus();

        const double size = end->font().pointSizeF();
        QCOMPARE(end->geometry(), box);
        QCOMPARE(end->font().bold(), true);
        const int room = end->width() - text_fit::padding(*end).width();
        QFont larger = end->font();
        larger.setPointSizeF(size + 0.25);
        if (size > 10.0) QVERIFY(end->fontMetrics().horizontalAdvance(text) <= room);
        // Just enough: a quarter point larger would not fit, unless it is the designed size.
        if (size < 18.0) QVERIFY(QFontMetrics(larger).horizontalAdvance(text) > room);
        QVERIFY(size >= 10.0);
        if (usualForm && qEnvironmentVariable("TICKLOT_TEST_FONTS") == "dejavu_liberation")
            QCOMPARE(size, 18.0);

        end->setFocus();
        QCOMPARE(end->font().pointSizeF(), 18.0);
        QCOMPARE(end->text(), text);
    }
};

QTEST_MAIN(EndTimeBoxTest)
#include "EndTimeBoxTest.moc"
