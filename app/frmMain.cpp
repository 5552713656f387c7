// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "frmMain.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>
#include <utility>
#include <vector>

#include "ActiveControl.h"
#include "AltLetterGuard.h"
#include "BrowserCommands.h"
#include "CachedPanelStyle.h"
#include "ClockCheckServer.h"
#include "ClockCorrection.h"
#include "ClockPair.h"
#include "ClockTick.h"
#include "Countdown.h"
#include "EditMenu.h"
#include "IndicatorShape.h"
#include "LastSecondsSound.h"
#include "MainLayout.h"
#include "MainModule.h"
#include "NavigationFeedback.h"
#include "OptionsMenu.h"
#include "PacificClock.h"
#include "PanelStatusBar.h"
#include "ShownTexts.h"
#include "SystemLocalClock.h"
#include "SystemRegionalSettings.h"
#include "TextFit.h"
#include "TimeZoneCapture.h"
#include "Twips.h"
#include "UnfocusedTextFit.h"
#include "WebEngineBrowser.h"
#include "frmAbout.h"

using countdown::TimeBox;
using main_layout::Kind;
using main_layout::Shows;

namespace {

QFont fontFor(main_layout::Font font, const QFont& base) {
    if (font == main_layout::Font::Default) return base;
    QFont result = base;
    // The designed face first, then faces of similar width where it is missing.
    result.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                        QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                        QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")});
    result.setPointSizeF(font == main_layout::Font::LargeBold ? 18 : 8.25);
    result.setBold(true);
    return result;
}

// An end text or countdown text too wide for its box shrinks no further than this.
constexpr double kSmallestTextPointSize = 10.0;

QRect designedRect(const main_layout::Control& control) {
    return twipsRect(control.left, control.top, control.width, control.height);
}

// Where the font on hand is wider than the designed face, the control grows to the right into
// free space, or its font shrinks, until the widest text it shows fits.
// `designed` holds every control's designed rectangle, the free space the control may grow into.
// The end-time box only widens: a text that is wider still shrinks the font while the box has
// no focus, and the times that fit keep the designed size.
void fitShownTexts(const main_layout::Control& control, QWidget& widget,
                   const std::vector<QRect>& designed) {
    const QStringList texts = shown_texts::shownBy(control, widget.fontMetrics());
    if (texts.isEmpty()) return;
    const int rightLimit = text_fit::rightLimit(designedRect(control), designed,
                                                twipsToPixels(main_layout::kClientWidth));
    if (control.shows == Shows::EndTime)
        text_fit::widen(widget, texts, rightLimit);
    else
        text_fit::fit(widget, texts, rightLimit);
}

// A picture button's picture fills a square this many pixels inside the button's frame on every
// side; each picture is drawn out to the edges of that square across its longer side.
constexpr int kPictureMargin = 3;

void fitPicture(QPushButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    const QRect inside =
        button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
    const int side = std::min(inside.width(), inside.height()) - 2 * kPictureMargin;
    button.setIconSize(QSize(side, side));
}

QWidget* createControl(const main_layout::Control& control, QWidget* parent) {
    switch (control.kind) {
        case Kind::TextBox:
        case Kind::DisplayBox: {
            auto* box = new QLineEdit(parent);
            box->setReadOnly(control.kind == Kind::DisplayBox);
            if (control.font != main_layout::Font::Default) box->setAlignment(Qt::AlignCenter);
            return box;
        }
        case Kind::PushButton:
            return new QPushButton(QString::fromUtf8(control.caption), parent);
        case Kind::PictureButton: {
            auto* button = new QPushButton(parent);
            button->setIcon(QIcon(QString::fromUtf8(control.picture)));
            return button;
        }
        case Kind::Label:
            return new QLabel(QString::fromUtf8(control.caption), parent);
        case Kind::Shape:
            return new IndicatorShape(parent);
        case Kind::WebBrowser:
            return new platform::WebEngineBrowser(parent);
    }
    return nullptr;
}

}  // namespace

