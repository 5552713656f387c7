// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

// The Qt WebEngine browser against pages served by the test itself on 127.0.0.1.
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <QtTest>
#include <functional>
#include <map>
#include <memory>

#include "DownloadName.h"
#include "EventLoopWait.h"
#include "LocalHttpServer.h"
#include "SelfSignedHttpsServer.h"
#include "SignInDialog.h"
#include "TestSite.h"
#include "WebEngineBrowser.h"
#include "WebEngineTestSetup.h"

using browser::Outcome;
using platform::WebEngineBrowser;
using testing_support::LocalHttpServer;
using Response = LocalHttpServer::Response;
using testing_support::runEventsFor;
using testing_support::waitUntil;

namespace {

constexpr int kLoadTimeoutMs = 15000;

// What the browser showed at each NavigateComplete2.
struct Seen {
    QString url;
    QString title;
};

}  // namespace

class WebEngineBrowserTest : public QObject {
    Q_OBJECT

  public:
    static void initMain() { testing_support::prepareWebEngineTest(); }

  private:
    LocalHttpServer server;
    std::unique_ptr<WebEngineBrowser> browser;
    std::vector<Seen> seen;

    void startBrowser() {
        browser = std::make_unique<WebEngineBrowser>();
        browser->resize(800, 600);
        browser->show();
        browser->onNavigateComplete2([this] {
            seen.push_back({QString::fromStdString(browser->LocationURL()),
                            QString::fromStdString(browser->LocationName())});
        });
        browser->startEngine();
    }

    QWebEnginePage* page() const { return browser->findChild<QWebEngineView*>()->page(); }

    // Waits until the browser has reported a navigation and no load is running.
    bool settles(std::size_t reportsBefore = 0) {
        return waitUntil([&] { return seen.size() > reportsBefore && !page()->isLoading(); },
                         kLoadTimeoutMs);
    }

    // Makes a call and waits for the navigation it starts to be reported.
    bool completes(const std::function<Outcome()>& call) {
        const std::size_t before = seen.size();
        return call() == Outcome::Accepted && settles(before);
    }

    bool loads(const QString& path) {
        return completes([&] { return browser->Navigate(url(path).toStdString()); });
    }

    void runScript(const QString& script) { page()->runJavaScript(script); }

    QString url(const QString& path) const { return server.url(path).toString(); }

  private slots:
    void initTestCase() { testing_support::serveTestSite(server); }
    // The process ends as the program does, so the engine's last writes are not cut short.
    void cleanupTestCase() { platform::letWebEngineFinishWriting(); }

    void init() {
        seen.clear();
        startBrowser();
    }

    void cleanup() { browser.reset(); }

    void refusesCallsItCannotCarryOut_data() {
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("argument");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("GoBack, no history") << "GoBack"
                                            << "" << false;
        QTest::newRow("GoForward, no history") << "GoForward"
                                               << "" << false;
        QTest::newRow("Refresh, no page") << "Refresh"
                                          << "" << false;
        QTest::newRow("Stop, nothing loading") << "Stop"
                                               << "" << true;
        QTest::newRow("Navigate, empty") << "Navigate"
                                         << "" << false;
        QTest::newRow("Navigate, blanks") << "Navigate"
                                          << "   " << false;
        QTest::newRow("Navigate, no host") << "Navigate"
                                           << "http://" << false;
        QTest::newRow("Navigate, words") << "Navigate"
                                         << "two words" << false;
    }

    void refusesCallsItCannotCarryOut() {
        QFETCH(QString, call);
        QFETCH(QString, argument);
        QFETCH(bool, accepted);
        const std::map<QString, std::function<Outcome()>> calls{
            {"GoBack", [&] { return browser->GoBack(); }},
            {"GoForward", [&] { return browser->GoForward(); }},
            {"Refresh", [&] { return browser->Refresh(); }},
            {"Stop", [&] { return browser->Stop(); }},
            {"Navigate", [&] { return browser->Navigate(argument.toStdString()); }},
        };
        QCOMPARE(calls.at(call)() == Outcome::Accepted, accepted);
        runEventsFor(200);
        QVERIFY(seen.empty());
        QCOMPARE(browser->LocationURL(), std::string());
    }

