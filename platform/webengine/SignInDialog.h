// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <QDialog>

class QAuthenticator;
class QLineEdit;

namespace platform {

// The small dialog in which the user answers a site's or a proxy's request to sign in (HTTP
// Basic or Digest): the host and the realm it names, a warning when the connection is known
// to be unencrypted, a user name and a password. Enter signs in, Esc cancels.
class SignInDialog : public QDialog {
  public:
    enum class Asker { Site, Proxy };

    SignInDialog(Asker asker, const QString& host, const QString& realm, bool unencrypted,
                 QWidget* parent);

    QString userName() const;
    QString password() const;

  private:
    QLineEdit* userName_;
    QLineEdit* password_;
};

// Asks the user through a SignInDialog and fills `authenticator` in. On Cancel it is left empty,
// so the request fails and the page shows the server's own answer. The engine alone keeps what
// was typed, in memory, for the rest of the session.
void askToSignIn(SignInDialog::Asker asker, const QString& host, bool unencrypted,
                 QAuthenticator* authenticator, QWidget* parent);

}  // namespace platform
