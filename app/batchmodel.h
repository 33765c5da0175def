// SPDX-License-Identifier: GPL-2.0-or-later
// The rows of the batch window as a table model over the reader's transfers: whether each prints, where
// it came from, what stops it or is said of it, and its values, which the user corrects in place. A value
// typed into a cell is read as every value of the program is; the set's own checks (the form, the log,
// the payee book) come from the window.
#pragma once

#include "transfer/transferreader.h"

#include <QAbstractTableModel>
#include <QString>
#include <functional>
#include <vector>

namespace app {

class BatchModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Print, Source, State, Recipient, Account, Amount, Payer, Title, Date, ColumnCount };

    struct Row {
        QString source; // what the source column shows
        transfer::SourceTransfer transfer; // the values and what is wrong with them
        bool checked = false; // the user's tick: ready rows come ticked
        QString depositFault; // why a deposit slip cannot carry its amount; empty when it can
        QString formFault; // the row names another form than the set's; empty when it does not
        QString formWarning; // what the form will not show whole; printed all the same
        bool ready() const { return transfer.ready() && depositFault.isEmpty() && formFault.isEmpty(); }
        // Ticked, and nothing stops it: a doubtful value (an account failing its check) prints when the
        // user ticked its row.
        bool prints() const
        {
            return checked && transfer.ready(true) && depositFault.isEmpty() && formFault.isEmpty();
        }
    };

    // What checks a row against the set; rows are checked as they come and as they change.
    void setCheck(std::function<void(Row&)> check) { m_check = std::move(check); }

    const std::vector<Row>& rows() const { return m_rows; }
    // Adds the rows after the others, each ticked when it is ready.
    void append(std::vector<Row> rows);
    // Removes the rows of these numbers.
    void remove(std::vector<int> rows);
    // Swaps two rows, ticks and all.
    void swap(int from, int to);
    // Checks every row again (the set's form, payer or checks changed).
    void recheck();
    // Sets a cell as the user would type it.
    bool setText(int row, int column, const QString& text);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

signals:
    // A tick, a value or the rows changed: what prints may have changed.
    void changed();

private:
    QString stateText(const Row& row) const;
    void rowChanged(int row);

    std::vector<Row> m_rows;
    std::function<void(Row&)> m_check;
};

} // namespace app
