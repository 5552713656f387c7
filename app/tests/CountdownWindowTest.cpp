// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "Countdown.h"
#include "FakeLocalClock.h"
#include "IndicatorShape.h"
#include "MainModule.h"
#include "WebEngineTestSetup.h"
#include "frmMain.h"

using countdown::testing::FakeLocalClock;

// The countdown in the real window: buttons, their access keys, the indicator and the refusal
// message, with the local clock standing still where the test sets it.
class CountdownWindowTest : public QObject {
    Q_OBJECT

  public:
    // The main window holds a web view.
    static void initMain() { testing_support::prepareWebEngineTest(); }

  private:
    struct Window {
        FakeLocalClock* clock;
        std::unique_ptr<frmMain> window;
        QLineEdit* clockBox;
        QLineEdit* endBox;
        QLineEdit* timer;
        IndicatorShape* indicator;
    };

    static Window makeWindow() {
        auto clock = std::make_unique<FakeLocalClock>();
        FakeLocalClock* clockHandle = clock.get();
        auto window = std::make_unique<frmMain>(std::move(clock));
        frmMain& w = *window;
        return {clockHandle,
                std::move(window),
                w.findChild<QLineEdit*>("txtebaytime"),
                w.findChild<QLineEdit*>("txtauctionend"),
                w.findChild<QLineEdit*>("txtTimer"),
                w.findChild<IndicatorShape*>("Shape1")};
    }

    // Sets the Pacific clock (a bias of 480 minutes makes it read the local time) and ticks.
    static void tickAt(Window& w, int h, int m, int s) {
        w.clock->set(countdown::toDateValue({2026, 12, 7, h, m, s}));
        w.window->Timer1_Timer();
    }

  private slots:
    void init() {
        MainModule::reset();
        MainModule::TZInfo.Bias = 480;
    }
    void cleanup() { MainModule::reset(); }

    void accessKeysStartACountdownThatEndsAndStop() {
        Window w = makeWindow();
        w.window->show();
        w.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
        tickAt(w, 12, 0, 0);
        w.endBox->setFocus();
        QTest::keyClicks(w.endBox, "12:00:05");

        // An access key clicks its button after a short visible press.
        QTest::keyClick(w.window.get(), Qt::Key_T, Qt::AltModifier);
        QTRY_COMPARE(MainModule::RunFlag, 1);
        QVERIFY(w.indicator->isHidden());
        QVERIFY(w.timer->text().isEmpty());

        tickAt(w, 12, 0, 0);
        QCOMPARE(w.timer->text(), QStringLiteral("0:00:05"));
        QVERIFY(w.indicator->isVisible());
        QCOMPARE(w.indicator->backColor(), countdown::kRed);

        tickAt(w, 12, 0, 5);
        QCOMPARE(w.timer->text(), QStringLiteral("Ended"));
        QVERIFY(w.indicator->isHidden());
        QCOMPARE(MainModule::RunFlag, 0);

        QTest::keyClick(w.window.get(), Qt::Key_O, Qt::AltModifier);
        QTRY_COMPARE(w.timer->text(), QStringLiteral("Stopped"));
        QCOMPARE(w.endBox->text(), QStringLiteral("12:00:05"));
    }

    // The end lies behind the clock while a countdown runs: the message is the refusal and the
    // timer keeps ticking under it; once it is closed the countdown has stopped and the focus is
    // in the end box.
    void refusalIsModalWhileTicksGoOn() {
        Window w = makeWindow();
        w.window->start();
        MainModule::TZInfo.Bias = 480;
        tickAt(w, 12, 0, 0);
        w.window->findChild<QPushButton*>("cmdStart")->setFocus();
        w.endBox->setText(QStringLiteral("11:59:59"));
        MainModule::RunFlag = 1;

        QMessageBox* shown = nullptr;
        bool ticksArrived = false;
        QTimer watcher;
        connect(&watcher, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) return;
            if (shown == nullptr) {
                shown = box;
                w.clockBox->clear();
            } else if (!w.clockBox->text().isEmpty()) {
                ticksArrived = true;
                box->button(QMessageBox::Ok)->click();
            }
        });
        watcher.start(20);
        QTimer giveUp;
        giveUp.setSingleShot(true);
        connect(&giveUp, &QTimer::timeout, [] {
            if (QWidget* box = QApplication::activeModalWidget()) box->close();
        });
        giveUp.start(5000);

        w.window->cmdStart_Click();

        QVERIFY(shown != nullptr);
        QVERIFY(ticksArrived);
        QCOMPARE(MainModule::RunFlag, 0);
        QCOMPARE(w.window->focusWidget(), w.endBox);
    }

    void refusalMessageCarriesTheExactTextTitleIconAndButton() {
        Window w = makeWindow();
        w.window->show();
        tickAt(w, 12, 0, 0);
        w.endBox->setText(QStringLiteral("abc"));
        QString text, title;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) return;
            text = box->text();
            title = box->windowTitle();
            icon = box->icon();
            buttons = box->standardButtons();
            box->accept();
        });
        w.window->cmdStart_Click();
        QCOMPARE(text, QStringLiteral("Invalid End Time, Auction has ended, or is over 24 hrs "
                                      "from now, Please check the end time"));
        QCOMPARE(title, QStringLiteral("Invalid End Time"));
        QCOMPARE(icon, QMessageBox::Critical);
        QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }

    // The tick paints the clock box before it returns when its text changes, also back from a
    // text put there by other means, and leaves an unchanged box alone.
    void clockBoxIsPaintedWithinTheTickWhenItsTextChanges() {
        struct PaintCounter : QObject {
            int paints = 0;
            bool eventFilter(QObject*, QEvent* event) override {
                paints += event->type() == QEvent::Paint;
                return false;
            }
        } counter;
        Window w = makeWindow();
        w.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
        w.clockBox->installEventFilter(&counter);
        tickAt(w, 12, 0, 0);
        const struct {
            const char* pasted;
            int second, paints;
        } ticks[] = {{nullptr, 0, 0}, {"abc", 0, 1}, {nullptr, 1, 1}};
        for (const auto& tick : ticks) {
            if (tick.pasted) w.clockBox->setText(tick.pasted);
            QCoreApplication::processEvents();
            counter.paints = 0;
            tickAt(w, 12, 0, tick.second);
            QCOMPARE(counter.paints, tick.paints);
            QCOMPARE(w.clockBox->text(), QStringLiteral("12:00:0%1").arg(tick.second));
        }
    }
};

QTEST_MAIN(CountdownWindowTest)
#include "CountdownWindowTest.moc"