frmMain::frmMain(std::unique_ptr<countdown::LocalClock> clock, QWidget* parent)
    : QMainWindow(parent),
      clock_(std::move(clock)),
      regional_(platform::systemRegionalSettings()),
      Timer1(this) {
    setObjectName("frmMain");
    // Found by its name like every other control.
    Timer1.setObjectName("Timer1");
    setWindowTitle(QStringLiteral("Ticklot"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/clock.svg")));
    createMenus();
    createControls();
    StatusBar1 = new PanelStatusBar(this);
    setStatusBar(StatusBar1);
    StatusBar1->reserveWidth(
        2, shown_texts::longDatesOfYear(*clock_, countdown::toCivil(clock_->now()).year));
    activeControl_ = new ActiveControl(*this);
    connectBrowserPane();
    resize(twipsToPixels(main_layout::kClientWidth),
           menuBar()->sizeHint().height() + twipsToPixels(main_layout::kClientHeight));
    connect(&Timer1, &platform::TickSource::tick, this, &frmMain::Timer1_Timer);
    // A child of the Options menu: it sounds the last seconds while the menu's item is checked.
    new LastSecondsSound(*options_, Timer1, *txtTimer);
}

frmMain::frmMain() : frmMain(std::make_unique<platform::SystemLocalClock>()) {}

frmMain::~frmMain() = default;

void frmMain::createControls() {
    auto* client = new QWidget(this);
    client->setObjectName("client");
    setCentralWidget(client);
    // The time boxes are painted every second; made after the client, the style outlives them.
    auto* timeBoxStyle = new CachedPanelStyle;
    timeBoxStyle->setParent(this);

    std::vector<QRect> designed;
    for (const main_layout::Control& control : main_layout::controls())
        designed.push_back(designedRect(control));
    std::vector<std::pair<int, QWidget*>> tabOrder;
    for (const main_layout::Control& control : main_layout::controls()) {
        QWidget* widget = createControl(control, client);
        widget->setObjectName(QString::fromUtf8(control.name));
        const bool timeBox = control.shows == Shows::TimeOfDay || control.shows == Shows::EndTime ||
                             control.shows == Shows::Countdown;
        if (timeBox) widget->setStyle(timeBoxStyle);
        widget->setGeometry(designedRect(control));
        if (control.kind == Kind::PictureButton) fitPicture(*static_cast<QPushButton*>(widget));
        widget->setFont(fontFor(control.font, widget->font()));
        fitShownTexts(control, *widget, designed);
        if (control.shows == Shows::EndTime || control.shows == Shows::Countdown)
            UnfocusedTextFit::attach(*static_cast<QLineEdit*>(widget), kSmallestTextPointSize);
        if (control.toolTip) {
            widget->setToolTip(QString::fromUtf8(control.toolTip));
            widget->setAccessibleName(QString::fromUtf8(control.toolTip));
        }
        if (control.accessibleName)
            widget->setAccessibleName(QString::fromUtf8(control.accessibleName));
        if (control.tabIndex >= 0 && widget->focusPolicy() != Qt::NoFocus)
            tabOrder.emplace_back(control.tabIndex, widget);
    }
    std::sort(tabOrder.begin(), tabOrder.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);

    Label1 = client->findChild<QLabel*>("Label1");
    txtebaytime = client->findChild<QLineEdit*>("txtebaytime");
    txtauctionend = client->findChild<QLineEdit*>("txtauctionend");
    txtTimer = client->findChild<QLineEdit*>("txtTimer");
    txtAddress = client->findChild<QLineEdit*>("txtAddress");
    Shape1 = client->findChild<IndicatorShape*>("Shape1");
    connect(client->findChild<QPushButton*>("cmdStart"), &QPushButton::clicked, this,
            &frmMain::cmdStart_Click);
    connect(client->findChild<QPushButton*>("cmdEnd"), &QPushButton::clicked, this,
            &frmMain::cmdEnd_Click);
    WebBrowser1 = client->findChild<platform::WebEngineBrowser*>("WebBrowser1");
    for (QLineEdit* box : client->findChildren<QLineEdit*>()) AltLetterGuard::guard(*box);
    // Nothing runs until the first tick, which hides the indicator while no countdown runs.
    Shape1->hide();
}

void frmMain::createMenus() {
    auto addItem = [](QMenu* menu, const char* name, const QString& caption) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QString::fromUtf8(name));
        return action;
    };

    mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName("mnuFile");
    mnuExit = addItem(mnuFile, "mnuExit", QStringLiteral("E&xit"));
    mnuExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    // Ctrl+Q ends the program from every one of its windows, the About and Clock Check windows
    // included.
    mnuExit->setShortcutContext(Qt::ApplicationShortcut);
    connect(mnuExit, &QAction::triggered, this, &frmMain::mnuExit_Click);

    mnuBarEdit = menuBar()->addMenu(QStringLiteral("&Edit"));
    mnuBarEdit->setObjectName("mnuBarEdit");
    const std::array editCaptions{QStringLiteral("Cu&t"), QStringLiteral("&Copy"),
                                  QStringLiteral("&Paste")};
    for (std::size_t i = 0; i < mnuEdit.size(); ++i) {
        mnuEdit[i] = addItem(mnuBarEdit, "mnuEdit", editCaptions[i]);
        mnuEdit[i]->setData(static_cast<int>(i));
        connect(mnuEdit[i], &QAction::triggered, this,
                [this, i] { mnuEdit_Click(static_cast<int>(i)); });
    }
    connect(mnuBarEdit, &QMenu::aboutToShow, this, &frmMain::mnuBarEdit_Click);

    mnuTools = menuBar()->addMenu(QStringLiteral("&Browse"));
    mnuTools->setObjectName("mnuTools");
    mnuHome = addItem(mnuTools, "mnuHome", QStringLiteral("Home"));
    mnuBack = addItem(mnuTools, "mnuBack", QStringLiteral("Back"));
    mnuForward = addItem(mnuTools, "mnuForward", QStringLiteral("Forward"));
    mnuRefresh = addItem(mnuTools, "mnuRefresh", QStringLiteral("Refresh"));
    MnuEbay = addItem(mnuTools, "MnuEbay", QStringLiteral("Ebay Time"));
    mnuCheckClock = addItem(mnuTools, "mnuCheckClock", QStringLiteral("&Check Clock..."));
    connect(mnuCheckClock, &QAction::triggered, this, &frmMain::mnuCheckClock_Click);

    options_ = new OptionsMenu(*menuBar(), this);

    mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName("mnuHelp");
    mnuContents = addItem(mnuHelp, "mnuContents", QStringLiteral("Contents"));
    mnuContents->setShortcut(QKeySequence(Qt::Key_F1));
    mnuHelp->addSeparator()->setObjectName("mnuSep");
    mnuAbout = addItem(mnuHelp, "mnuAbout", QStringLiteral("About"));
    connect(mnuAbout, &QAction::triggered, this, &frmMain::mnuAbout_Click);

    // The address bar's keys of every browser; they have no menu item.
    auto* addressKeys = new QAction(this);
    addressKeys->setObjectName("addressKeys");
    addressKeys->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_L),
                               QKeySequence(Qt::ALT | Qt::Key_D), QKeySequence(Qt::Key_F6)});
    addAction(addressKeys);
    connect(addressKeys, &QAction::triggered, this, &frmMain::txtAddress_Select);
}

