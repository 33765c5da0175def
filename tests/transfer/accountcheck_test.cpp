// SPDX-License-Identifier: GPL-2.0-or-later
#include "transfer/accountcheck.h"

#include <gtest/gtest.h>

TEST(AccountCheck, Rows)
{
    struct Row {
        const char* name;
        const char* text;
        transfer::AccountCheck expected;
    };
    const Row rows[] = {
        { "valid, grouped", "61 1090 1014 0000 0712 1981 2874", transfer::AccountCheck::Valid },
        { "valid, one run", "61109010140000071219812874", transfer::AccountCheck::Valid },
        { "valid, with PL", "PL61 1090 1014 0000 0712 1981 2874", transfer::AccountCheck::Valid },
        { "valid, hyphens", "61-1090-1014-0000-0712-1981-2874", transfer::AccountCheck::Valid },
        { "wrong check digits", "62 1090 1014 0000 0712 1981 2874", transfer::AccountCheck::WrongCheckSum },
        { "swapped digits", "61 1090 1014 0000 0712 1981 2847", transfer::AccountCheck::WrongCheckSum },
        { "too short", "61 1090 1014", transfer::AccountCheck::NotAnAccount },
        { "27 digits", "611090101400000712198128745", transfer::AccountCheck::NotAnAccount },
        { "letters inside", "61 1090 1014 0000 0712 1981 287X", transfer::AccountCheck::NotAnAccount },
        { "empty", "", transfer::AccountCheck::NotAnAccount },
        { "only the space the import leaves", " ", transfer::AccountCheck::NotAnAccount },
    };
    for (const Row& r : rows)
        EXPECT_EQ(transfer::checkAccountNumber(QString::fromLatin1(r.text)), r.expected) << r.name;
}

// '|' marks the cursor before and after.
TEST(AccountCheck, TypedAccountsAreGroupedAndTheCursorStaysAfterItsDigit)
{
    struct Row {
        const char* typed;
        const char* grouped;
    };
    const Row rows[] = {
        { "611|", "61 1|" },
        { "61109010140000071219812874|", "61 1090 1014 0000 0712 1981 2874|" },
        { "PL6110|90", "PL61 10|90" },
        { "61-1090-10|14", "61 1090 10|14" },
        { "61 |", "61|" },
        { "6|1 1090 1014", "6|1 1090 1014" },
        { "61 1090 1014 0000 0712 1981 2874 9|", "61 1090 1014 0000 0712 1981 2874 9|" },
        { "DE89 3704|", "DE89 3704|" }, // another country's IBAN is left as typed
        { "12 (firma)|", "12 (firma)|" },
        { "|", "|" },
    };
    for (const Row& r : rows) {
        QString typed = QString::fromLatin1(r.typed);
        const int cursor = int(typed.indexOf(QLatin1Char('|')));
        typed.remove(cursor, 1);
        const transfer::GroupedAccount g = transfer::groupAccount(typed, cursor);
        QString shown = g.text;
        shown.insert(g.cursor, QLatin1Char('|'));
        EXPECT_EQ(shown.toStdString(), r.grouped) << r.typed;
    }
}
