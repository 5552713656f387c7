#include <gtest/gtest.h>

#include <QSet>

#include "DownloadName.h"

namespace platform {
namespace {

struct NameRow {
    const char* suggested;
    const char* taken;  // names in the folder, separated by "|"
    const char* saved;
};

void PrintTo(const NameRow& row, std::ostream* out) { *out << '"' << row.suggested << '"'; }

class DownloadNameRows : public ::testing::TestWithParam<NameRow> {};

TEST_P(DownloadNameRows, StaysAPlainFreeNameInTheFolder) {
    const auto taken = QString::fromUtf8(GetParam().taken).split(u'|', Qt::SkipEmptyParts);
    const QSet<QString> folder(taken.begin(), taken.end());
    const QString name =
        freeDownloadName(cleanDownloadName(QString::fromUtf8(GetParam().suggested)),
                         [&](const QString& n) { return folder.contains(n); });
    EXPECT_EQ(name.toStdString(), GetParam().saved);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DownloadNameRows,
    ::testing::Values(
        NameRow{"bid.pdf", "", "bid.pdf"}, NameRow{"bid.pdf", "bid.pdf|bid (1).pdf", "bid (2).pdf"},
        NameRow{"notes", "notes", "notes (1)"}, NameRow{"../../.bashrc", "", "_.._.bashrc"},
        NameRow{"..", "", "download"}, NameRow{"/etc/passwd", "", "_etc_passwd"},
        NameRow{"a\\..\\b.txt", "", "a_.._b.txt"}, NameRow{"in\nvoice\x7f.txt", "", "invoice.txt"},
        NameRow{"gpj.\u202eexe", "", "gpj.exe"}, NameRow{" . ", "", "download"},
        NameRow{".hidden", "hidden", "hidden (1)"}, NameRow{"", "", "download"}));

}  // namespace
}  // namespace platform
