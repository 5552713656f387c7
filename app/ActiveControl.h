// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <QObject>
#include <QPointer>

class QMainWindow;
class QMenuBar;
class QWidget;

// The window's control that has the focus, as the Edit menu sees it. A menu opened from the
// keyboard (Alt, F10, Alt+E) makes Qt's menu bar borrow the focus; the control it borrowed it from
// still counts, and a text box keeps its selection meanwhile, as with a menu opened by mouse.
class ActiveControl : public QObject {
    Q_OBJECT
  public:
    // Watches the menu bar and the text boxes that the window holds now.
    explicit ActiveControl(QMainWindow& window);

    QWidget* widget() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void focusChanged(QWidget* old, QWidget* now);

    QWidget& window_;
    // Taken at construction: the focus also changes while the window is being destroyed.
    QPointer<QMenuBar> menuBar_;
    QPointer<QWidget> beforeMenuBar_;
};
