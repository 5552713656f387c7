// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "DownloadSaver.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QWebEngineDownloadRequest>
#include <QWebEngineProfile>

#include "DownloadName.h"

namespace platform {

DownloadSaver::DownloadSaver(QWebEngineProfile* profile, Notice notice, QObject* parent)
    : QObject(parent), notice_(std::move(notice)) {
    connect(profile, &QWebEngineProfile::downloadRequested, this, &DownloadSaver::save);
}

void DownloadSaver::save(QWebEngineDownloadRequest* download) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    const QString clean = cleanDownloadName(download->suggestedFileName());
    if (folder.isEmpty() || !QDir().mkpath(folder)) {
        download->cancel();
        notice_(QStringLiteral("\"%1\" was not saved: the download folder %2 cannot be made.")
                    .arg(clean, QDir::toNativeSeparators(folder)));
        return;
    }
    const QDir dir(folder);
    const QString name = freeDownloadName(clean, [&](const QString& candidate) {
        const QString path = dir.filePath(candidate);
        return writing_.contains(path) || QFileInfo::exists(path);
    });
    const QString path = dir.filePath(name);
    writing_.insert(path);
    download->setDownloadDirectory(folder);
    download->setDownloadFileName(name);
    connect(download, &QWebEngineDownloadRequest::isFinishedChanged, this,
            [this, download, path] { reportEnd(download, path); });
    download->accept();
    notice_(QStringLiteral("Downloading \"%1\"...").arg(name));
}

void DownloadSaver::reportEnd(QWebEngineDownloadRequest* download, const QString& path) {
    if (!download->isFinished()) return;
    writing_.remove(path);
    const QFileInfo file(path);
    if (download->state() == QWebEngineDownloadRequest::DownloadCompleted)
        notice_(QStringLiteral("Saved \"%1\" in %2.")
                    .arg(file.fileName(), QDir::toNativeSeparators(file.absolutePath())));
    else
        notice_(QStringLiteral("\"%1\" was not saved: %2.")
                    .arg(file.fileName(),
                         download->state() == QWebEngineDownloadRequest::DownloadCancelled
                             ? QStringLiteral("cancelled")
                             : download->interruptReasonString()));
}

}  // namespace platform
