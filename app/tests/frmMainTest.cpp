// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include "ClockCheckServer.h"
#include "IndicatorShape.h"
#include "MainModule.h"
#include "PanelStatusBar.h"
#include "WebEngineTestSetup.h"
#include "frmClockCheck.h"
#include "frmMain.h"

class FrmMainTest : public QObject {
    Q_OBJECT

  private:
    template <typename T>
    T* child(QObject& window, const char* name) {
        T* found = window.findChild<T*>(QString::fromUtf8(name));
        if (!found) qFatal("no child %s", name);
        return found;
    }

  public:
    static void initMain() { testing_support::prepareWebEngineTest(); }

  private slots:
    void init() { MainModule::reset(); }

    // The clock check asks the shown page's server as the page came, and the auction site over
    // https when no page of a site shows.
    void clockCheckServer() {
        const QString site = "https://www.ebay.com/";
        for (const auto& [page, failed, server] :
             {std::tuple<QString, bool, QString>{"qrc:/help/contents.html", false, site},
              {"about:blank", false, site},
              {"http://www.ebay.com", true, site},  // the start page failed to load
              {"http://127.0.0.1:8080/itm?x=1", false, "http://127.0.0.1:8080/"},
              {"https://www.ebay.de/itm/1", false, "https://www.ebay.de/"}})
            QCOMPARE(::clockCheckServer(QUrl(page), failed).toString(), server);
    }

    void buildsTheWindowAsDesigned() {
        frmMain window;
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("Ticklot"));
        QVERIFY(!window.windowIcon().isNull());
        const QWidget* client = window.centralWidget();
        auto* status = child<PanelStatusBar>(window, "StatusBar1");
        QCOMPARE(client->width(), 1016);
        QCOMPARE(client->height() + status->height(), 714);
        QCOMPARE(status->height(), 17);
        auto* panel1 = child<QLabel>(*status, "StatusBar1Panel1");
        auto* panel2 = child<QLabel>(*status, "StatusBar1Panel2");
        QCOMPARE(panel1->width(), 533);
        QCOMPARE(panel2->width(), 96);

