// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include <gtest/gtest.h>

#include "UserAddress.h"

namespace platform {
namespace {

struct AddressRow {
    const char* typed;
    const char* loaded;  // empty: refused
};

void PrintTo(const AddressRow& row, std::ostream* out) { *out << '"' << row.typed << '"'; }

class UserAddressRows : public ::testing::TestWithParam<AddressRow> {};

TEST_P(UserAddressRows, BecomesTheAddressABrowserBarWouldLoad) {
    const QUrl url = loadableUrlFromUserInput(QString::fromUtf8(GetParam().typed));
    EXPECT_EQ(url.toString().toStdString(), GetParam().loaded);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, UserAddressRows,
    ::testing::Values(AddressRow{"http://www.ebay.com", "http://www.ebay.com"},
                      AddressRow{"www.example.com", "http://www.example.com"},
                      AddressRow{"  www.example.com/a?b=c  ", "http://www.example.com/a?b=c"},
                      AddressRow{"127.0.0.1:8080/x", "http://127.0.0.1:8080/x"},
                      AddressRow{"https://signin.ebay.com/ws", "https://signin.ebay.com/ws"},
                      AddressRow{"qrc:/help/contents.html", "qrc:/help/contents.html"},
                      AddressRow{"about:blank", "about:blank"}, AddressRow{"", ""},
                      AddressRow{"   ", ""}, AddressRow{"not an address", ""},
                      AddressRow{"http://", ""}, AddressRow{"https:///path", ""}));

}  // namespace
}  // namespace platform
