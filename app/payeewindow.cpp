// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/payeewindow.h"

#include "app/accountedit.h"
#include "app/csvfiles.h"
#include "platform/error.h"
#include "platform/errordisplay.h"
#include "platform/files.h"
#include "transfer/accountcheck.h"
#include "transfer/csvexport.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSet>
#include <QTableView>
#include <QVBoxLayout>

namespace app {

void PayeeTableModel::setPayees(const std::vector<const transfer::Payee*>& payees)
{
    beginResetModel();
    m_payees.clear();
    m_payees.reserve(payees.size());
    for (const transfer::Payee* p : payees)
        m_payees.push_back(*p);
    endResetModel();
}

const transfer::Payee* PayeeTableModel::payee(int row) const
{
    return row >= 0 && std::size_t(row) < m_payees.size() ? &m_payees[std::size_t(row)] : nullptr;
}

int PayeeTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_payees.size());
}

int PayeeTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant PayeeTableModel::data(const QModelIndex& index, int role) const
{
    const transfer::Payee* p = payee(index.row());
    if (!p || role != Qt::DisplayRole)
        return {};
    switch (Column(index.column())) {
    case Name:
        return p->name;
    case Account:
        return p->account;
    case Nip:
        return p->nip;
    case Title:
        return p->offeredTitle();
    case Note:
        return p->note;
    case LastPaid:
        return p->lastPaid.isValid() ? p->lastPaid.toLocalTime().toString(QStringLiteral("d.MM.yyyy"))
                                     : QString();
    case ColumnCount:
        break;
    }
    return {};
}

QVariant PayeeTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char* const names[ColumnCount] = { QT_TRANSLATE_NOOP("app::PayeeTableModel", "Nazwa"),
        QT_TRANSLATE_NOOP("app::PayeeTableModel", "Rachunek"),
        QT_TRANSLATE_NOOP("app::PayeeTableModel", "NIP"), QT_TRANSLATE_NOOP("app::PayeeTableModel", "Tytuł"),
        QT_TRANSLATE_NOOP("app::PayeeTableModel", "Uwagi"),
        QT_TRANSLATE_NOOP("app::PayeeTableModel", "Ostatnio zapłacono") };
    return section >= 0 && section < ColumnCount
        ? QCoreApplication::translate("app::PayeeTableModel", names[section])
        : QVariant();
}

PayeeDialog::PayeeDialog(const transfer::Payee& payee, QWidget* parent)
    : QDialog(parent)
    , m_payee(payee)
{
    setObjectName(QStringLiteral("PayeeDialog"));
    auto* form = new QFormLayout(this);
    const auto field = [&](const QString& caption, const char* name, const QString& value) {
        auto* edit = new QLineEdit(value, this);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setMinimumWidth(360);
        form->addRow(caption, edit);
        return edit;
    };
    m_name = field(tr("Nazwa:"), "eName", payee.name);
    m_account = field(tr("Rachunek:"), "eAccount", payee.account);
    m_nip = field(tr("NIP:"), "eNip", payee.nip);
    m_title = field(tr("Tytuł:"), "eTitle", payee.title);
    m_note = field(tr("Uwagi:"), "eNote", payee.note);
    m_title->setPlaceholderText(payee.lastTitle);
    groupAccountWhileTyped(m_account);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Anuluj"));
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (m_name->text().trimmed().isEmpty() && m_account->text().trimmed().isEmpty()) {
            platform::showError(tr("Podaj nazwę lub rachunek kontrahenta"), this);
            return;
        }
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

transfer::Payee PayeeDialog::payee() const
{
    transfer::Payee p = m_payee;
    p.name = m_name->text().trimmed();
    p.account = m_account->text().trimmed();
    p.nip = m_nip->text().trimmed();
    p.title = m_title->text().trimmed();
    p.note = m_note->text().trimmed();
    return p;
}

PayeeWindow::PayeeWindow(transfer::PayeeBook& book, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_book(book)
{
    setObjectName(QStringLiteral("PayeeWindow"));
    setWindowTitle(tr("Kontrahenci"));
    resize(1000, 560);

    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("eSearch"));
    m_search->setPlaceholderText(tr("Szukaj w nazwie lub rachunku"));
    m_search->setClearButtonEnabled(true);
    connect(m_search, &QLineEdit::textChanged, this, &PayeeWindow::refresh);

    m_model = new PayeeTableModel;
    m_model->setParent(this);
    m_table = new QTableView(this);
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    // Fixed widths: measuring 10 000 rows would keep the window from opening at once.
    for (const auto& [column, width] :
        { std::pair { PayeeTableModel::Name, 230 }, { PayeeTableModel::Account, 240 },
            { PayeeTableModel::Nip, 90 }, { PayeeTableModel::Title, 130 }, { PayeeTableModel::Note, 110 } })
        m_table->setColumnWidth(column, width);
    connect(m_table, &QTableView::doubleClicked, this, &PayeeWindow::useClick);

    auto* buttons = new QHBoxLayout;
    const auto button = [&](const QString& text, void (PayeeWindow::*click)()) {
        auto* b = new QPushButton(text, this);
        connect(b, &QPushButton::clicked, this, click);
        buttons->addWidget(b);
        return b;
    };
    button(tr("Użyj"), &PayeeWindow::useClick);
    button(tr("Dodaj…"), &PayeeWindow::addClick);
    button(tr("Zmień…"), &PayeeWindow::editClick);
    button(tr("Usuń"), &PayeeWindow::removeClick);
    button(tr("Połącz"), &PayeeWindow::mergeClick);
    buttons->addStretch();
    button(tr("Importuj CSV…"), &PayeeWindow::importClick);
    button(tr("Eksportuj CSV…"), &PayeeWindow::exportClick);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_search);
    layout->addWidget(m_table);
    layout->addLayout(buttons);
    refresh();
}

