// SPDX-License-Identifier: GPL-2.0-or-later
// "Historia przelewów": the transfers of the log, newest first, filtered as the user types and by the days
// printed; printed again (one back into the main window, several into the batch window), exported as CSV
// for a spreadsheet or the batch import, and removed after asking.
#pragma once

#include "transfer/transferlog.h"

#include <QWidget>
#include <functional>
#include <vector>

class QCheckBox;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QSqlQueryModel;
class QTableView;

namespace app {

class HistoryWindow : public QWidget {
    Q_OBJECT
public:
    // The table's columns; the first, hidden, is the entry's row id.
    enum Column { Id, Printed, Recipient, Account, Amount, Title, Form, How, ColumnCount };

    explicit HistoryWindow(transfer::TransferLog& log, QWidget* parent = nullptr);

    // What "Drukuj ponownie" does with the chosen transfers, in table order.
    void setReprint(std::function<void(const std::vector<transfer::LogEntry>&)> reprint)
    {
        m_reprint = std::move(reprint);
    }

    // What the search field and the days let through.
    transfer::LogFilter filter() const;
    // Reads the log again with the filter.
    void refresh();
    void reprintClick();
    // Asks for a file and writes the rows the filter lets through (all of them, not only those fetched).
    void exportClick();
    // Writes the shown rows to the file; false after telling the user why not.
    bool exportTo(const QString& fileName);
    // Asks, then removes the chosen rows from the log.
    void removeClick();

    QLineEdit* search() const { return m_search; }
    QCheckBox* fromCheck() const { return m_fromCheck; }
    QDateEdit* from() const { return m_from; }
    QCheckBox* toCheck() const { return m_toCheck; }
    QDateEdit* to() const { return m_to; }
    QTableView* table() const { return m_table; }
    QSqlQueryModel* model() const { return m_model; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<qlonglong> chosenIds() const;

    transfer::TransferLog& m_log;
    QLineEdit* m_search;
    QCheckBox* m_fromCheck;
    QDateEdit* m_from;
    QCheckBox* m_toCheck;
    QDateEdit* m_to;
    QTableView* m_table;
    QSqlQueryModel* m_model;
    QPushButton* m_reprintButton;
    QPushButton* m_exportButton;
    QPushButton* m_removeButton;
    std::function<void(const std::vector<transfer::LogEntry>&)> m_reprint;
};

} // namespace app
