#include "frmMain.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <algorithm>
#include <vector>

#include "ClockTick.h"
#include "IndicatorShape.h"
#include "MainLayout.h"
#include "MainModule.h"
#include "PanelStatusBar.h"
#include "SystemLocalClock.h"
#include "TimeZoneCapture.h"
#include "Twips.h"
#include "frmAbout.h"

using countdown::TimeBox;
using main_layout::Kind;

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
            button->setIconSize(QSize(32, 32));
            return button;
        }
        case Kind::Label:
            return new QLabel(QString::fromUtf8(control.caption), parent);
        case Kind::Shape:
            return new IndicatorShape(parent);
    }
    return nullptr;
}

}  // namespace

frmMain::frmMain(std::unique_ptr<countdown::LocalClock> clock, QWidget* parent)
    : QMainWindow(parent), clock_(std::move(clock)) {
    setObjectName("frmMain");
    setWindowTitle(QStringLiteral("Ticklot"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/clock.svg")));
    createMenus();
    createControls();
    StatusBar1 = new PanelStatusBar(this);
    setStatusBar(StatusBar1);
    resize(twipsToPixels(main_layout::kClientWidth),
           menuBar()->sizeHint().height() + twipsToPixels(main_layout::kClientHeight));
    connect(&Timer1, &platform::TickSource::tick, this, &frmMain::Timer1_Timer);
}

frmMain::frmMain() : frmMain(std::make_unique<platform::SystemLocalClock>()) {}

frmMain::~frmMain() = default;

void frmMain::createControls() {
    auto* client = new QWidget(this);
    client->setObjectName("client");
    setCentralWidget(client);

    std::vector<std::pair<int, QWidget*>> tabOrder;
    for (const main_layout::Control& control : main_layout::controls()) {
        QWidget* widget = createControl(control, client);
        widget->setObjectName(QString::fromUtf8(control.name));
        widget->setGeometry(twipsRect(control.left, control.top, control.width, control.height));
        widget->setFont(fontFor(control.font, widget->font()));
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

    txtebaytime = client->findChild<QLineEdit*>("txtebaytime");
    txtauctionend = client->findChild<QLineEdit*>("txtauctionend");
    txtTimer = client->findChild<QLineEdit*>("txtTimer");
    txtAddress = client->findChild<QLineEdit*>("txtAddress");
    Shape1 = client->findChild<IndicatorShape*>("Shape1");
    // Nothing runs until the first tick, which hides the indicator while no countdown runs.
    Shape1->hide();
}

void frmMain::createMenus() {
    auto addItem = [this](QMenu* menu, const char* name, const QString& caption) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QString::fromUtf8(name));
        return action;
    };

    mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName("mnuFile");
    mnuExit = addItem(mnuFile, "mnuExit", QStringLiteral("E&xit"));
    mnuExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(mnuExit, &QAction::triggered, this, &frmMain::mnuExit_Click);

    mnuBarEdit = menuBar()->addMenu(QStringLiteral("&Edit"));
    mnuBarEdit->setObjectName("mnuBarEdit");
    const std::array editCaptions{QStringLiteral("Cu&t"), QStringLiteral("&Copy"),
                                  QStringLiteral("&Paste")};
    for (std::size_t i = 0; i < mnuEdit.size(); ++i) {
        mnuEdit[i] = addItem(mnuBarEdit, "mnuEdit", editCaptions[i]);
        mnuEdit[i]->setData(static_cast<int>(i));
    }

    mnuTools = menuBar()->addMenu(QStringLiteral("&Browse"));
    mnuTools->setObjectName("mnuTools");
    mnuHome = addItem(mnuTools, "mnuHome", QStringLiteral("Home"));
    mnuBack = addItem(mnuTools, "mnuBack", QStringLiteral("Back"));
    mnuForward = addItem(mnuTools, "mnuForward", QStringLiteral("Forward"));
    mnuRefresh = addItem(mnuTools, "mnuRefresh", QStringLiteral("Refresh"));
    MnuEbay = addItem(mnuTools, "MnuEbay", QStringLiteral("Ebay Time"));

    mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName("mnuHelp");
    mnuContents = addItem(mnuHelp, "mnuContents", QStringLiteral("Contents"));
    mnuContents->setShortcut(QKeySequence(Qt::Key_F1));
    mnuHelp->addSeparator()->setObjectName("mnuSep");
    mnuAbout = addItem(mnuHelp, "mnuAbout", QStringLiteral("About"));
    connect(mnuAbout, &QAction::triggered, this, &frmMain::mnuAbout_Click);
}

void frmMain::start() {
    Form_Load();
    show();
    Timer1.start();
}

void frmMain::Form_Load() { platform::GetTimeZoneInformation(&MainModule::TZInfo); }

void frmMain::Timer1_Timer() { countdown::runTick(*this, *clock_); }

void frmMain::mnuAbout_Click() {
    // One dialog at a time and without a parent, so that it stays open when the main window is
    // closed first; it discards itself when closed and the next About loads it afresh.
    if (!about_) about_ = new frmAbout();
    about_->show();
    about_->raise();
    about_->activateWindow();
}

void frmMain::mnuExit_Click() { QCoreApplication::exit(0); }

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

void frmMain::setText(TimeBox box, const std::string& text) {
    timeBox(box)->setText(QString::fromStdString(text));
}

void frmMain::repaintNow(TimeBox box) { timeBox(box)->repaint(); }

void frmMain::setIndicatorVisible(bool visible) { Shape1->setVisible(visible); }

void frmMain::setStatusPanelText(int panel, const std::string& text) {
    StatusBar1->setPanelText(panel, QString::fromStdString(text));
}
