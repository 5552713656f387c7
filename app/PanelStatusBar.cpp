#include "PanelStatusBar.h"

#include <algorithm>

#include "MainLayout.h"
#include "Twips.h"

namespace {

// A panel that asks for its designed width, or more when its text needs it (a long date in
// some languages), but may be squeezed: the window has no minimum size.
class PanelLabel : public QLabel {
  public:
    PanelLabel(int width, QWidget* parent) : QLabel(parent), width_(width) {
        setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    }
    QSize sizeHint() const override {
        const QSize text = QLabel::sizeHint();
        return {std::max(width_, text.width()), text.height()};
    }
    QSize minimumSizeHint() const override { return {0, QLabel::minimumSizeHint().height()}; }

  private:
    int width_;
};

}  // namespace

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
        addWidget(label);
        panels_[i] = label;
    }
}

void PanelStatusBar::setPanelText(int panel, const QString& text) {
    panels_.at(static_cast<std::size_t>(panel - 1))->setText(text);
}

QString PanelStatusBar::panelText(int panel) const {
    return panels_.at(static_cast<std::size_t>(panel - 1))->text();
}
