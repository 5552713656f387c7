// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "WebEngineBrowser.h"

#include <QApplication>
#include <QAuthenticator>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>
#include <QWebEngineHistory>
#include <QWebEngineNewWindowRequest>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include "DownloadSaver.h"
#include "PagePermissions.h"
#include "SignInDialog.h"
#include "UserAddress.h"

namespace platform {

using browser::Outcome;

namespace {

QLabel* hiddenNotice(const char* name, QWidget* parent) {
    auto* notice = new QLabel(parent);
    notice->setObjectName(QString::fromLatin1(name));
    notice->setTextFormat(Qt::PlainText);
    notice->setWordWrap(true);
    notice->setMargin(6);
    notice->hide();
    return notice;
}

// The host as the user knows it from the address: with the port when one is given.
QString hostOf(const QUrl& url) {
    return url.port() == -1 ? url.host() : url.host() + u':' + QString::number(url.port());
}

}  // namespace

WebEngineBrowser::WebEngineBrowser(QWidget* parent)
    : QWidget(parent),
      deadPageNotice_(hiddenNotice("deadPageNotice", this)),
      downloadNotice_(hiddenNotice("downloadNotice", this)) {
    setFocusPolicy(Qt::StrongFocus);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    deadPageNotice_->setText(
        QStringLiteral("This page has stopped working. Refresh loads it again; Home and Go "
                       "open another page."));
    deadPageNotice_->setAlignment(Qt::AlignCenter);
    // Above the page, where the eye comes from the address bar: the pane's lowest pixels lie
    // under the window's status bar. Its text is what a screen reader reads as its name.
    downloadNotice_->setAccessibleDescription(QStringLiteral("Download"));
    layout->addWidget(downloadNotice_);
    layout->addWidget(deadPageNotice_, 1);
}

// The window that handles NavigateComplete2 is half gone by now: nothing more is reported.
WebEngineBrowser::~WebEngineBrowser() {
    if (view_) view_->page()->disconnect(this);
}

void WebEngineBrowser::startEngine() {
    if (view_) return;
    profile_ = std::make_unique<QWebEngineProfile>(QString::fromUtf8(kProfileName));
    view_ = std::make_unique<QWebEngineView>(profile_.get(), this);
    view_->installEventFilter(this);
    static_cast<QVBoxLayout*>(layout())->insertWidget(1, view_.get(), 1);
    new DownloadSaver(
        profile_.get(), [this](const QString& text) { showDownloadNotice(text); }, this);
    connectPage();
    if (!pendingUrl_.isEmpty()) view_->load(pendingUrl_);
    pendingUrl_.clear();
}

// How Chromium's signals become NavigateComplete2, as Qt 6.4 delivers them:
// - loadFinished comes once per top-level load, after its frames and with the title known:
//   for a page, for an error page (ok = false, the address stays the one asked for) and for a
//   stopped load alike. Frames raise no load signals of their own.
// - A same-document navigation (a fragment, history.pushState) only changes the address, and a
//   script may change the title after the load: those are reported while no load runs.
// - During a load the address bounces between the new and the old one and the title shows
//   placeholders: nothing is reported then. A load runs from loadStarted to loadFinished (or
//   the renderer's end), as Qt 6.8 turns isLoading() false before the load's last title signal.
// The handler reads the address and title afresh from the page each time.
void WebEngineBrowser::connectPage() {
    QWebEnginePage* page = view_->page();
    connect(page, &QWebEnginePage::loadStarted, this, [this] { loadRunning_ = true; });
    connect(page, &QWebEnginePage::renderProcessTerminated, this, [this] { loadRunning_ = false; });
    connect(page, &QWebEnginePage::loadFinished, this, [this](bool ok) {
        loadRunning_ = false;
        pageFailed_ = !ok;
        raiseNavigateComplete2();
    });
    connect(page, &QWebEnginePage::urlChanged, this, &WebEngineBrowser::raiseUnlessLoading);
    connect(page, &QWebEnginePage::titleChanged, this, &WebEngineBrowser::raiseUnlessLoading);

    // The program has one browser pane: a link or script that asks for a new window (target
    // _blank, window.open) opens its page here, once the request has been answered.
    connect(page, &QWebEnginePage::newWindowRequested, this,
            [this](QWebEngineNewWindowRequest& request) {
                const QUrl url = request.requestedUrl();
                if (url.isEmpty()) return;
                QMetaObject::invokeMethod(
                    this, [this, url] { view_->load(url); }, Qt::QueuedConnection);
            });

    connect(page, &QWebEnginePage::renderProcessTerminated, this,
            &WebEngineBrowser::showDeadPageNotice);
    connect(page, &QWebEnginePage::loadStarted, this, &WebEngineBrowser::hideDeadPageNotice);
    connect(page, &QWebEnginePage::authenticationRequired, this,
            [this](const QUrl& url, QAuthenticator* authenticator) {
                askToSignIn(SignInDialog::Asker::Site, hostOf(url),
                            url.scheme() == QStringLiteral("http"), authenticator, this);
            });
    connect(page, &QWebEnginePage::proxyAuthenticationRequired, this,
            [this](const QUrl&, QAuthenticator* authenticator, const QString& proxyHost) {
                askToSignIn(SignInDialog::Asker::Proxy, proxyHost, false, authenticator, this);
            });
    denyPermissionRequests(page);
}

// The last picture of a dead page would look alive while clicks on it do nothing: the notice
// takes its place. The page keeps its address, title and history, so Refresh reloads the page
// that died. The renderer of a closing program ends normally and shows nothing. Whoever was in
// the page is taken to the notice, so a screen reader reads it, and back to the page after.
void WebEngineBrowser::showDeadPageNotice(QWebEnginePage::RenderProcessTerminationStatus status) {
    if (status == QWebEnginePage::NormalTerminationStatus) return;
    const bool inPage = view_->isAncestorOf(QApplication::focusWidget());
    view_->hide();
    deadPageNotice_->show();
    if (inPage) deadPageNotice_->setFocus();
}

void WebEngineBrowser::hideDeadPageNotice() {
    const bool onNotice = deadPageNotice_->hasFocus();
    deadPageNotice_->hide();
    view_->show();
    if (onNotice) view_->setFocus();
}

// Shown above the page until the next download or the next navigation the user asks for.
void WebEngineBrowser::showDownloadNotice(const QString& text) {
    downloadNotice_->setText(text);
    downloadNotice_->show();
}

// Chromium draws each page into a widget of its own, made when a page first shows and again
// for each new renderer, and Qt adds every new widget to the window's focus chain at its end,
// wherever that is: there it would be a Tab stop between two other controls. It takes the focus
// by a click or from the pane, never by Tab, so the pane stays the page's only stop.
bool WebEngineBrowser::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_.get() && event->type() == QEvent::ChildPolished) {
        QObject* child = static_cast<QChildEvent*>(event)->child();
        auto* widget = child->isWidgetType() ? static_cast<QWidget*>(child) : nullptr;
        if (widget && !widget->isWindow() && (widget->focusPolicy() & Qt::TabFocus))
            widget->setFocusPolicy(Qt::ClickFocus);
    }
    return QWidget::eventFilter(watched, event);
}

