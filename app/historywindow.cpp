#include "app/historywindow.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

namespace app {

namespace {

const char* const Headers[] = { "", "Wydrukowano", "Odbiorca", "Rachunek", "Kwota", "Tytułem", "Jak" };

} // namespace

HistoryWindow::HistoryWindow(TransferLog& log, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_log(log)
    , m_search(new QLineEdit(this))
    , m_table(new QTableView(this))
    , m_model(new QSqlQueryModel(this))
    , m_reprintButton(new QPushButton(QStringLiteral("&Drukuj ponownie"), this))
{
    setObjectName(QStringLiteral("fHistoria"));
    setWindowTitle(QStringLiteral("Historia przelewów"));
    resize(1000, 520);
    m_search->setObjectName(QStringLiteral("eSzukaj"));
    m_search->setPlaceholderText(QStringLiteral("odbiorca, rachunek, tytuł lub kwota"));
    m_search->setClearButtonEnabled(true);
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->setWordWrap(false);
    m_table->horizontalHeader()->setStretchLastSection(true);
    connect(m_search, &QLineEdit::textChanged, this, &HistoryWindow::refresh);
    connect(m_table, &QTableView::doubleClicked, this, &HistoryWindow::reprintClick);
    connect(m_reprintButton, &QPushButton::clicked, this, &HistoryWindow::reprintClick);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Szukaj:"), this));
    top->addWidget(m_search, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(m_reprintButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_table, 1);
    layout->addLayout(bottom);
    refresh();
}

void HistoryWindow::refresh()
{
    if (!m_log.isOpen()) {
        m_model->clear();
        return;
    }
    // The model fetches rows as the view needs them, so a long log opens at once.
    QSqlQuery query(QSqlDatabase::database(m_log.connectionName()));
    const QString amount
        = QStringLiteral("printf('%d,%02d', e.amount_grosze / 100, abs(e.amount_grosze) % 100)");
    query.prepare(QStringLiteral(
        "SELECT e.id, strftime('%Y-%m-%d %H:%M', e.at, 'localtime'), r.name, r.account, %1, e.title,"
        " e.how || ' ' || e.target FROM entry e JOIN recipient r ON r.id = e.recipient"
        " WHERE ? = '' OR r.name LIKE ? OR r.account LIKE ? OR e.title LIKE ? OR %1 LIKE ?"
        " ORDER BY e.at DESC, e.id DESC")
                      .arg(amount));
    const QString text = m_search->text().trimmed();
    query.addBindValue(text);
    for (int i = 0; i < 4; ++i)
        query.addBindValue(QStringLiteral("%") + text + QStringLiteral("%"));
    if (!query.exec())
        qWarning("history: %s", qPrintable(query.lastError().text()));
    m_model->setQuery(std::move(query));
    for (int c = 0; c < ColumnCount; ++c)
        m_model->setHeaderData(c, Qt::Horizontal, QString::fromUtf8(Headers[c]));
    m_table->hideColumn(Id);
    // As wide as the rows fetched so far show, long names and titles within reason.
    m_table->resizeColumnsToContents();
    for (int column : { Recipient, Account, Title })
        m_table->setColumnWidth(column, std::min(m_table->columnWidth(column), 260));
}

void HistoryWindow::reprintClick()
{
    QModelIndexList rows = m_table->selectionModel()->selectedRows(Id);
    std::sort(rows.begin(), rows.end(),
        [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    std::vector<LogEntry> chosen;
    for (const QModelIndex& row : rows) {
        if (const std::optional<LogEntry> e = m_log.entry(row.data().toLongLong()))
            chosen.push_back(*e);
    }
    if (!chosen.empty() && m_reprint)
        m_reprint(chosen);
}

} // namespace app