    void loadsTheAddressAskedForBeforeTheEngineStarted() {
        browser = std::make_unique<WebEngineBrowser>();
        browser->onNavigateComplete2([this] {
            seen.push_back({QString::fromStdString(browser->LocationURL()),
                            QString::fromStdString(browser->LocationName())});
        });
        const int firstRequests = server.requestCount("/first");
        QCOMPARE(browser->Navigate(url("/first").toStdString()), Outcome::Accepted);
        QCOMPARE(browser->Navigate(url("/second").toStdString()), Outcome::Accepted);
        QCOMPARE(browser->GoBack(), Outcome::Refused);
        QVERIFY(!browser->isEngineStarted());
        QCOMPARE(browser->LocationURL(), std::string());
        browser->show();
        browser->startEngine();
        QVERIFY(settles());
        QCOMPARE(seen.back().url, url("/second"));
        QCOMPARE(seen.back().title, QStringLiteral("Second page"));
        QCOMPARE(server.requestCount("/first"), firstRequests);
    }

    void stopBeforeTheEngineStartedDropsThePendingAddress() {
        browser = std::make_unique<WebEngineBrowser>();
        const int firstRequests = server.requestCount("/first");
        browser->Navigate(url("/first").toStdString());
        QCOMPARE(browser->Stop(), Outcome::Accepted);
        browser->startEngine();
        runEventsFor(300);
        QCOMPARE(browser->LocationURL(), std::string());
        QCOMPARE(server.requestCount("/first"), firstRequests);
    }

