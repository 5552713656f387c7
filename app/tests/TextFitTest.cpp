// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOption>
#include <QtTest>

#include "TextFit.h"
#include "WebEngineTestSetup.h"
#include "frmAbout.h"
#include "frmMain.h"

namespace {

// ClockCaptions: the caption and the one it shows while the clock is corrected, which is not of
// the design and widens the label wherever the face is.
enum class Texts { Own, ClockCaptions, TimesOfDay, Countdown, LongDates };

QStringList candidates(Texts texts, const QString& own) {
    if (texts == Texts::Own) return {own};
    if (texts == Texts::ClockCaptions) return {own, "Current PST Time, corrected"};
    QStringList all;
    if (texts == Texts::LongDates) {
        for (QDate day(2026, 1, 1); day.year() == 2026; day = day.addDays(1))
            all << QLocale::system().toString(day, QLocale::LongFormat);
        return all;
    }
    for (int i = 0; i < 24 * 60; ++i)
        all << QString::asprintf("%d:%02d:%02d", i / 60, i % 60, i % 60);
    if (texts == Texts::Countdown) all.append({"Ended", "Stopped"});
    return all;
}

// Across: the text's advance and the style's padding; down: the line inside the frame.
QSize needed(QWidget* widget, const QString& text) {
    const QFontMetrics metrics = widget->fontMetrics();
    const int advance = metrics.size(Qt::TextShowMnemonic, text).width();
    const int frame = widget->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (label->wordWrap()) return {label->width(), label->heightForWidth(label->width())};
        label->setText(text);  // a label's size hint is its text's
        return label->sizeHint();
    }
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        if (button->autoDefault()) option.features = QStyleOptionButton::AutoDefaultButton;
        const QSize wide = button->style()->sizeFromContents(QStyle::CT_PushButton, &option,
                                                             {500, metrics.height()}, button);
        return {advance + wide.width() - 500, metrics.height() + 2 * frame};
    }
    return {advance + 2 * frame + 2 * 2, metrics.height() + 2 * frame + 2 * 1};  // QLineEdit
}

}  // namespace

class TextFitTest : public QObject {
    Q_OBJECT

  public:
    static void initMain() { testing_support::prepareWebEngineTest(); }

