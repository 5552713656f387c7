// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "AssistiveTechnology.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QVariantMap>
#include <QtGlobal>

namespace platform {
namespace {

// The bus answers from its own process; a missing service is started by D-Bus activation.
constexpr int kAnswerTimeoutMs = 250;

QVariantMap accessibilityStatus() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return {};
    QDBusMessage ask = QDBusMessage::createMethodCall(
        QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("GetAll"));
    ask << QStringLiteral("org.a11y.Status");
    const QDBusMessage answer = bus.call(ask, QDBus::Block, kAnswerTimeoutMs);
    if (answer.type() != QDBusMessage::ReplyMessage || answer.arguments().isEmpty()) return {};
    return qdbus_cast<QVariantMap>(answer.arguments().constFirst());
}

}  // namespace

bool assistiveTechnologyActive() {
    if (!qEnvironmentVariableIsEmpty("QT_LINUX_ACCESSIBILITY_ALWAYS_ON")) return true;
    const QVariantMap status = accessibilityStatus();
    return status.value(QStringLiteral("ScreenReaderEnabled")).toBool() ||
           status.value(QStringLiteral("IsEnabled")).toBool();
}

}  // namespace platform
