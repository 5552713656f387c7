// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "ActiveControl.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>

ActiveControl::ActiveControl(QMainWindow& window)
    : QObject(&window), window_(window), menuBar_(window.menuBar()) {
    for (QLineEdit* box : window.findChildren<QLineEdit*>()) box->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, &ActiveControl::focusChanged);
}

QWidget* ActiveControl::widget() const {
    QWidget* focused = window_.focusWidget();
    return focused == menuBar_ && beforeMenuBar_ ? beforeMenuBar_.data() : focused;
}

void ActiveControl::focusChanged(QWidget* old, QWidget* now) {
    if (now != nullptr && now == menuBar_) beforeMenuBar_ = old;
}

// A text box drops its selection when the focus leaves it, except for a popup. The menu bar's
// borrowing is passed on as a popup's, so Copy still finds the selection.
bool ActiveControl::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(event)->reason() == Qt::MenuBarFocusReason) {
        QFocusEvent asPopup(QEvent::FocusOut, Qt::PopupFocusReason);
        QCoreApplication::sendEvent(watched, &asPopup);
        return true;
    }
    return QObject::eventFilter(watched, event);
}
