// SPDX-License-Identifier: GPL-2.0-or-later
// Completion of a recipient's name from the payee book: as the user types, the payees whose name or
// account holds the text (letter case and diacritics aside), most recently paid first; the one chosen is
// announced whole, for its account, title and tax number to go where they belong.
#pragma once

#include "transfer/payees.h"

#include <QCompleter>
#include <QStyledItemDelegate>

class QLineEdit;
class QStandardItemModel;

namespace app {

class PayeeCompleter : public QCompleter {
    Q_OBJECT
public:
    // Completes the editor (not owned); a read-only editor gets no suggestions.
    PayeeCompleter(transfer::PayeeBook& book, QLineEdit* editor, QObject* parent = nullptr);

signals:
    void payeeChosen(const transfer::Payee& payee);

private:
    void suggest(const QString& text);

    transfer::PayeeBook& m_book;
    QLineEdit* m_editor;
    QStandardItemModel* m_suggestions;
};

// The editor of a table's recipient cells, completed from the book.
class PayeeDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    PayeeDelegate(transfer::PayeeBook& book, QObject* parent = nullptr);
    QWidget* createEditor(
        QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

signals:
    // A payee was chosen in the cell's editor of the row.
    void payeeChosen(int row, const transfer::Payee& payee) const;

private:
    transfer::PayeeBook& m_book;
};

} // namespace app
