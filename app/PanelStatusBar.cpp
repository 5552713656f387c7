// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "PanelStatusBar.h"

#include <QEvent>
#include <QTextBoundaryFinder>
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

const QString kEllipsis = QStringLiteral("...");

// The longest start of `text` that fits `width` with "..." after it, cut between characters as
// the reader sees them; a page's title may be very long, so the cut is found by halving.
QString elided(const QString& text, const QFontMetrics& metrics, int width) {
    if (metrics.horizontalAdvance(text) <= width) return text;
    QList<qsizetype> cuts;
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
    for (qsizetype cut = graphemes.toNextBoundary(); cut > 0 && cut < text.size();
         cut = graphemes.toNextBoundary())
        cuts.append(cut);
    const auto shown = [&](qsizetype cut) { return text.left(cut).trimmed() + kEllipsis; };
    const auto tooWide = [&](qsizetype cut) {
        return metrics.horizontalAdvance(shown(cut)) > width;
    };
    const auto fitting = std::partition_point(cuts.begin(), cuts.end(),
                                              [&](qsizetype cut) { return !tooWide(cut); });
    return fitting == cuts.begin() ? kEllipsis : shown(*(fitting - 1));
}

}  // namespace

// A panel of its designed width, or wider when the texts it shows need it (a long date in some
// languages). An eliding panel keeps its width instead and cuts a longer text short with "...",
// offering the whole text as its tooltip and to screen readers.
class PanelStatusBar::PanelLabel : public QLabel {
  public:
    PanelLabel(int number, int width, bool elides, QWidget* parent)
        : QLabel(parent),
          width_(width),
          elides_(elides),
          description_(QStringLiteral("Status panel %1").arg(number)) {
        setTextFormat(Qt::PlainText);
        // The text itself is what screen readers read; a name would hide it.
        setAccessibleDescription(description_);
    }

    void setWholeText(const QString& text) {
        if (text == whole_) return;
        whole_ = text;
        showWholeOrElided();
    }
    const QString& wholeText() const { return whole_; }

    void reserveWidth(const QStringList& texts) {
        const QFontMetrics metrics = fontMetrics();
        for (const QString& text : texts)
            if (metrics.horizontalAdvance(text) > metrics.horizontalAdvance(widest_))
                widest_ = text;
        updateGeometry();
    }

    int preferredWidth() const {
        if (elides_ || whole_.isEmpty()) return width_;
        return std::max(width_, text_fit::neededWidth(*this, {widest_, whole_}));
    }

  protected:
    void resizeEvent(QResizeEvent* event) override {
        QLabel::resizeEvent(event);
        showWholeOrElided();
    }

  private:
    void showWholeOrElided() {
        const QString shown =
            elides_ ? elided(whole_, fontMetrics(), width() - text_fit::padding(*this).width())
                    : whole_;
        setText(shown);
        if (!elides_) return;
        const bool cut = shown != whole_;
        setToolTip(cut ? whole_ : QString());
        setAccessibleDescription(cut ? whole_ : description_);
    }

    int width_;
    bool elides_;
    QString description_;
    QString whole_;
    QString widest_;
};

PanelStatusBar::PanelStatusBar(QWidget* parent) : QStatusBar(parent) {
    setObjectName("StatusBar1");
    setFixedHeight(twipsToPixels(main_layout::kStatusBarHeight));
    setSizeGripEnabled(false);
    const std::array widths{main_layout::kStatusPanel1Width, main_layout::kStatusPanel2Width};
    for (int i = 0; i < 2; ++i) {
        // The page title elides; the date shows whole.
        auto* label = new PanelLabel(i + 1, twipsToPixels(widths[i]), i == 0, this);
        label->setObjectName(QStringLiteral("StatusBar1Panel%1").arg(i + 1));
        label->setFrameShape(QFrame::StyledPanel);
        label->setFrameShadow(QFrame::Sunken);
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
    panels_.at(static_cast<std::size_t>(panel - 1))->setWholeText(text);
}

QString PanelStatusBar::panelText(int panel) const {
    return panels_.at(static_cast<std::size_t>(panel - 1))->wholeText();
}

bool PanelStatusBar::event(QEvent* event) {
    if (event->type() == QEvent::LayoutRequest) placePanels();
    return QStatusBar::event(event);
}

void PanelStatusBar::resizeEvent(QResizeEvent* event) {
    QStatusBar::resizeEvent(event);
    placePanels();
}

// Left to right at their preferred widths. In a window narrower than both, the title's panel
// gives up width so that the date stays whole; narrower still, the date is cut off.
void PanelStatusBar::placePanels() {
    const int dateWidth = panels_[1]->preferredWidth();
    const int titleWidth =
        std::clamp(width() - kLeftEdge - kSpacing - dateWidth, 0, panels_[0]->preferredWidth());
    panels_[0]->setGeometry(kLeftEdge, kTopEdge, titleWidth, height() - kTopEdge);
    const int dateLeft = kLeftEdge + titleWidth + kSpacing;
    panels_[1]->setGeometry(dateLeft, kTopEdge,
                            std::clamp(dateWidth, 0, std::max(0, width() - dateLeft)),
                            height() - kTopEdge);
}
