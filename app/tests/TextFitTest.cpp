#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QStyleOption>
#include <QtTest>

#include "PanelStatusBar.h"
#include "WebEngineTestSetup.h"
#include "frmAbout.h"
#include "frmMain.h"

namespace {

enum class Texts { Own, TimesOfDay, Countdown, LongDates };

QStringList candidates(Texts texts, const QString& own) {
    QStringList all;
    if (texts == Texts::Own) return {own};
    if (texts == Texts::LongDates) {
        for (QDate day(2026, 1, 1); day.year() == 2026; day = day.addDays(1))
            all << QLocale::system().toString(day, QLocale::LongFormat);
        return all;
    }
    for (int i = 0; i < 24 * 60; ++i)
        all << QString::asprintf("%d:%02d:%02d", i / 60, i % 60, i % 60);
    if (texts == Texts::Countdown)
        all << "Ended"
            << "Stopped";
    return all;
}

// Across: the text's advance and the style's padding; down: the line inside the frame.
QSize needed(QWidget* widget, const QString& text) {
    const QFontMetrics metrics = widget->fontMetrics();
    const int advance = metrics.size(Qt::TextShowMnemonic, text).width();
    const int frame = widget->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (label->wordWrap()) return {label->width(), label->heightForWidth(label->width())};
        const QString shown = label->text();
        label->setText(text);
        const QSize hint = label->sizeHint();
        label->setText(shown);
        return hint;
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
        QTest::addColumn<bool>("about");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("texts");
        QTest::addColumn<QRect>("designed");
        QTest::addColumn<bool>("designedFace");  // laid out for the face Liberation Sans matches
        const auto row = [](bool about, const char* name, Texts texts, QRect designed, bool face) {
            QTest::newRow(name) << about << name << int(texts) << designed << face;
        };
        row(false, "Label1", Texts::Own, {24, 64, 105, 17}, true);
        row(false, "Label2", Texts::Own, {24, 128, 113, 17}, true);
        row(false, "Label3", Texts::Own, {24, 192, 121, 17}, true);
        row(false, "cmdStart", Texts::Own, {24, 264, 105, 25}, true);
        row(false, "cmdEnd", Texts::Own, {24, 296, 105, 25}, true);
        row(false, "txtebaytime", Texts::TimesOfDay, {24, 80, 129, 33}, true);
        row(false, "txtauctionend", Texts::TimesOfDay, {24, 144, 129, 33}, true);
        row(false, "txtTimer", Texts::Countdown, {24, 208, 129, 33}, true);
        row(false, "cmdGo", Texts::Own, {968, 56, 25, 17}, false);
        row(false, "StatusBar1Panel2", Texts::LongDates, {}, false);
        row(true, "lblTitle", Texts::Own, {70, 16, 259, 32}, false);
        row(true, "lblVersion", Texts::Own, {70, 64, 259, 15}, false);
        row(true, "lblDescription", Texts::Own, {70, 96, 259, 46}, false);
        row(true, "lblDisclaimer", Texts::Own, {17, 175, 258, 79}, false);
        row(true, "cmdOK", Texts::Own, {283, 175, 84, 23}, false);
        row(true, "cmdSysInfo", Texts::Own, {284, 205, 83, 23}, false);
    }

    void showsEveryTextWhole() {
        QFETCH(bool, about);
        QFETCH(QString, name);
        QFETCH(int, texts);
        QFETCH(QRect, designed);
        QFETCH(bool, designedFace);
        frmMain window;
        frmAbout dialog;
        QWidget& top = about ? static_cast<QWidget&>(dialog) : window;
        top.show();
        window.Timer1_Timer();  // writes the long date into panel 2
        QCoreApplication::processEvents();
        auto* widget = top.findChild<QWidget*>(name);
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
        if (designedFace && qEnvironmentVariable("TICKLOT_TEST_FONTS") == "dejavu_liberation") {
            QCOMPARE(QFontInfo(widget->font()).family(), QStringLiteral("Liberation Sans"));
            QCOMPARE(shown, designed);
        }
    }
};

QTEST_MAIN(TextFitTest)
#include "TextFitTest.moc"