// Each browser command and the browser's completion event go to their one handler. Enter in the
// address bar is routed nowhere, and no button is a default button: only Go navigates.
void frmMain::connectBrowserPane() {
    browserCommands_ = std::make_unique<browser::BrowserCommands>(*WebBrowser1, *this);
    navigationFeedback_ = std::make_unique<browser::NavigationFeedback>(*WebBrowser1, *this);
    WebBrowser1->onNavigateComplete2(
        [this] { navigationFeedback_->WebBrowser1_NavigateComplete2(); });

    using Commands = browser::BrowserCommands;
    const std::pair<const char*, void (Commands::*)()> buttons[] = {
        {"cmdHome", &Commands::cmdHome_Click},       {"cmdBack", &Commands::cmdBack_Click},
        {"cmdForward", &Commands::cmdForward_Click}, {"cmdRefresh", &Commands::cmdRefresh_Click},
        {"cmdStop", &Commands::cmdStop_Click},       {"cmdTime", &Commands::cmdTime_Click},
        {"cmdGo", &Commands::cmdGo_Click},
    };
    for (const auto& [name, handler] : buttons) {
        auto* button = centralWidget()->findChild<QPushButton*>(QString::fromUtf8(name));
        connect(button, &QPushButton::clicked, this,
                [this, handler = handler] { (browserCommands_.get()->*handler)(); });
    }
    const std::pair<QAction*, void (Commands::*)()> items[] = {
        {mnuHome, &Commands::mnuHome_Click},       {mnuBack, &Commands::mnuBack_Click},
        {mnuForward, &Commands::mnuForward_Click}, {mnuRefresh, &Commands::mnuRefresh_Click},
        {MnuEbay, &Commands::MnuEbay_Click},       {mnuContents, &Commands::mnuContents_Click},
    };
    for (const auto& [item, handler] : items)
        connect(item, &QAction::triggered, this,
                [this, handler = handler] { (browserCommands_.get()->*handler)(); });
}

