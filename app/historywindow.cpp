// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/historywindow.h"

#include "app/csvfiles.h"
#include "platform/errordisplay.h"
#include "transfer/csvexport.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSqlQueryModel>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

namespace app {

namespace {

const char* const Headers[] = { "", QT_TRANSLATE_NOOP("app::HistoryWindow", "Wydrukowano"),
    QT_TRANSLATE_NOOP("app::HistoryWindow", "Odbiorca"), QT_TRANSLATE_NOOP("app::HistoryWindow", "Rachunek"),
    QT_TRANSLATE_NOOP("app::HistoryWindow", "Kwota"), QT_TRANSLATE_NOOP("app::HistoryWindow", "Tytułem"),
    QT_TRANSLATE_NOOP("app::HistoryWindow", "Formularz"), QT_TRANSLATE_NOOP("app::HistoryWindow", "Jak") };

// The log's rows as the table shows them: amounts right-aligned, their thousands apart.
class HistoryModel : public QSqlQueryModel {
public:
    using QSqlQueryModel::QSqlQueryModel;

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (index.column() == HistoryWindow::Amount) {
            if (role == Qt::TextAlignmentRole)
                return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
            if (role == Qt::DisplayRole)
                return grouped(QSqlQueryModel::data(index, role).toString());
        }
        if (index.column() == HistoryWindow::Form && role == Qt::DisplayRole) {
            const QString form = QSqlQueryModel::data(index, role).toString();
            if (form == QLatin1String("wplata"))
                return QCoreApplication::translate("app::HistoryWindow", "wpłata");
            if (form == QLatin1String("przelew"))
                return QCoreApplication::translate("app::HistoryWindow", "przelew");
            return form;
        }
        return QSqlQueryModel::data(index, role);
    }

private:
    // "1234567,50" as "1 234 567,50", with spaces that do not break.
    static QString grouped(QString amount)
    {
        qsizetype end = amount.indexOf(QLatin1Char(','));
        if (end < 0)
            end = amount.size();
        for (qsizetype at = end - 3; at > 0 && amount[at - 1].isDigit(); at -= 3)
            amount.insert(at, QChar(0x00A0));
        return amount;
    }
};

QDateEdit* dayEdit(const QDate& day, QWidget* parent)
{
    auto* edit = new QDateEdit(day, parent);
    edit->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    edit->setCalendarPopup(true);
    edit->setEnabled(false);
    return edit;
}

} // namespace

HistoryWindow::HistoryWindow(transfer::TransferLog& log, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_log(log)
    , m_search(new QLineEdit(this))
    , m_fromCheck(new QCheckBox(tr("&Od:"), this))
    , m_from(dayEdit(QDate::currentDate().addMonths(-1), this))
    , m_toCheck(new QCheckBox(tr("&Do:"), this))
    , m_to(dayEdit(QDate::currentDate(), this))
    , m_table(new QTableView(this))
    , m_model(new HistoryModel(this))
    , m_reprintButton(new QPushButton(tr("Drukuj &ponownie"), this))
    , m_exportButton(new QPushButton(tr("&Eksportuj CSV…"), this))
    , m_removeButton(new QPushButton(tr("&Usuń…"), this))
{
    setObjectName(QStringLiteral("fHistoria"));
    setWindowTitle(tr("Historia przelewów"));
    resize(1000, 520);
    m_search->setObjectName(QStringLiteral("eSzukaj"));
    m_search->setPlaceholderText(tr("odbiorca, zleceniodawca, rachunek, tytuł lub kwota"));
    m_search->setClearButtonEnabled(true);
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    // One line of text a row, so a screen shows as many transfers as it can.
    m_table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_table->setWordWrap(false);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->installEventFilter(this);
    connect(m_search, &QLineEdit::textChanged, this, &HistoryWindow::refresh);
    for (QCheckBox* check : { m_fromCheck, m_toCheck }) {
        QDateEdit* edit = check == m_fromCheck ? m_from : m_to;
        connect(check, &QCheckBox::toggled, edit, &QWidget::setEnabled);
        connect(check, &QCheckBox::toggled, this, &HistoryWindow::refresh);
        connect(edit, &QDateEdit::dateChanged, this, &HistoryWindow::refresh);
    }
    connect(m_table, &QTableView::doubleClicked, this, &HistoryWindow::reprintClick);
    connect(m_reprintButton, &QPushButton::clicked, this, &HistoryWindow::reprintClick);
    connect(m_exportButton, &QPushButton::clicked, this, &HistoryWindow::exportClick);
    connect(m_removeButton, &QPushButton::clicked, this, &HistoryWindow::removeClick);
    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        const bool chosen = m_table->selectionModel()->hasSelection();
        m_reprintButton->setEnabled(chosen);
        m_removeButton->setEnabled(chosen);
    });

    auto* top = new QHBoxLayout;
    auto* searchLabel = new QLabel(tr("&Szukaj:"), this);
    searchLabel->setBuddy(m_search);
    top->addWidget(searchLabel);
    top->addWidget(m_search, 1);
    top->addSpacing(12);
    top->addWidget(m_fromCheck);
    top->addWidget(m_from);
    top->addWidget(m_toCheck);
    top->addWidget(m_to);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_removeButton);
    bottom->addWidget(m_exportButton);
    bottom->addStretch(1);
    bottom->addWidget(m_reprintButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_table, 1);
    layout->addLayout(bottom);
    refresh();
}

