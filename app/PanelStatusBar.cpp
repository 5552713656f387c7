#include "PanelStatusBar.h"

#include <QEvent>
#include <algorithm>

#include "MainLayout.h"
#include "TextFit.h"
#include "Twips.h"

namespace {

// The panels sit where QStatusBar would put them across, but take the bar's height below a
// one-pixel edge: QStatusBar's own layout keeps five of the designed 17 pixels for itself, which
// leaves too little for a line of the default font inside a panel's frame.
constexpr int kLeftEdge = 2;
constexpr int kSpacing = 6;
constexpr int kTopEdge = 1;

}  // namespace

// A panel of its designed width, or wider when the texts it shows need it (a long date in some
// languages).
class PanelStatusBar::PanelLabel : public QLabel {
  public:
    PanelLabel(int width, QWidget* parent) : QLabel(parent), width_(width) {}

    void reserveWidth(const QStringList& texts) {
        const QFontMetrics metrics = fontMetrics();
        for (const QString& text : texts)
            if (metrics.horizontalAdvance(text) > metrics.horizontalAdvance(widest_))
                widest_ = text;
        updateGeometry();
    }

    int preferredWidth() const {
        if (text().isEmpty()) return width_;
        return std::max(width_, text_fit::neededWidth(*this, {widest_, text()}));
    }

  private:
    int width_;
    QString widest_;
};

PanelStatusBar::PanelStatusBar(QWidget* parent) : QStatusBar(parent) {
    setObjectName("StatusBar1");
    setFixedHeight(twipsToPixels(main_layout::kStatusBarHeight));
    setSizeGripEnabled(false);
    const std::array widths{main_layout::kStatusPanel1Width, main_layout::kStatusPanel2Width};
    for (int i = 0; i < 2; ++i) {
        auto* label = new PanelLabel(twipsToPixels(widths[i]), this);
        label->setObjectName(QStringLiteral("StatusBar1Panel%1").arg(i + 1));
        label->setFrameShape(QFrame::StyledPanel);
        label->setFrameShadow(QFrame::Sunken);
        // The text itself is what screen readers read; a name would hide it.
        label->setAccessibleDescription(QStringLiteral("Status panel %1").arg(i + 1));
        // A default font too tall for the panel is drawn at the largest size that fits.
        label->resize(label->preferredWidth(), height() - kTopEdge);
        text_fit::fit(*label, {QStringLiteral("Ay")}, 0);
        panels_[i] = label;
    }
}

void PanelStatusBar::reserveWidth(int panel, const QStringList& texts) {
    panels_.at(static_cast<std::size_t>(panel - 1))->reserveWidth(texts);
    placePanels();
}

void PanelStatusBar::setPanelText(int panel, const QString& text) {
    panels_.at(static_cast<std::size_t>(panel - 1))->setText(text);
}

QString PanelStatusBar::panelText(int panel) const {
    return panels_.at(static_cast<std::size_t>(panel - 1))->text();
}

bool PanelStatusBar::event(QEvent* event) {
    if (event->type() == QEvent::LayoutRequest) placePanels();
    return QStatusBar::event(event);
}

void PanelStatusBar::resizeEvent(QResizeEvent* event) {
    QStatusBar::resizeEvent(event);
    placePanels();
}

// Left to right at their preferred widths; a window narrower than the panels cuts them off.
void PanelStatusBar::placePanels() {
    int left = kLeftEdge;
    for (PanelLabel* panel : panels_) {
        const int width = std::clamp(panel->preferredWidth(), 0, std::max(0, this->width() - left));
        panel->setGeometry(left, kTopEdge, width, height() - kTopEdge);
        left += width + kSpacing;
    }
}