    // Each row starts from a loaded page, so a report that followed the address back to the
    // page before would show.
    void reportsWhereTheTopLevelPageEnds_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("title");
        QTest::newRow("known title") << url("/second") << url("/second") << "Second page";
        QTest::newRow("redirect") << url("/redirect") << url("/second") << "Second page";
        QTest::newRow("two frames") << url("/frames") << url("/frames") << "Two frames";
        QTest::newRow("no scheme typed") << url("/second").mid(QStringLiteral("http://").size())
                                         << url("/second") << "Second page";
        const QUrl unreachable = LocalHttpServer::unreachableUrl();
        QTest::newRow("unreachable")
            << unreachable.toString() << unreachable.toString() << unreachable.host();
    }

    void reportsWhereTheTopLevelPageEnds() {
        QFETCH(QString, typed);
        QFETCH(QString, address);
        QFETCH(QString, title);
        QVERIFY(loads("/first"));
        const std::size_t before = seen.size();
        QCOMPARE(browser->Navigate(typed.toStdString()), Outcome::Accepted);
        QVERIFY(settles(before));
        runEventsFor(300);  // reports that come late would show here
        for (std::size_t i = before; i < seen.size(); ++i) {
            QCOMPARE(seen[i].url, address);
            QCOMPARE(seen[i].title, title);
        }
        QCOMPARE(browser->LocationURL(), address.toStdString());
    }

    void reportsTitleSetLaterByScript() {
        QVERIFY(loads("/late-title"));
        QCOMPARE(seen.back().title, QStringLiteral("Early title"));
        waitUntil([&] { return seen.back().title == QStringLiteral("Late title"); },
                  kLoadTimeoutMs);
        QCOMPARE(seen.back().title, QStringLiteral("Late title"));
        QCOMPARE(seen.back().url, url("/late-title"));
    }

    void reportsSameDocumentNavigations() {
        QVERIFY(loads("/links"));
        runScript("document.getElementById('part').click()");
        waitUntil([&] { return seen.back().url == url("/links#bids"); }, kLoadTimeoutMs);
        QCOMPARE(seen.back().url, url("/links#bids"));
        runScript("history.pushState({}, '', '/pushed-state')");
        waitUntil([&] { return seen.back().url == url("/pushed-state"); }, kLoadTimeoutMs);
        QCOMPARE(seen.back().url, url("/pushed-state"));
        QCOMPARE(seen.back().title, QStringLiteral("Links"));
        QCOMPARE(server.requestCount("/pushed-state"), 0);
    }

    // With a page behind, ahead or shown the calls are taken; at either end they are refused.
    void takesHistoryCallsWhileThereIsHistory() {
        QVERIFY(loads("/first"));
        QVERIFY(loads("/second"));
        QCOMPARE(browser->GoForward(), Outcome::Refused);
        QVERIFY(completes([&] { return browser->GoBack(); }));
        QCOMPARE(seen.back().url, url("/first"));
        QCOMPARE(browser->GoBack(), Outcome::Refused);
        QVERIFY(completes([&] { return browser->GoForward(); }));
        QCOMPARE(seen.back().url, url("/second"));
        QVERIFY(completes([&] { return browser->Refresh(); }));
        QCOMPARE(seen.back().url, url("/second"));
    }

    void newWindowRequestsOpenInThisPane_data() {
        QTest::addColumn<QString>("script");
        QTest::newRow("target=_blank link") << "document.getElementById('blank').click()";
        QTest::newRow("window.open") << "window.open('/second')";
    }

    void newWindowRequestsOpenInThisPane() {
        QFETCH(QString, script);
        QVERIFY(loads("/links"));
        const auto windows = QApplication::topLevelWidgets().size();
        runScript(script);
        waitUntil([&] { return seen.back().url == url("/second"); }, kLoadTimeoutMs);
        QCOMPARE(seen.back().url, url("/second"));
        QCOMPARE(seen.back().title, QStringLiteral("Second page"));
        QCOMPARE(QApplication::topLevelWidgets().size(), windows);
        const std::size_t before = seen.size();
        QCOMPARE(browser->GoBack(), Outcome::Accepted);
        QVERIFY(settles(before));
        QCOMPARE(seen.back().url, url("/links"));
    }

    void keepsItsProfileOnDisk() {
        QVERIFY(loads("/first"));
        QWebEngineProfile* profile = page()->profile();
        QVERIFY(!profile->isOffTheRecord());
        QCOMPARE(profile->storageName(), QString::fromUtf8(WebEngineBrowser::kProfileName));
        QVERIFY2(profile->persistentStoragePath().startsWith(qEnvironmentVariable("XDG_DATA_HOME")),
                 qPrintable(profile->persistentStoragePath()));
        QCOMPARE(profile->persistentCookiesPolicy(), QWebEngineProfile::AllowPersistentCookies);
    }

    // Signing in is remembered: a cookie set in one run is sent in the next.
    void cookiesSurviveARestart() {
        server.route("/sign-in", [](const LocalHttpServer::Request&) {
            return LocalHttpServer::Response{200,
                                             "<title>Signed in</title>",
                                             {{"Set-Cookie", "session=abc123; Max-Age=3600"}},
                                             0};
        });
        server.route("/account", [](const LocalHttpServer::Request& request) {
            return LocalHttpServer::Response{
                200, "<title>Cookie " + request.header("Cookie") + "</title>", {}, 0};
        });
        QTemporaryDir home;
        auto run = [&](const QString& path) {
            QProcess probe;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert("XDG_DATA_HOME", home.filePath("data"));
            environment.insert("XDG_CACHE_HOME", home.filePath("cache"));
            probe.setProcessEnvironment(environment);
            probe.start(QStringLiteral(TICKLOT_PROFILE_PROBE), {url(path)});
            // The server answers from this process's event loop, so it must keep running.
            if (!waitUntil([&] { return probe.state() == QProcess::NotRunning; }, kLoadTimeoutMs))
                probe.kill();
            probe.waitForFinished();
            return QString::fromUtf8(probe.readAllStandardOutput()).trimmed();
        };
        QCOMPARE(run("/account"), QStringLiteral("Cookie"));
        QCOMPARE(run("/sign-in"), QStringLiteral("Signed in"));
        QCOMPARE(run("/account"), QStringLiteral("Cookie session=abc123"));
    }

    void downloadNamesStayPlainAndFree_data() {
        QTest::addColumn<QString>("suggested");
        QTest::addColumn<QStringList>("taken");
        QTest::addColumn<QString>("saved");
        QTest::newRow("taken twice")
            << ".b.pdf" << QStringList{"b.pdf", "b (1).pdf"} << "b (2).pdf";
        QTest::newRow("parent folder") << "../../.bashrc" << QStringList{"bashrc"} << "_.._.bashrc";
        QTest::newRow("only dots") << " .. " << QStringList{"download"} << "download (1)";
        QTest::newRow("controls") << "in\nvoice\x7f.txt" << QStringList{"notes"} << "invoice.txt";
        QTest::newRow("right-to-left mark") << "gpj.\u202eexe" << QStringList{} << "gpj.exe";
    }

    void downloadNamesStayPlainAndFree() {
        QFETCH(QString, suggested);
        QFETCH(QStringList, taken);
        QFETCH(QString, saved);
        const auto isTaken = [&](const QString& name) { return taken.contains(name); };
        QCOMPARE(platform::freeDownloadName(platform::cleanDownloadName(suggested), isTaken),
                 saved);
    }

    // The folder holds "bid.txt" when each download starts. Chromium cleans the name too.
    void savesDownloadsInTheFolderUnderAFreeName_data() {
        QTest::addColumn<QByteArray>("suggested");
        QTest::addColumn<QString>("saved");
        QTest::newRow("leaves the folder") << QByteArray("../../escape.txt") << "_.._escape.txt";
        QTest::newRow("name taken") << QByteArray("bid.txt") << "bid (1).txt";
    }

    void savesDownloadsInTheFolderUnderAFreeName() {
        QFETCH(QByteArray, suggested);
        QFETCH(QString, saved);
        QDir folder(QStandardPaths::writableLocation(QStandardPaths::DownloadLocation));
        QFile old(folder.filePath("bid.txt"));
        QVERIFY(folder.removeRecursively() && folder.mkpath(".") && old.open(QIODevice::WriteOnly));
        server.route("/attachment", [suggested](const LocalHttpServer::Request&) {
            return Response{
                200, "new", {{"Content-Disposition", "attachment; filename=" + suggested}}, 0};
        });
        browser->Navigate(url("/attachment").toStdString());
        const auto notice = [&] { return browser->findChild<QLabel*>("downloadNotice")->text(); };
        waitUntil([&] { return notice().startsWith("Saved"); }, kLoadTimeoutMs);
        QCOMPARE(notice(), QString("Saved \"%1\" in %2.").arg(saved, folder.path()));
        QCOMPARE(folder.entryList(QDir::Files | QDir::Hidden), QStringList({saved, "bid.txt"}));
    }

    // Each row asks on a path and with a realm of its own, so no answer is remembered for the next.
    void signInRequestsAreAnsweredInADialog_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("title");
        QTest::newRow("Enter signs in") << int(Qt::Key_Return) << "Welcome bidder";
        QTest::newRow("Esc cancels") << int(Qt::Key_Escape) << "Sign-in refused";
    }

    void signInRequestsAreAnsweredInADialog() {
        QFETCH(int, key);
        QFETCH(QString, title);
        const QString path = QString("/%1/account").arg(key);
        const QByteArray challenge = "Basic realm=\"Bids " + path.toUtf8() + "\"";
        server.route(path, [challenge](const LocalHttpServer::Request& request) {
            if (request.header("Authorization") == "Basic " + QByteArray("bidder:pw").toBase64())
                return Response{200, "<title>Welcome bidder</title>", {}, 0};
            return Response{
                401, "<title>Sign-in refused</title>", {{"WWW-Authenticate", challenge}}, 0};
        });
        QStringList shown;
        QTimer answer;
        connect(&answer, &QTimer::timeout, [&] {
            auto* dialog = dynamic_cast<platform::SignInDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            answer.stop();
            for (const QLabel* label : dialog->findChildren<QLabel*>()) shown << label->text();
            dialog->findChild<QLineEdit*>("userName")->setText("bidder");
            auto* password = dialog->findChild<QLineEdit*>("password");
            password->setText("pw");
            QTest::keyClick(password, Qt::Key(key));
        });
        answer.start(20);
        QVERIFY(loads(path));
        QCOMPARE(seen.back().title, title);
        QVERIFY2(shown.contains("Bids " + path) && shown.contains(server.url(path).authority()) &&
                     shown.filter("not encrypted").size() == 1,
                 qPrintable(shown.join('|')));
    }

    void permissionRequestsAreDeniedAtOnce() {
        server.page("/asks", "Asking",
                    "<script>const got = [];"
                    "function tell(what) { got.push(what); document.title = got.sort().join(); }"
                    "navigator.geolocation.getCurrentPosition(() => tell('location allowed'),"
                    "  () => tell('location denied'));"
                    "Notification.requestPermission().then(p => tell('notifications ' + p));"
                    "</script>");
        QVERIFY(loads("/asks"));
        waitUntil([&] { return seen.back().title.contains(','); }, kLoadTimeoutMs);
        QCOMPARE(seen.back().title, QStringLiteral("location denied,notifications denied"));
    }

    // A self-signed certificate made for this run; accepted, the title would be the address.
    void certificateErrorsKeepTheRefusalPage() {
        testing_support::SelfSignedHttpsServer https;
        QVERIFY(https.listensWithin(kLoadTimeoutMs));
        const QString address = https.url().toString();
        QVERIFY(completes([&] { return browser->Navigate(address.toStdString()); }));
        QCOMPARE(seen.back().title, QStringLiteral("127.0.0.1"));
    }
};

QTEST_MAIN(WebEngineBrowserTest)
#include "WebEngineBrowserTest.moc"