void frmMain::start() {
    Form_Load();
    show();
    Timer1.start();
    // Chromium takes a tenth of a second or more to start, on this thread: it starts once the
    // first tick has shown the clock, and then loads the page Form_Load asked for.
    connect(&Timer1, &platform::TickSource::tick, WebBrowser1,
            &platform::WebEngineBrowser::startEngine,
            static_cast<Qt::ConnectionType>(Qt::QueuedConnection | Qt::SingleShotConnection));
}

void frmMain::Form_Load() {
    platform::GetTimeZoneInformation(&MainModule::TZInfo);
    browserCommands_->startUpNavigation();
}

// While the clock is corrected, the clock box's note tells the correction's age in minutes: a
// comparison on each tick finds the tick on which it changes.
void frmMain::Timer1_Timer() {
    countdown::runTick(*this, *clock_, regional_);
    if (correctionNote_ && correctionNote_->due(platform::stepFreeNow())) showCorrectionNote();
}

void frmMain::mnuAbout_Click() {
    // One dialog at a time and without a parent, so that it stays open when the main window is
    // closed first; it discards itself when closed and the next About loads it afresh.
    if (!about_) about_ = new frmAbout();
    about_->show();
    about_->raise();
    about_->activateWindow();
}

// One window, made on first use: the command brings it to the front and measures again.
void frmMain::mnuCheckClock_Click() {
    if (!clockCheck_) {
        frmClockCheck::Hooks hooks{
            [this] {
                return clockCheckServer(QUrl(QString::fromStdString(WebBrowser1->LocationURL())),
                                        WebBrowser1->pageFailed());
            },
            [this] { return txtebaytime->text(); },
            [this] {
                return countdown::clockUtcOffsetMinutes(MainModule::TZInfo.Bias,
                                                        clock_->read().utcOffsetMinutes);
            },
            [this](const std::optional<frmClockCheck::Measurement>& measured) {
                correctClock(measured);
            }};
        clockCheck_ = new frmClockCheck(std::move(hooks), this);
    }
    clockCheck_->show();
    clockCheck_->raise();
    clockCheck_->activateWindow();
    clockCheck_->measure();
}

// Every reading of the clock follows the correction from the next tick on, which comes at once
// and phases the ticks to the corrected clock's tenths of a second. The caption says that the
// clock is corrected; the box's tooltip and description say by what and how long ago.
void frmMain::correctClock(const std::optional<frmClockCheck::Measurement>& measured) {
    if (measured) {
        platform::clockCorrection().correct(
            platform::siteAheadOfStepFree(measured->offset.offset, measured->offset.measuredAt));
        correctionNote_.emplace(measured->correction.toStdString(),
                                measured->offset.measuredAt.stepFree);
    } else {
        platform::clockCorrection().clear();
        correctionNote_.reset();
    }
    Label1->setText(measured ? QString::fromUtf8(main_layout::kCorrectedClockCaption)
                             : QString::fromUtf8(main_layout::kClockCaption));
    showCorrectionNote();
    if (Timer1.isActive()) Timer1.start();
}

