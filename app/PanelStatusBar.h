#pragma once

#include <QLabel>
#include <QStatusBar>
#include <array>

// The main window's status bar: two text panels, numbered from 1, docked along the bottom.
// Panel 1 holds the page title, panel 2 the local date.
class PanelStatusBar : public QStatusBar {
    Q_OBJECT
  public:
    explicit PanelStatusBar(QWidget* parent = nullptr);

    // Replaces the whole text of panel 1 or 2.
    void setPanelText(int panel, const QString& text);
    QString panelText(int panel) const;

  private:
    std::array<QLabel*, 2> panels_{};
};