  private slots:
    void showsEveryTextWhole_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("texts");
        QTest::addColumn<QRect>("designed");
        const auto row = [](const char* name, Texts texts, QRect designed) {
            QTest::newRow(name) << name << int(texts) << designed;
        };
        row("Label1", Texts::ClockCaptions, {24, 64, 105, 17});
        row("Label2", Texts::Own, {24, 128, 113, 17});
        row("Label3", Texts::Own, {24, 192, 121, 17});
        row("cmdStart", Texts::Own, {24, 264, 105, 25});
        row("cmdEnd", Texts::Own, {24, 296, 105, 25});
        row("txtebaytime", Texts::TimesOfDay, {24, 80, 129, 33});
        row("txtTimer", Texts::Countdown, {24, 208, 129, 33});
        row("cmdGo", Texts::Own, {968, 56, 25, 17});
        row("StatusBar1Panel2", Texts::LongDates, {});
        row("lblTitle", Texts::Own, {70, 16, 259, 32});
        row("lblVersion", Texts::Own, {70, 64, 259, 15});
        row("lblDescription", Texts::Own, {70, 96, 259, 46});
        row("lblDisclaimer", Texts::Own, {17, 175, 258, 79});
        row("cmdOK", Texts::Own, {283, 175, 84, 23});
        row("cmdSysInfo", Texts::Own, {284, 205, 83, 23});
    }

    void showsEveryTextWhole() {
        QFETCH(QString, name);
        QFETCH(int, texts);
        QFETCH(QRect, designed);
        frmMain window;
        frmAbout dialog;
        window.show();
        dialog.show();
        window.Timer1_Timer();  // writes the long date into panel 2
        QCoreApplication::processEvents();
        QWidget* widget = window.findChild<QWidget*>(name);
        if (!widget) widget = dialog.findChild<QWidget*>(name);
        QVERIFY(widget);
        const QStringList all = candidates(Texts(texts), widget->property("text").toString());
        const auto firstCut = [&] {
            for (const QString& text : all)
                if (const QSize need = needed(widget, text);
                    need.width() > widget->width() || need.height() > widget->height())
                    return QString("%1 needs %2x%3").arg(text).arg(need.width()).arg(need.height());
            return QString();
        };
        QCOMPARE(firstCut(), QString());
        if (designed.isNull()) return;
        const QRect shown = widget->geometry();
        // Only a text that needs it widens its control, to the right, clear of its neighbours.
        QCOMPARE(shown.topLeft(), designed.topLeft());
        QCOMPARE(shown.height(), designed.height());
        QVERIFY(widget->parentWidget()->rect().contains(shown));
        for (auto* other :
             widget->parentWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            if (other != widget && !designed.intersects(other->geometry()))
                QVERIFY2(!shown.intersects(other->geometry()), qPrintable(other->objectName()));
        if (shown != designed) {
            widget->setGeometry(designed);
            QVERIFY(!firstCut().isEmpty());
        }
        // The controls laid out in the designed face keep their design where Liberation is there.
        if (widget->font().families().contains("MS Sans Serif") &&
            qEnvironmentVariable("TICKLOT_TEST_FONTS") == "dejavu_liberation" &&
            Texts(texts) != Texts::ClockCaptions) {
            QCOMPARE(QFontInfo(widget->font()).family(), QStringLiteral("Liberation Sans"));
            QCOMPARE(shown, designed);
        }
    }

    // The end-time box shows its whole text while it has no focus: at the designed 18 points
    // where the fonts on hand allow, otherwise in the largest quarter-point size that fits,
    // down to 10.
    void showsTheWholeTextWhileUnfocused_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("usualForm");
        QTest::newRow("24-hour") << "17:30:00" << true;
        QTest::newRow("12-hour") << "5:30 PM" << true;
        QTest::newRow("widest 12-hour") << "11:59:59 PM" << true;
        QTest::newRow("site's text") << "(Dec 08, 2026 17:30:00 PST)" << false;
        QTest::newRow("too long for 10") << "(Dec 08, 2026 17:30:00 PST) ends soon" << false;
    }

    void showsTheWholeTextWhileUnfocused() {
        QFETCH(QString, text);
        QFETCH(bool, usualForm);
        frmMain window;
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* end = window.findChild<QLineEdit*>("txtauctionend");
        const QRect box = end->geometry();
        QVERIFY(!box.intersects(window.findChild<QWidget*>("WebBrowser1")->geometry()));
        end->setFocus();
        QTest::keyClicks(end, text);
        QCOMPARE(end->font().pointSizeF(), 18.0);

        window.findChild<QWidget*>("cmdStart")->setFocus();
        const double size = end->font().pointSizeF();
        const int room = end->width() - text_fit::padding(*end).width();
        QFont larger = end->font();
        larger.setPointSizeF(size + 0.25);
        QCOMPARE(end->geometry(), box);
        QVERIFY(size >= 10.0 && end->font().bold());
        if (size > 10.0) QVERIFY(end->fontMetrics().horizontalAdvance(text) <= room);
        // Just enough: a quarter point more would not fit.
        if (size < 18.0) QVERIFY(QFontMetrics(larger).horizontalAdvance(text) > room);
        if (usualForm && qEnvironmentVariable("TICKLOT_TEST_FONTS") == "dejavu_liberation")
            QCOMPARE(size, 18.0);

        end->setFocus();
        QCOMPARE(end->font().pointSizeF(), 18.0);
    }
};

QTEST_MAIN(TextFitTest)
#include "TextFitTest.moc"
