// SPDX-License-Identifier: GPL-2.0-or-later
// The payee book ("Kontrahenci"): the recipients the user pays, kept in the transfer log's database
// beside the entries. Every logged transfer adds its recipient (name and account) or refreshes the day it
// was last paid and its last title; the user adds, edits, merges and deletes payees, and a payee outlives
// the entries that named it. The book reads the payees once and again only after the log was written.
#pragma once

#include "transfer/folding.h"
#include "transfer/transferlog.h"

#include <QDateTime>
#include <QMultiHash>
#include <QString>
#include <cstddef>
#include <limits>
#include <optional>
#include <string_view>
#include <vector>

namespace transfer {

struct Payee {
    qlonglong id = 0; // 0: not in the book yet
    QString name;
    QString account;
    QString nip; // the seller's tax number, for the pay-by-phone code
    QString title; // the title to offer; empty: the last one paid
    QString note;
    QString lastTitle; // of the last transfer logged to it
    QDateTime lastPaid; // UTC; invalid when none was logged

    // What a new transfer to the payee is titled: its own title, else the last one paid.
    const QString& offeredTitle() const { return title.isEmpty() ? lastTitle : title; }
    bool operator==(const Payee&) const = default;
};

class PayeeBook {
public:
    // Not owned; it must outlive the book.
    explicit PayeeBook(TransferLog& log);

    // Every payee, most recently paid first, then by name.
    const std::vector<Payee>& payees() const;
    // The payees whose name or account holds the text anywhere (letter case, diacritics and blanks
    // aside), in the order of payees(), at most limit. An empty text finds every payee.
    std::vector<const Payee*> find(
        const QString& text, std::size_t limit = std::numeric_limits<std::size_t>::max()) const;
    // The name of a payee the account belongs to when none of its payees has this name (names compared
    // as the search compares them); nothing when the account is not in the book or is the name's own.
    std::optional<QString> otherOwner(const QString& name, const QString& account) const;

    // Adds the payee (id 0, which then gets its id) or changes it; false, with problem(), when the log
    // cannot be written or another payee has the same name and account.
    bool save(Payee& payee);
    bool remove(qlonglong id);
    // One payee from two: keep takes what it lacks from drop (tax number, title, note, a later payment),
    // and drop goes.
    bool merge(qlonglong keep, qlonglong drop);
    const QString& problem() const { return m_problem; }

private:
    void load() const;
    bool write(const QString& sql, const QVariantList& values);

    TransferLog& m_log;
    mutable int m_loadedRevision = -1;
    mutable std::vector<Payee> m_payees;
    mutable std::vector<QString> m_folded; // name and account digits, as the search compares them
    mutable QString m_newest; // the last payment read, as the log writes it
    mutable bool m_stale = false; // the book itself changed payees: read them all again
    mutable QMultiHash<QString, std::size_t> m_byAccount; // account digits to places in m_payees
    mutable int m_byAccountRevision = -1;
    QString m_problem;
};

// The payees of a file payeesCsv wrote, or of any CSV whose header names the recipient's name or account
// (as the batch import reads it); rows without either are left out. Raises platform::Error as the import
// does.
std::vector<Payee> readPayeesCsv(std::string_view bytes);

} // namespace transfer
