// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/batchmodel.h"

#include "platform/language.h"
#include "platform/regional.h"
#include "transfer/datetext.h"

#include <QColor>
#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <array>

namespace app {

namespace {

constexpr std::array<const char*, BatchModel::ColumnCount> Headers = { "",
    QT_TRANSLATE_NOOP("app::BatchModel", "Źródło"), QT_TRANSLATE_NOOP("app::BatchModel", "Stan"),
    QT_TRANSLATE_NOOP("app::BatchModel", "Odbiorca"),
    QT_TRANSLATE_NOOP("app::BatchModel", "Rachunek odbiorcy"), QT_TRANSLATE_NOOP("app::BatchModel", "Kwota"),
    QT_TRANSLATE_NOOP("app::BatchModel", "Zleceniodawca"), QT_TRANSLATE_NOOP("app::BatchModel", "Tytułem"),
    QT_TRANSLATE_NOOP("app::BatchModel", "Data") };

// The value each column holds, in the order of the columns: none for the tick, the source and the state.
constexpr std::array<transfer::Field, BatchModel::ColumnCount> ColumnFields { transfer::Field::None,
    transfer::Field::None, transfer::Field::None, transfer::Field::NDNazwa, transfer::Field::NDKonto,
    transfer::Field::Kwota, transfer::Field::WCNazwa, transfer::Field::Tytulem, transfer::Field::Data };

QString valueText(const transfer::TransferEditorValues& v, int column)
{
    switch (column) {
    case BatchModel::Recipient:
        return v.recipientName;
    case BatchModel::Account:
        return v.recipientAccount;
    case BatchModel::Amount:
        return v.amount ? v.amount->text(platform::decimalSeparator()) : QString();
    case BatchModel::Payer:
        return v.payerName;
    case BatchModel::Title:
        return v.title;
    case BatchModel::Date:
        return transfer::dateDisplayText(v.date);
    default:
        return {};
    }
}

} // namespace

void BatchModel::append(std::vector<Row> rows)
{
    if (rows.empty())
        return;
    beginInsertRows(QModelIndex(), int(m_rows.size()), int(m_rows.size() + rows.size()) - 1);
    for (Row& row : rows) {
        if (m_check)
            m_check(row);
        row.checked = row.ready();
        m_rows.push_back(std::move(row));
    }
    endInsertRows();
    emit changed();
}

void BatchModel::remove(std::vector<int> rows)
{
    std::sort(rows.rbegin(), rows.rend());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (int row : rows) {
        if (row < 0 || row >= rowCount())
            continue;
        beginRemoveRows(QModelIndex(), row, row);
        m_rows.erase(m_rows.begin() + row);
        endRemoveRows();
    }
    emit changed();
}

void BatchModel::swap(int from, int to)
{
    if (from < 0 || to < 0 || from >= rowCount() || to >= rowCount() || from == to)
        return;
    std::swap(m_rows[std::size_t(from)], m_rows[std::size_t(to)]);
    emit dataChanged(index(std::min(from, to), 0), index(std::max(from, to), ColumnCount - 1));
    emit changed();
}

void BatchModel::recheck()
{
    if (m_rows.empty())
        return;
    for (Row& row : m_rows) {
        if (m_check)
            m_check(row);
    }
    emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
    emit changed();
}

bool BatchModel::setText(int row, int column, const QString& text)
{
    return setData(index(row, column), text, Qt::EditRole);
}

void BatchModel::rowChanged(int row)
{
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
    emit changed();
}

int BatchModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int BatchModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString BatchModel::stateText(const Row& row) const
{
    // What stops the row first, then what it is taken with.
    QStringList said;
    for (const transfer::Problem& problem : row.transfer.problems) {
        if (problem.level() == transfer::Problem::Level::Refused)
            said << transfer::problemText(problem, platform::shownLanguage());
    }
    if (said.isEmpty() && !row.formFault.isEmpty())
        said << row.formFault;
    if (said.isEmpty() && !row.depositFault.isEmpty())
        said << row.depositFault;
    if (said.isEmpty()) {
        for (const transfer::Problem& problem : row.transfer.problems) {
            if (problem.level() == transfer::Problem::Level::Doubtful)
                said << transfer::problemText(problem, platform::shownLanguage())
                        + (row.checked ? tr(" – drukowany mimo to") : tr(" – zaznacz, by mimo to drukować"));
        }
        for (const transfer::Problem& problem : row.transfer.problems) {
            if (problem.level() == transfer::Problem::Level::Note)
                said << transfer::problemText(problem, platform::shownLanguage());
        }
        if (!row.formWarning.isEmpty())
            said << row.formWarning;
        if (row.ready())
            said.prepend(tr("Gotowy"));
    }
    return said.join(QStringLiteral(" – "));
}

QVariant BatchModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Row& row = m_rows[std::size_t(index.row())];
    switch (index.column()) {
    case Print:
        return role == Qt::CheckStateRole ? QVariant(row.checked ? Qt::Checked : Qt::Unchecked) : QVariant();
    case Source:
        return role == Qt::DisplayRole ? QVariant(row.source) : QVariant();
    case State:
        if (role == Qt::DisplayRole || role == Qt::ToolTipRole) // a long reason is cut off in the column
            return stateText(row);
        if (role == Qt::ForegroundRole && !row.ready())
            return QColor(0xb0, 0, 0);
        return {};
    default:
        if (role == Qt::DisplayRole || role == Qt::EditRole)
            return valueText(row.transfer.values, index.column());
        return {};
    }
}

bool BatchModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.row() >= rowCount())
        return false;
    Row& row = m_rows[std::size_t(index.row())];
    if (index.column() == Print && role == Qt::CheckStateRole) {
        row.checked = value.toInt() == Qt::Checked;
        rowChanged(index.row()); // a doubtful row says whether it is taken
        return true;
    }
    const transfer::Field field = ColumnFields[std::size_t(index.column())];
    if (role != Qt::EditRole || field == transfer::Field::None)
        return false;
    const bool wasReady = row.ready();
    transfer::editTransferValue(row.transfer, field, value.toString());
    if (m_check)
        m_check(row);
    // A row the user has just put right is meant to print, and one just put wrong is not.
    if (wasReady != row.ready())
        row.checked = row.ready();
    rowChanged(index.row());
    return true;
}

Qt::ItemFlags BatchModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags shown = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    switch (index.column()) {
    case Print:
        return shown | Qt::ItemIsUserCheckable;
    case Source:
    case State:
        return shown;
    default:
        return shown | Qt::ItemIsEditable;
    }
}

QVariant BatchModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount)
        return {};
    return QCoreApplication::translate("app::BatchModel", Headers[std::size_t(section)]);
}

} // namespace app
