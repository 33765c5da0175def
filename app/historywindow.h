// "Historia przelewów": the transfers of the log, newest first, filtered as the user types, and printed
// again: one back into the main window, several into the batch window.
#pragma once

#include "transfer/transferlog.h"

#include <QWidget>
#include <functional>
#include <vector>

class QLineEdit;
class QPushButton;
class QSqlQueryModel;
class QTableView;

namespace app {

class HistoryWindow : public QWidget {
    Q_OBJECT
public:
    // The table's columns; the first, hidden, is the entry's row id.
    enum Column { Id, Printed, Recipient, Account, Amount, Title, How, ColumnCount };

    explicit HistoryWindow(TransferLog& log, QWidget* parent = nullptr);

    // What "Drukuj ponownie" does with the chosen transfers, in table order.
    void setReprint(std::function<void(const std::vector<LogEntry>&)> reprint)
    {
        m_reprint = std::move(reprint);
    }

    // Reads the log again with the search text (recipient, account, title or amount).
    void refresh();
    void reprintClick();

    QLineEdit* search() const { return m_search; }
    QTableView* table() const { return m_table; }
    QSqlQueryModel* model() const { return m_model; }

private:
    TransferLog& m_log;
    QLineEdit* m_search;
    QTableView* m_table;
    QSqlQueryModel* m_model;
    QPushButton* m_reprintButton;
    std::function<void(const std::vector<LogEntry>&)> m_reprint;
};

} // namespace app