void frmMain::showCorrectionNote() {
    const QString note = correctionNote_
                             ? QString::fromStdString(correctionNote_->at(platform::stepFreeNow()))
                             : QString();
    txtebaytime->setToolTip(note);
    txtebaytime->setAccessibleDescription(note);
}

void frmMain::mnuExit_Click() { QCoreApplication::exit(0); }

// The focus goes to the address bar with its whole text selected, ready to be typed over.
void frmMain::txtAddress_Select() {
    txtAddress->setFocus(Qt::ShortcutFocusReason);
    txtAddress->selectAll();
}

void frmMain::cmdStart_Click() {
    countdown::startCountdown(*this, countdown::conversionAt(clock_->read(), regional_));
}

void frmMain::cmdEnd_Click() { countdown::stopCountdown(*this); }

void frmMain::mnuBarEdit_Click() {
    const edit_menu::ItemsEnabled enabled =
        edit_menu::enabledItems(activeControl_->widget(), clipboard_);
    mnuEdit[edit_menu::Cut]->setEnabled(enabled.cut);
    mnuEdit[edit_menu::Copy]->setEnabled(enabled.copy);
    mnuEdit[edit_menu::Paste]->setEnabled(enabled.paste);
}

void frmMain::mnuEdit_Click(int index) {
    edit_menu::runItem(index, activeControl_->widget(), clipboard_);
}

QLineEdit* frmMain::timeBox(TimeBox box) const {
    switch (box) {
        case TimeBox::EbayTime:
            return txtebaytime;
        case TimeBox::AuctionEnd:
            return txtauctionend;
        case TimeBox::Timer:
            return txtTimer;
    }
    return nullptr;
}

std::string frmMain::text(TimeBox box) const { return timeBox(box)->text().toStdString(); }

// The tick writes every box on every tick, though its text changes at most once a second.
// Writing the text a box already shows would only lay it out and paint it again, so such a
// write is left out; a box whose text did change is painted at the next repaintNow().
void frmMain::setText(TimeBox box, const std::string& text) {
    QLineEdit* edit = timeBox(box);
    const QString newText = QString::fromStdString(text);
    if (edit->text() == newText) return;
    edit->setText(newText);
    textUnpainted_[static_cast<std::size_t>(box)] = true;
}

// A synchronous paint flushes the window at once, which costs far more than the paint itself:
// it is done only for a box whose text has changed since.
void frmMain::repaintNow(TimeBox box) {
    if (std::exchange(textUnpainted_[static_cast<std::size_t>(box)], false))
        timeBox(box)->repaint();
}

void frmMain::setIndicatorVisible(bool visible) { Shape1->setVisible(visible); }

void frmMain::setIndicatorColour(countdown::Colour colour) { Shape1->setBackColor(colour); }

void frmMain::focusBox(TimeBox box) { timeBox(box)->setFocus(Qt::OtherFocusReason); }

// Modal: the timer keeps ticking in the message box's own event loop.
void frmMain::showCriticalMessage(const std::string& text, const std::string& title) {
    QMessageBox message(QMessageBox::Critical, QString::fromStdString(title),
                        QString::fromStdString(text), QMessageBox::Ok, this);
    message.exec();
}

void frmMain::setStatusPanelText(int panel, const std::string& text) {
    StatusBar1->setPanelText(panel, QString::fromStdString(text));
}

std::string frmMain::addressText() const { return txtAddress->text().toStdString(); }

void frmMain::setAddressText(const std::string& text) {
    txtAddress->setText(QString::fromStdString(text));
}

void frmMain::repaintAddress() { txtAddress->repaint(); }
