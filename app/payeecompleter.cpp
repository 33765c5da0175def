// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/payeecompleter.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QPersistentModelIndex>
#include <QStandardItemModel>

namespace app {

namespace {

// The roles of a suggestion: the name the completer puts into the editor, and the payee's id.
constexpr int NameRole = Qt::UserRole + 1;
constexpr int IdRole = Qt::UserRole + 2;

} // namespace

PayeeCompleter::PayeeCompleter(transfer::PayeeBook& book, QLineEdit* editor, QObject* parent)
    : QCompleter(parent)
    , m_book(book)
    , m_editor(editor)
    , m_suggestions(new QStandardItemModel(this))
{
    setObjectName(QStringLiteral("payeeCompleter"));
    setModel(m_suggestions);
    // The book has chosen and ordered the suggestions; the completer only shows them.
    setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    setCompletionRole(NameRole);
    setWidget(editor);
    connect(editor, &QLineEdit::textEdited, this, &PayeeCompleter::suggest);
    connect(
        this, qOverload<const QModelIndex&>(&QCompleter::activated), this, [this](const QModelIndex& index) {
            const qlonglong id = index.data(IdRole).toLongLong();
            for (const transfer::Payee& p : m_book.payees()) {
                if (p.id == id) {
                    emit payeeChosen(p);
                    return;
                }
            }
        });
}

void PayeeCompleter::suggest(const QString& text)
{
    m_suggestions->clear();
    if (!m_editor->isReadOnly() && !text.trimmed().isEmpty()) {
        for (const transfer::Payee* p : m_book.find(text, 12)) {
            auto* item = new QStandardItem(
                p->account.isEmpty() ? p->name : QStringLiteral("%1   %2").arg(p->name, p->account));
            item->setData(p->name, NameRole);
            item->setData(p->id, IdRole);
            m_suggestions->appendRow(item);
        }
    }
    if (m_suggestions->rowCount() == 0)
        popup()->hide();
    else
        complete();
}

PayeeDelegate::PayeeDelegate(transfer::PayeeBook& book, QObject* parent)
    : QStyledItemDelegate(parent)
    , m_book(book)
{
}

QWidget* PayeeDelegate::createEditor(
    QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const
{
    auto* editor = new QLineEdit(parent);
    editor->setFrame(false);
    auto* completer = new PayeeCompleter(m_book, editor, editor);
    const QPersistentModelIndex cell(index);
    connect(completer, &PayeeCompleter::payeeChosen, this, [this, cell](const transfer::Payee& payee) {
        if (cell.isValid())
            emit payeeChosen(cell.row(), payee);
    });
    return editor;
}

} // namespace app