transfer::LogFilter HistoryWindow::filter() const
{
    transfer::LogFilter filter;
    filter.text = m_search->text();
    if (m_fromCheck->isChecked())
        filter.from = m_from->date();
    if (m_toCheck->isChecked())
        filter.to = m_to->date();
    return filter;
}

void HistoryWindow::refresh()
{
    // The model fetches rows as the view needs them, so a long log opens at once.
    if (m_log.isOpen())
        m_model->setQuery(m_log.historyQuery(filter()));
    else
        m_model->clear();
    for (int c = 0; c < ColumnCount; ++c)
        m_model->setHeaderData(
            c, Qt::Horizontal, QCoreApplication::translate("app::HistoryWindow", Headers[c]));
    m_table->hideColumn(Id);
    // As wide as the rows fetched so far show, long names and titles within reason.
    m_table->resizeColumnsToContents();
    for (int column : { Recipient, Account, Title })
        m_table->setColumnWidth(column, std::min(m_table->columnWidth(column), 260));
    // A new query leaves nothing chosen.
    m_reprintButton->setEnabled(false);
    m_removeButton->setEnabled(false);
    m_exportButton->setEnabled(m_log.isOpen());
}

std::vector<qlonglong> HistoryWindow::chosenIds() const
{
    QModelIndexList rows = m_table->selectionModel()->selectedRows(Id);
    std::sort(rows.begin(), rows.end(),
        [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    std::vector<qlonglong> ids;
    for (const QModelIndex& row : rows)
        ids.push_back(row.data().toLongLong());
    return ids;
}

void HistoryWindow::reprintClick()
{
    std::vector<transfer::LogEntry> chosen;
    for (const qlonglong id : chosenIds()) {
        if (const std::optional<transfer::LogEntry> e = m_log.entry(id))
            chosen.push_back(*e);
    }
    if (!chosen.empty() && m_reprint)
        m_reprint(chosen);
}

void HistoryWindow::exportClick()
{
    const QString name = chooseCsvToSave(this, tr("Eksportuj CSV"), QStringLiteral("historia-przelewow.csv"));
    if (!name.isEmpty())
        exportTo(name);
}

bool HistoryWindow::exportTo(const QString& fileName)
{
    return saveFileTelling(fileName, transfer::logEntriesCsv(m_log.entries(filter())), this);
}

void HistoryWindow::removeClick()
{
    const std::vector<qlonglong> ids = chosenIds();
    if (ids.empty())
        return;
    const auto answer = QMessageBox::question(this, tr("Historia przelewów"),
        tr("Usunąć z historii zaznaczone przelewy (%1)?").arg(ids.size()), QMessageBox::Yes | QMessageBox::No,
        QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    if (!m_log.remove(ids))
        platform::showError(m_log.problem(), this);
    refresh();
}

bool HistoryWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_table && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            reprintClick();
            return true;
        }
        if (key == Qt::Key_Delete) {
            removeClick();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace app