// Chromium hands back each key the page did not use, and the view passes it on to this pane. A
// Tab among them must not move the focus as in any other widget: the page is left through
// focusNextPrevChild once Chromium has passed its last link or field, while a Tab handed back is
// one Chromium dropped, as it can just after the page took the focus, and leaving on it would
// skip the page's remaining stops.
bool WebEngineBrowser::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress && view_ &&
        view_->isAncestorOf(QApplication::focusWidget())) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) &&
            !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            event->accept();
            return true;
        }
    }
    return QWidget::event(event);
}

void WebEngineBrowser::focusInEvent(QFocusEvent* event) {
    if (view_) view_->setFocus(event->reason());
}

// Chromium hands the focus back here at the page's first or last link or field. Its widgets
// sit wherever Qt put them in the focus chain: leaving the page is aimed past them, at the
// control next to the pane itself.
bool WebEngineBrowser::focusNextPrevChild(bool next) {
    for (QWidget* target = next ? nextInFocusChain() : previousInFocusChain(); target != this;
         target = next ? target->nextInFocusChain() : target->previousInFocusChain()) {
        if (!isAncestorOf(target) && target->isVisible() && target->isEnabled() &&
            (target->focusPolicy() & Qt::TabFocus)) {
            target->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return false;
}

void WebEngineBrowser::raiseNavigateComplete2() {
    if (navigateComplete2_) navigateComplete2_();
}

void WebEngineBrowser::raiseUnlessLoading() {
    if (!loadRunning_) raiseNavigateComplete2();
}

Outcome WebEngineBrowser::Navigate(const std::string& address) {
    const QUrl url = loadableUrlFromUserInput(QString::fromStdString(address));
    if (url.isEmpty()) return Outcome::Refused;
    downloadNotice_->hide();
    if (view_)
        view_->load(url);
    else
        pendingUrl_ = url;
    return Outcome::Accepted;
}

Outcome WebEngineBrowser::GoBack() {
    if (!view_ || !view_->history()->canGoBack()) return Outcome::Refused;
    downloadNotice_->hide();
    view_->back();
    return Outcome::Accepted;
}

Outcome WebEngineBrowser::GoForward() {
    if (!view_ || !view_->history()->canGoForward()) return Outcome::Refused;
    downloadNotice_->hide();
    view_->forward();
    return Outcome::Accepted;
}

Outcome WebEngineBrowser::Refresh() {
    if (!view_ || view_->url().isEmpty()) return Outcome::Refused;
    view_->reload();
    return Outcome::Accepted;
}

Outcome WebEngineBrowser::Stop() {
    pendingUrl_.clear();
    if (view_) view_->stop();
    return Outcome::Accepted;
}

std::string WebEngineBrowser::LocationName() const {
    return view_ ? view_->title().toStdString() : std::string();
}

std::string WebEngineBrowser::LocationURL() const {
    return view_ ? view_->url().toString().toStdString() : std::string();
}

void WebEngineBrowser::onNavigateComplete2(std::function<void()> handler) {
    navigateComplete2_ = std::move(handler);
}

}  // namespace platform
