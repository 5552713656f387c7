// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

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

    // Once the panel shows a text, it is wide enough for the widest of `texts`, so that it keeps
    // its place as its text changes.
    void reserveWidth(int panel, const QStringList& texts);

  protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    class PanelLabel;
    void placePanels();

    std::array<PanelLabel*, 2> panels_{};
};