        // A long title is cut short and offered whole; the date stays whole beside it, also in a
        // window too narrow for panel 1's width.
        const QString title = QString("Vintage pocket watch, ").repeated(8) + "\u00e9t\u00e9";
        window.Timer1_Timer();
        window.setStatusPanelText(1, title.toStdString());
        const auto whole = [](QLabel* panel) {
            return panel->fontMetrics().horizontalAdvance(panel->text()) <=
                   panel->contentsRect().width();
        };
        for (const int width : {1016, 500}) {
            window.resize(width, window.height());
            QCoreApplication::processEvents();
            QVERIFY(width < 1016 || panel1->width() == 533);
            QVERIFY(whole(panel1) && panel1->text().endsWith("...") &&
                    title.startsWith(panel1->text().chopped(3)));
            QVERIFY(whole(panel2) && panel1->geometry().right() < panel2->x() &&
                    panel2->geometry().right() < width);
        }
        QCOMPARE(panel1->toolTip(), title);
        QCOMPARE(panel1->accessibleDescription(), title);
        window.setStatusPanelText(1, "Bids");
        QCOMPARE(panel1->text() + panel1->toolTip() + panel1->accessibleDescription(),
                 QStringLiteral("BidsStatus panel 1"));
    }

    void placesControlsAtTheirDesignedPixels_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("txtebaytime") << "txtebaytime" << QRect(24, 80, 129, 33);
        // Widened from 129 pixels to hold "11:59:59 PM" in Liberation Sans Bold at 18 points.
        QTest::newRow("txtauctionend") << "txtauctionend" << QRect(24, 144, 146, 33);
        QTest::newRow("txtTimer") << "txtTimer" << QRect(24, 208, 129, 33);
        QTest::newRow("Shape1") << "Shape1" << QRect(160, 208, 33, 33);
        QTest::newRow("cmdStart") << "cmdStart" << QRect(24, 264, 105, 25);
        QTest::newRow("cmdEnd") << "cmdEnd" << QRect(24, 296, 105, 25);
        QTest::newRow("Label1") << "Label1" << QRect(24, 64, 105, 17);
        QTest::newRow("cmdHome") << "cmdHome" << QRect(216, 16, 41, 33);
        QTest::newRow("cmdBack") << "cmdBack" << QRect(256, 16, 33, 33);
        QTest::newRow("cmdTime") << "cmdTime" << QRect(384, 16, 33, 33);
        QTest::newRow("txtAddress") << "txtAddress" << QRect(216, 56, 745, 19);
        QTest::newRow("cmdGo") << "cmdGo" << QRect(968, 56, 25, 17);
        QTest::newRow("WebBrowser1") << "WebBrowser1" << QRect(216, 80, 785, 633);
    }

    void placesControlsAtTheirDesignedPixels() {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        frmMain window;
        auto* widget = window.findChild<QWidget*>(name);
        QVERIFY(widget);
        // The clock's caption reaches to the right into free space, for the longer caption it
        // shows while the clock is corrected; its text stays where it was designed.
        if (name == "Label1") geometry.setWidth(widget->width());
        QCOMPARE(widget->geometry(), geometry);
    }

    void keepsControlsInPlaceWhenResized() {
        frmMain window;
        window.show();
        window.resize(500, 300);
        QCOMPARE(child<QLineEdit>(window, "txtAddress")->geometry(), QRect(216, 56, 745, 19));
        auto* status = child<PanelStatusBar>(window, "StatusBar1");
        QCOMPARE(status->width(), 500);
        QCOMPARE(status->geometry().bottom(), window.height() - 1);
    }

    // Each box is first painted as the window shows, then changed and compared with the same box
    // drawn by the application's own style.
    void timeBoxesLookAsTheApplicationStyleDrawsThem_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("change");
        QTest::newRow("as shown") << "txtTimer"
                                  << "";
        QTest::newRow("focused") << "txtebaytime"
                                 << "focus";
        QTest::newRow("disabled") << "txtauctionend"
                                  << "disable";
        QTest::newRow("resized") << "txtebaytime"
                                 << "resize";
    }

    void timeBoxesLookAsTheApplicationStyleDrawsThem() {
        QFETCH(QString, box);
        QFETCH(QString, change);
        frmMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* edit = child<QLineEdit>(window, box.toUtf8().constData());
        edit->setText("12:34:56");
        if (change == "focus") edit->setFocus();
        if (change == "disable") edit->setEnabled(false);
        if (change == "resize") edit->resize(edit->size() + QSize(7, 3));
        const auto look = [&] {
            return window.grab(QRect(edit->mapTo(&window, QPoint()), edit->size())).toImage();
        };
        const QImage cached = look();
        QVERIFY(edit->style() != QApplication::style());
        edit->setStyle(QApplication::style());
        QCOMPARE(cached, look());
    }

    void showsCaptionsTooltipsAndFonts() {
        frmMain window;
        QCOMPARE(child<QPushButton>(window, "cmdStart")->text(),
                 QStringLiteral("S&tart Countdown"));
        QCOMPARE(child<QPushButton>(window, "cmdEnd")->text(), QStringLiteral("St&op Countdown"));
        QCOMPARE(child<QPushButton>(window, "cmdGo")->toolTip(), QStringLiteral("Go"));
        QCOMPARE(child<QPushButton>(window, "cmdTime")->toolTip(),
                 QStringLiteral("Go to Ebay time Map"));
        QCOMPARE(child<QLabel>(window, "Label1")->text(), QStringLiteral("Current PST Time"));
        QCOMPARE(child<QLabel>(window, "Label2")->text(), QStringLiteral("Auction End Time"));
        QCOMPARE(child<QLabel>(window, "Label3")->text(), QStringLiteral("Countdown Timer"));
        for (const char* name :
             {"cmdHome", "cmdBack", "cmdForward", "cmdRefresh", "cmdStop", "cmdTime"}) {
            auto* button = child<QPushButton>(window, name);
            QVERIFY2(button->text().isEmpty(), name);
            QVERIFY2(!button->icon().isNull(), name);
            QCOMPARE(button->accessibleName(), button->toolTip());
            const QImage picture = button->icon().pixmap(button->iconSize(), 2).toImage();
            QCOMPARE(
                qAlpha(picture.pixel(0, 0)) + qAlpha(picture.pixel(picture.rect().bottomRight())),
                0);
        }
        QVERIFY(child<QLineEdit>(window, "txtebaytime")->font().bold());
        QCOMPARE(child<QLineEdit>(window, "txtebaytime")->font().pointSizeF(), 18.0);
        QCOMPARE(child<QLabel>(window, "Label1")->font().pointSizeF(), 8.25);
        QVERIFY(child<QLineEdit>(window, "txtebaytime")->isReadOnly());
        QVERIFY(child<QLineEdit>(window, "txtTimer")->isReadOnly());
        QVERIFY(!child<QLineEdit>(window, "txtauctionend")->isReadOnly());
        QVERIFY(!child<QLineEdit>(window, "txtAddress")->isReadOnly());
    }

    void namesBoxesForScreenReaders() {
        frmMain window;
        QCOMPARE(child<QLineEdit>(window, "txtebaytime")->accessibleName(),
                 QStringLiteral("Current PST Time"));
        QCOMPARE(child<QLineEdit>(window, "txtauctionend")->accessibleName(),
                 QStringLiteral("Auction End Time"));
        QCOMPARE(child<QLineEdit>(window, "txtTimer")->accessibleName(),
                 QStringLiteral("Countdown Timer"));
        QCOMPARE(child<QLineEdit>(window, "txtAddress")->accessibleName(),
                 QStringLiteral("Address"));
        QCOMPARE(child<QWidget>(window, "WebBrowser1")->accessibleName(),
                 QStringLiteral("Web page"));
        auto* shape = child<IndicatorShape>(window, "Shape1");
        QCOMPARE(shape->accessibleName(), QStringLiteral("Countdown indicator"));
        QCOMPARE(shape->accessibleDescription(), QStringLiteral("green"));
        shape->setBackColor(255);
        QCOMPARE(shape->accessibleDescription(), QStringLiteral("red"));
        shape->setBackColor(65280);
        QCOMPARE(shape->accessibleDescription(), QStringLiteral("green"));
    }

    void buildsTheMenuBar() {
        frmMain window;
        QStringList titles;
        for (QAction* action : window.menuBar()->actions()) titles << action->text();
        QCOMPARE(titles, (QStringList{"&File", "&Edit", "&Browse", "O&ptions", "&Help"}));

        auto captions = [&](const char* menu) {
            QStringList items;
            for (QAction* action : child<QMenu>(window, menu)->actions())
                items << (action->isSeparator() ? QStringLiteral("-") : action->text());
            return items;
        };
        QCOMPARE(captions("mnuFile"), QStringList{"E&xit"});
        QCOMPARE(captions("mnuBarEdit"), (QStringList{"Cu&t", "&Copy", "&Paste"}));
        QCOMPARE(captions("mnuTools"), (QStringList{"Home", "Back", "Forward", "Refresh",
                                                    "Ebay Time", "&Check Clock..."}));
        QCOMPARE(captions("mnuOptions"), QStringList{"Sound the &Last Seconds"});
        QCOMPARE(captions("mnuHelp"), (QStringList{"Contents", "-", "About"}));
        QCOMPARE(child<QAction>(window, "mnuExit")->shortcut(), QKeySequence("Ctrl+Q"));
        QCOMPARE(child<QAction>(window, "mnuContents")->shortcut(), QKeySequence("F1"));
    }

    void tabsThroughControlsByTabIndex() {
        frmMain window;
        QStringList order;
        QWidget* widget = child<QWidget>(window, "txtebaytime");
        for (int i = 0; i < 14; ++i) {
            order << widget->objectName();
            widget = widget->nextInFocusChain();
            while (widget->focusPolicy() == Qt::NoFocus) widget = widget->nextInFocusChain();
        }
        QCOMPARE(order, (QStringList{"txtebaytime", "txtauctionend", "txtTimer", "cmdStart",
                                     "cmdEnd", "WebBrowser1", "txtAddress", "cmdHome", "cmdBack",
                                     "cmdForward", "cmdStop", "cmdTime", "cmdRefresh", "cmdGo"}));
    }

    void firstTicksShowTheClockAndTheLongDate() {
        frmMain window;
        window.start();
        auto* clock = child<QLineEdit>(window, "txtebaytime");
        QVERIFY(clock->text().isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(!clock->text().isEmpty(), 1000);
        QVERIFY(QRegularExpression("^([1-9]|1[0-9]|2[0-3]|0):[0-5][0-9]:[0-5][0-9]$")
                    .match(clock->text())
                    .hasMatch());
        auto* status = child<PanelStatusBar>(window, "StatusBar1");
        QCOMPARE(status->panelText(2),
                 QLocale::system().toString(QDate::currentDate(), QLocale::LongFormat));
        QVERIFY(status->panelText(1).isEmpty());
        QVERIFY(child<QLineEdit>(window, "txtTimer")->text().isEmpty());
        QVERIFY(child<IndicatorShape>(window, "Shape1")->isHidden());
    }

    void showsThePacificTimeOfTheBiasCapturedAtLoad() {
        frmMain window;
        window.Form_Load();
        window.Timer1_Timer();
        const QDateTime utc = QDateTime::currentDateTimeUtc();
        const QTime pacific =
            utc.addSecs(-8 * 3600 - (utc.toLocalTime().offsetFromUtc() -
                                     QTimeZone::systemTimeZone().standardTimeOffset(utc)))
                .time();
        const QTime shown =
            QTime::fromString(child<QLineEdit>(window, "txtebaytime")->text(), "H:mm:ss");
        QVERIFY(shown.isValid());
        QVERIFY2(qAbs(shown.secsTo(pacific)) <= 1 || qAbs(shown.secsTo(pacific)) >= 86399,
                 qPrintable(shown.toString() + " vs " + pacific.toString()));
    }

    void exitEndsTheEventLoopAtOnce() {
        frmMain window;
        window.start();
        QTimer::singleShot(0, &window, [&] { child<QAction>(window, "mnuExit")->trigger(); });
        QCOMPARE(QCoreApplication::exec(), 0);
    }

    // Which key does what, from which control: an Alt letter that is no access key types
    // nothing, the address bar's keys select it, and Ctrl+Q ends the program from the Clock
    // Check window too.
    void keysDoWhatTheWindowPromises_data() {
        QTest::addColumn<QString>("focus");  // empty: the Clock Check window
        QTest::addColumn<QKeyCombination>("key");
        QTest::addColumn<QString>("outcome");
        QTest::newRow("Alt+S in the end box") << "txtauctionend" << (Qt::ALT | Qt::Key_S) << "";
        QTest::newRow("Alt+X in the address bar") << "txtAddress" << (Qt::ALT | Qt::Key_X) << "";
        QTest::newRow("Alt+O stops") << "txtauctionend" << (Qt::ALT | Qt::Key_O) << "Stopped";
        QTest::newRow("Ctrl+L") << "txtauctionend" << (Qt::CTRL | Qt::Key_L) << "address";
        QTest::newRow("Alt+D") << "txtauctionend" << (Qt::ALT | Qt::Key_D) << "address";
        QTest::newRow("F6") << "cmdGo" << QKeyCombination(Qt::Key_F6) << "address";
        QTest::newRow("Ctrl+Q in Clock Check") << "" << (Qt::CTRL | Qt::Key_Q) << "exit";
    }

    void keysDoWhatTheWindowPromises() {
        QFETCH(QString, focus);
        QFETCH(QKeyCombination, key);
        QFETCH(QString, outcome);
        frmMain main;
        main.show();
        auto* end = main.findChild<QLineEdit*>("txtauctionend");
        auto* address = main.findChild<QLineEdit*>("txtAddress");
        end->setText(QStringLiteral("17:30:00"));
        address->setText(QStringLiteral("http://127.0.0.1:1/"));
        QWidget* active = &main;
        if (focus.isEmpty()) {
            main.findChild<QAction*>("mnuCheckClock")->trigger();
            active = main.findChild<frmClockCheck*>();
        }
        active->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(active));
        if (!focus.isEmpty()) main.findChild<QWidget*>(focus)->setFocus();
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : active;
        const auto press = [&] { QTest::keyClick(target, key.key(), key.keyboardModifiers()); };

        if (outcome == "exit") {
            QTimer giveUp;
            connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(1); });
            giveUp.start(5000);
            QTimer::singleShot(0, &main, press);
            QCOMPARE(QCoreApplication::exec(), 0);
            return;
        }
        press();
        QCOMPARE(end->text() + ' ' + address->text(),
                 QStringLiteral("17:30:00 http://127.0.0.1:1/"));
        QCOMPARE(QApplication::focusWidget(),
                 outcome == "address" ? address : main.findChild<QWidget*>(focus));
        if (outcome == "address") QCOMPARE(address->selectedText(), address->text());
        if (outcome == "Stopped")
            QTRY_COMPARE(main.findChild<QLineEdit*>("txtTimer")->text(), outcome);
    }
};

QTEST_MAIN(FrmMainTest)
#include "frmMainTest.moc"
