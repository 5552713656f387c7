// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <QObject>
#include <QSet>
#include <QString>
#include <functional>

class QWebEngineDownloadRequest;
class QWebEngineProfile;

namespace platform {

// Saves every download a page starts into the user's download folder (created when missing),
// under the server's suggested name made safe (see cleanDownloadName), never over a file that
// exists or that another running download is writing. Nothing is opened afterwards. Each step
// is told as one short sentence: when the download starts, when it is saved, or why it failed.
class DownloadSaver : public QObject {
  public:
    using Notice = std::function<void(const QString&)>;

    DownloadSaver(QWebEngineProfile* profile, Notice notice, QObject* parent = nullptr);

  private:
    void save(QWebEngineDownloadRequest* download);
    void reportEnd(QWebEngineDownloadRequest* download, const QString& path);

    Notice notice_;
    QSet<QString> writing_;  // full paths of the downloads still running
};

}  // namespace platform