void PayeeWindow::refresh()
{
    m_model->setPayees(m_book.find(m_search->text()));
}

std::vector<transfer::Payee> PayeeWindow::chosen() const
{
    std::vector<transfer::Payee> payees;
    const QModelIndexList rows = m_table->selectionModel()->selectedRows();
    for (const QModelIndex& index : rows) {
        if (const transfer::Payee* p = m_model->payee(index.row()))
            payees.push_back(*p);
    }
    // The current row first: it is the one a merge keeps.
    const int current = m_table->currentIndex().row();
    std::stable_partition(payees.begin(), payees.end(), [&](const transfer::Payee& p) {
        const transfer::Payee* c = m_model->payee(current);
        return c && c->id == p.id;
    });
    return payees;
}

void PayeeWindow::editPayee(transfer::Payee payee, const QString& caption)
{
    for (;;) {
        PayeeDialog dialog(payee, this);
        dialog.setWindowTitle(caption);
        if (dialog.exec() != QDialog::Accepted)
            return;
        payee = dialog.payee();
        if (m_book.save(payee))
            break;
        platform::showError(m_book.problem(), this);
    }
    refresh();
}

void PayeeWindow::addClick()
{
    editPayee(transfer::Payee {}, tr("Nowy kontrahent"));
}

void PayeeWindow::editClick()
{
    const std::vector<transfer::Payee> payees = chosen();
    if (!payees.empty())
        editPayee(payees.front(), tr("Kontrahent"));
}

void PayeeWindow::removeClick()
{
    const std::vector<transfer::Payee> payees = chosen();
    if (payees.empty())
        return;
    const QString question = payees.size() == 1
        ? tr("Usunąć z książki kontrahenta „%1”?").arg(payees.front().name)
        : tr("Usunąć z książki %1 kontrahentów?").arg(payees.size());
    if (QMessageBox::question(
            this, windowTitle(), question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        != QMessageBox::Yes)
        return;
    for (const transfer::Payee& p : payees) {
        if (!m_book.remove(p.id)) {
            platform::showError(m_book.problem(), this);
            break;
        }
    }
    refresh();
}

void PayeeWindow::mergeClick()
{
    const std::vector<transfer::Payee> payees = chosen();
    if (payees.size() != 2) {
        platform::showError(tr("Zaznacz dwóch kontrahentów do połączenia"), this);
        return;
    }
    const QString question = tr("Połączyć „%1” i „%2” w jednego kontrahenta? Zostanie „%1” z rachunkiem %3.")
                                 .arg(payees[0].name, payees[1].name, payees[0].account);
    if (QMessageBox::question(
            this, windowTitle(), question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        != QMessageBox::Yes)
        return;
    if (!m_book.merge(payees[0].id, payees[1].id))
        platform::showError(m_book.problem(), this);
    refresh();
}

void PayeeWindow::useClick()
{
    const std::vector<transfer::Payee> payees = chosen();
    if (!payees.empty() && m_use)
        m_use(payees.front());
}

void PayeeWindow::importClick()
{
    const QString name = m_chooseOpen ? m_chooseOpen()
                                      : QFileDialog::getOpenFileName(this, tr("Importuj kontrahentów"),
                                          QDir::homePath(), tr("Pliki CSV (*.csv);;Wszystkie pliki (*)"));
    if (!name.isEmpty())
        importFrom(name);
}

bool PayeeWindow::importFrom(const QString& fileName)
{
    std::vector<transfer::Payee> read;
    try {
        read = transfer::readPayeesCsv(platform::readWholeFile(fileName, platform::ShareMode::DenyWrite));
    } catch (const platform::Error& e) {
        platform::showError(tr("Nie można wczytać kontrahentów z „%1”: %2").arg(fileName, e.message()), this);
        return false;
    }
    // A payee already in the book (same name and account) is left as it is. The book is read once: each
    // payee saved would have it read again.
    const auto keyOf = [](const transfer::Payee& p) {
        return p.name + QLatin1Char('\n') + transfer::accountDigits(p.account);
    };
    QSet<QString> there;
    for (const transfer::Payee& p : m_book.payees())
        there.insert(keyOf(p));
    int added = 0;
    int known = 0;
    for (transfer::Payee& p : read) {
        const QString key = keyOf(p);
        if (there.contains(key)) {
            ++known;
        } else if (m_book.save(p)) {
            there.insert(key);
            ++added;
        } else {
            platform::showError(m_book.problem(), this);
            break;
        }
    }
    refresh();
    QMessageBox::information(
        this, windowTitle(), tr("Dodano kontrahentów: %1. Już byli w książce: %2.").arg(added).arg(known));
    return true;
}

void PayeeWindow::exportClick()
{
    const QString name = chooseCsvToSave(
        this, tr("Eksportuj kontrahentów"), QStringLiteral("kontrahenci.csv"), m_chooseSave);
    if (!name.isEmpty())
        exportTo(name);
}

bool PayeeWindow::exportTo(const QString& fileName)
{
    return saveFileTelling(fileName, transfer::payeesCsv(m_book.payees()), this);
}

} // namespace app
