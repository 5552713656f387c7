// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "InMemoryRegistry.h"
#include "LineControl.h"
#include "SysInfoFakes.h"
#include "frmAbout.h"

using sysinfo::testing::FakeFileSystem;
using sysinfo::testing::RecordingLauncher;

namespace {

constexpr const char* kMsinfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const char* kTool = "/opt/msinfo/msinfo32";

// Hands the dialog's calls on to fakes that the test owns, so they outlive the dialog.
class RegistryForwarder : public platform::Registry {
  public:
    explicit RegistryForwarder(platform::Registry& target) : target_(target) {}
    std::int32_t RegOpenKeyExA(platform::KeyHandle key, const std::string& subKey,
                               std::uint32_t options, std::uint32_t access,
                               platform::KeyHandle* result) override {
        return target_.RegOpenKeyExA(key, subKey, options, access, result);
    }
    std::int32_t RegQueryValueExA(platform::KeyHandle key, const std::string& valueName,
                                  std::uint32_t* type, std::uint8_t* data,
                                  std::uint32_t* size) override {
        return target_.RegQueryValueExA(key, valueName, type, data, size);
    }
    std::int32_t RegCloseKey(platform::KeyHandle key) override { return target_.RegCloseKey(key); }

  private:
    platform::Registry& target_;
};

class LauncherForwarder : public platform::ProgramLauncher {
  public:
    explicit LauncherForwarder(platform::ProgramLauncher& target) : target_(target) {}
    void launch(const std::string& path, int windowStyle) override {
        target_.launch(path, windowStyle);
    }

  private:
    platform::ProgramLauncher& target_;
};

// A dialog over fakes.
struct FakeAbout {
    FakeAbout() {
        launcher.installed = {kTool};
        dialog = new frmAbout(frmAbout::Services{std::make_unique<RegistryForwarder>(registry),
                                                 std::make_unique<FakeFileSystem>(),
                                                 std::make_unique<LauncherForwarder>(launcher)});
    }
    ~FakeAbout() { delete dialog.data(); }

    platform::InMemoryRegistry registry;
    RecordingLauncher launcher;
    QPointer<frmAbout> dialog;
};

template <typename T>
T* child(QWidget* parent, const char* name) {
    T* found = parent->findChild<T*>(QString::fromUtf8(name));
    if (!found) qFatal("no child %s", name);
    return found;
}

}  // namespace

class FrmAboutTest : public QObject {
    Q_OBJECT

