// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "DownloadName.h"

namespace platform {
namespace {

// Longer names are cut to this many characters, to stay well inside the 255 bytes a file name
// may have, with room for a " (n)" suffix.
constexpr int kLongestName = 120;

}  // namespace

QString cleanDownloadName(const QString& suggested) {
    QString name;
    for (const QChar c : suggested) {
        if (c == u'/' || c == u'\\')
            name += u'_';
        else if (c.category() != QChar::Other_Control && c.category() != QChar::Other_Format)
            name += c;
    }
    qsizetype first = 0;
    while (first < name.size() && (name[first] == u'.' || name[first].isSpace())) ++first;
    name = name.mid(first);
    while (!name.isEmpty() && (name.back() == u'.' || name.back().isSpace())) name.chop(1);
    if (name.size() > kLongestName) name = name.left(kLongestName).trimmed();
    return name.isEmpty() ? QStringLiteral("download") : name;
}

QString freeDownloadName(const QString& name, const std::function<bool(const QString&)>& taken) {
    const qsizetype dot = name.lastIndexOf(u'.');
    const QString stem = dot > 0 ? name.left(dot) : name;
    const QString extension = dot > 0 ? name.mid(dot) : QString();
    QString candidate = name;
    for (int n = 1; taken(candidate); ++n)
        candidate = QStringLiteral("%1 (%2)%3").arg(stem).arg(n).arg(extension);
    return candidate;
}

}  // namespace platform
