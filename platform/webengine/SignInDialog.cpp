// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "SignInDialog.h"

#include <QAuthenticator>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace platform {
namespace {

// Host and realm come from the server: shown as plain text, never as markup.
QLabel* plainLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

QLineEdit* field(const QString& caption, const char* name, QFormLayout* form, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    auto* label = new QLabel(caption, parent);
    label->setBuddy(edit);
    form->addRow(label, edit);
    return edit;
}

}  // namespace

SignInDialog::SignInDialog(Asker asker, const QString& host, const QString& realm, bool unencrypted,
                           QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Sign In"));
    auto* form = new QFormLayout(this);
    const bool proxy = asker == Asker::Proxy;
    form->addRow(new QLabel(proxy ? QStringLiteral("A proxy server asks you to sign in.")
                                  : QStringLiteral("This site asks you to sign in."),
                            this));
    form->addRow(proxy ? QStringLiteral("Proxy:") : QStringLiteral("Site:"),
                 plainLabel(host, this));
    if (!realm.isEmpty()) form->addRow(QStringLiteral("Realm:"), plainLabel(realm, this));
    if (unencrypted)
        form->addRow(new QLabel(
            QStringLiteral("The connection is not encrypted: others on the way may read it."),
            this));
    userName_ = field(QStringLiteral("&User name:"), "userName", form, this);
    password_ = field(QStringLiteral("&Password:"), "password", form, this);
    password_->setEchoMode(QLineEdit::Password);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setText(QStringLiteral("&OK"));
    ok->setDefault(true);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("&Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
    userName_->setFocus();
}

QString SignInDialog::userName() const { return userName_->text(); }

QString SignInDialog::password() const { return password_->text(); }

void askToSignIn(SignInDialog::Asker asker, const QString& host, bool unencrypted,
                 QAuthenticator* authenticator, QWidget* parent) {
    SignInDialog dialog(asker, host, authenticator->realm(), unencrypted, parent);
    if (dialog.exec() == QDialog::Accepted) {
        authenticator->setUser(dialog.userName());
        authenticator->setPassword(dialog.password());
    } else {
        *authenticator = QAuthenticator();
    }
}

}  // namespace platform