  private:
    // Shows the dialog, makes it the active window and puts the focus on `focus`.
    static void showFocused(frmAbout* dialog, const char* focus) {
        dialog->show();
        dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        child<QWidget>(dialog, focus)->setFocus();
        QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromUtf8(focus));
    }

  private slots:
    void isAFixedDialogOfTheDesignedSize() {
        FakeAbout about;
        about.dialog->show();
        QCOMPARE(about.dialog->size(), QSize(382, 269));
        QCOMPARE(about.dialog->minimumSize(), about.dialog->maximumSize());
        const Qt::WindowFlags flags = about.dialog->windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(!about.dialog->isModal());
        QVERIFY(!about.dialog->parentWidget());
    }

    void placesControlsAtTheirDesignedPixels_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("picIcon") << "picIcon" << QRect(16, 16, 36, 36);
        QTest::newRow("lblTitle") << "lblTitle" << QRect(70, 16, 259, 32);
        QTest::newRow("lblVersion") << "lblVersion" << QRect(70, 64, 259, 15);
        QTest::newRow("lblDescription") << "lblDescription" << QRect(70, 96, 259, 46);
        QTest::newRow("lblDisclaimer") << "lblDisclaimer" << QRect(17, 175, 258, 79);
        QTest::newRow("cmdOK") << "cmdOK" << QRect(283, 175, 84, 23);
        QTest::newRow("cmdSysInfo") << "cmdSysInfo" << QRect(284, 205, 83, 23);
    }

    void placesControlsAtTheirDesignedPixels() {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        FakeAbout about;
        auto* widget = about.dialog->findChild<QWidget*>(name);
        QVERIFY(widget);
        QCOMPARE(widget->geometry(), geometry);
    }

    void drawsAnEtchedSeparator() {
        FakeAbout about;
        QMap<int, LineControl*> lines;
        for (auto* line : about.dialog->findChildren<LineControl*>("Line1"))
            lines[line->index()] = line;
        QCOMPARE(lines.keys(), (QList<int>{0, 1}));
        QCOMPARE(lines[1]->geometry(), QRect(6, 163, 371, 1));
        QCOMPARE(lines[0]->geometry(), QRect(7, 164, 370, 2));

        const QImage shown = about.dialog->grab().toImage();
        QCOMPARE(shown.pixelColor(200, 163), QColor(0x80, 0x80, 0x80));
        QCOMPARE(shown.pixelColor(200, 164), QColor(Qt::white));
        QCOMPARE(shown.pixelColor(200, 165), QColor(Qt::white));
        QCOMPARE(shown.pixelColor(6, 164), shown.pixelColor(6, 170));  // dialog background
    }

    void showsItsTextsFromLoad() {
        FakeAbout about;
        frmAbout* dialog = about.dialog;
        QCOMPARE(dialog->windowTitle(), QStringLiteral("About Ticklot"));
        QCOMPARE(child<QLabel>(dialog, "lblTitle")->text(), QStringLiteral("Ticklot"));
        QCOMPARE(child<QLabel>(dialog, "lblVersion")->text(), QStringLiteral("Version 1.0.5"));
        QCOMPARE(child<QLabel>(dialog, "lblDescription")->text(),
                 QStringLiteral("Timing Program for the person that enjoys the manual sniping "
                                "process on Ebay"));
        QCOMPARE(child<QPushButton>(dialog, "cmdOK")->text(), QStringLiteral("OK"));
        QCOMPARE(child<QPushButton>(dialog, "cmdSysInfo")->text(),
                 QStringLiteral("&System Info..."));

        const QString disclaimer = child<QLabel>(dialog, "lblDisclaimer")->text();
        QVERIFY(disclaimer.indexOf("GNU General Public License, version 3 or later") >= 0);
        QVERIFY(disclaimer.indexOf("Copyright") < disclaimer.indexOf("own risk"));
    }

    void wrappedTextsFitTheirLabels_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("lblDescription") << "lblDescription";
        QTest::newRow("lblDisclaimer") << "lblDisclaimer";
    }

    void wrappedTextsFitTheirLabels() {
        QFETCH(QString, name);
        FakeAbout about;
        auto* label = about.dialog->findChild<QLabel*>(name);
        QVERIFY(label->wordWrap());
        QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                 qPrintable(QString::number(label->heightForWidth(label->width()))));
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::black));
    }

    void showsTheProgramsClockIcon() {
        FakeAbout about;
        const QPixmap shown = child<QLabel>(about.dialog, "picIcon")->pixmap();
        QCOMPARE(shown.size(), QSize(32, 32));
        QCOMPARE(shown.toImage(),
                 QIcon(QStringLiteral(":/icons/clock.svg")).pixmap(32, 32).toImage());
    }

    void tabsFromOkToTheIconToSystemInfo() {
        FakeAbout about;
        showFocused(about.dialog, "cmdOK");
        QStringList order;
        for (int i = 0; i < 4; ++i) {
            order << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(order, (QStringList{"cmdOK", "picIcon", "cmdSysInfo", "cmdOK"}));
    }

    void okHasTheFocusWhenShown() {
        FakeAbout about;
        about.dialog->show();
        about.dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(about.dialog));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdOK"));
        QVERIFY(child<QPushButton>(about.dialog, "cmdOK")->isDefault());
    }

    void keysCloseTheDialog_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        for (const char* focus : {"cmdOK", "picIcon", "cmdSysInfo"})
            QTest::addRow("Esc on %s", focus) << focus << int(Qt::Key_Escape);
        for (const char* focus : {"cmdOK", "picIcon"}) {
            QTest::addRow("Return on %s", focus) << focus << int(Qt::Key_Return);
            QTest::addRow("Enter on %s", focus) << focus << int(Qt::Key_Enter);
        }
    }

    void keysCloseTheDialog() {
        QFETCH(QString, focus);
        QFETCH(int, key);
        FakeAbout about;
        about.registry.setString(platform::kHKeyLocalMachine, kMsinfoKey, "PATH", kTool);
        showFocused(about.dialog, qPrintable(focus));
        QSignalSpy okPressed(child<QPushButton>(about.dialog, "cmdOK"), &QPushButton::clicked);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QCOMPARE(okPressed.count(), 1);
        QTRY_VERIFY(!about.dialog);  // closed and discarded
        QVERIFY(about.launcher.attempts.empty());
    }

    void okAndTheCloseBoxDiscardTheDialog() {
        FakeAbout viaOk;
        viaOk.dialog->show();
        QTest::mouseClick(child<QPushButton>(viaOk.dialog, "cmdOK"), Qt::LeftButton);
        QTRY_VERIFY(!viaOk.dialog);

        FakeAbout viaCloseBox;
        viaCloseBox.dialog->show();
        QVERIFY(viaCloseBox.dialog->close());
        QTRY_VERIFY(!viaCloseBox.dialog);
    }

    void systemInfoStartsTheToolAndStaysOpen() {
        FakeAbout about;
        about.registry.setString(platform::kHKeyLocalMachine, kMsinfoKey, "PATH", kTool);
        showFocused(about.dialog, "cmdSysInfo");
        // Enter on the focused System Info button presses it, not OK.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::mouseClick(child<QPushButton>(about.dialog, "cmdSysInfo"), Qt::LeftButton);
        QCOMPARE(about.launcher.attempts,
                 (std::vector<RecordingLauncher::Attempt>(2, {kTool, platform::kNormalFocus})));
        QVERIFY(about.dialog);
        QVERIFY(about.dialog->isVisible());
    }

    void systemInfoUnavailableShowsTheMessage() {
        FakeAbout about;
        about.dialog->show();
        QString text, title;
        QMessageBox::Icon icon = QMessageBox::Critical;
        QMessageBox::StandardButtons buttons;
        bool modal = false;
        QTimer::singleShot(0, about.dialog, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            text = box->text();
            title = box->windowTitle();
            icon = box->icon();
            buttons = box->standardButtons();
            modal = box->isModal();
            box->button(QMessageBox::Ok)->click();
        });
        about.dialog->StartSysInfo();
        QCOMPARE(text, QStringLiteral("System Information Is Unavailable At This Time"));
        QCOMPARE(title, QStringLiteral("Ticklot"));
        QCOMPARE(icon, QMessageBox::NoIcon);
        QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(modal);
        QVERIFY(about.launcher.attempts.empty());
        QVERIFY(about.dialog->isVisible());
    }

    void getKeyValueReadsTheDialogsRegistry() {
        FakeAbout about;
        about.registry.setString(platform::kHKeyLocalMachine, kMsinfoKey, "PATH", kTool);
        std::string value;
        QVERIFY(about.dialog->GetKeyValue(platform::kHKeyLocalMachine, kMsinfoKey, "PATH", value));
        QCOMPARE(value, std::string(kTool));
    }
};

QTEST_MAIN(FrmAboutTest)
#include "frmAboutTest.moc"
