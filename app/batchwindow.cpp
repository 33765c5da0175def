// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/batchwindow.h"

#include "app/columnsdialog.h"
#include "app/csvfiles.h"
#include "app/dateedit.h"
#include "app/openfiles.h"
#include "app/payeecompleter.h"
#include "app/payerprofiles.h"
#include "platform/datetime.h"
#include "platform/errordisplay.h"
#include "platform/files.h"
#include "platform/language.h"
#include "platform/registry.h"
#include "transfer/csvexport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

namespace app {

BatchWindow::BatchWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_model(new BatchModel)
    , m_table(new QTableView(this))
    , m_payerAccount(new QLineEdit(this))
    , m_payerChoice(new PayerChoice(this))
    , m_commonDate(new QCheckBox(tr("Wspólna data"), this))
    , m_date(new TDateEdit(this))
    , m_summary(new QLabel(this))
    , m_total(new QLabel(this))
    , m_notes(new QLabel(this))
    , m_form(new QComboBox(this))
    , m_print(new QPushButton(tr("&Wydruk"), this))
    , m_store(QStringLiteral("Zestaw"))
{
    setObjectName(QStringLiteral("fZestaw"));
    setWindowTitle(tr("Zestaw przelewów"));
    setAcceptDrops(true);
    resize(1100, 520);

    m_model->setParent(this);
    m_model->setCheck([this](BatchModel::Row& row) { checkForm(row); });
    connect(m_model, &BatchModel::changed, this, &BatchWindow::updateSummary);
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->verticalHeader()->hide();
    m_table->setWordWrap(false);

    m_payerAccount->setObjectName(QStringLiteral("eRachunekZleceniodawcy"));
    m_store.setComponent(m_payerAccount);
    m_store.restore();
    m_payerChoice->reload(m_payerAccount->text());
    connect(m_payerChoice, &PayerChoice::chosen, this, [this](const PayerProfile& payer) {
        m_payerAccount->setText(payer.account);
        formChanged();
    });
    connect(m_payerAccount, &QLineEdit::textChanged, m_payerChoice, &PayerChoice::showAccount);
    // The common account may run past its field on every row: checked once it is typed, not per key.
    connect(m_payerAccount, &QLineEdit::editingFinished, this, &BatchWindow::formChanged);
    m_date->setEnabled(false);
    connect(m_commonDate, &QCheckBox::toggled, this, [this](bool on) {
        m_date->setEnabled(on);
        // A common date is a date: today until another is chosen, never the rows' dates dropped.
        if (on && m_date->date() <= 0)
            m_date->setDate(platform::today());
    });
    m_form->setObjectName(QStringLiteral("cbFormularz"));
    m_form->addItems({ tr("Przelew"), tr("Wpłata gotówkowa") });
    connect(m_form, &QComboBox::currentIndexChanged, this, &BatchWindow::formChanged);

    auto* add = new QPushButton(tr("&Dodaj pliki…"), this);
    auto* remove = new QPushButton(tr("&Usuń"), this);
    auto* up = new QPushButton(tr("W &górę"), this);
    auto* down = new QPushButton(tr("W &dół"), this);
    auto* save = new QPushButton(tr("&Zapisz zestaw…"), this);
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    save->setToolTip(tr("Zapisuje zestaw jako plik CSV do otwarcia w następnym miesiącu (Ctrl+S)"));
    connect(save, &QPushButton::clicked, this, &BatchWindow::saveSetClick);
    connect(add, &QPushButton::clicked, this,
        [this] { platform::runGuarded([this] { addFilesClick(); }, this); });
    connect(remove, &QPushButton::clicked, this, &BatchWindow::removeClick);
    connect(up, &QPushButton::clicked, this, [this] { moveClick(-1); });
    connect(down, &QPushButton::clicked, this, [this] { moveClick(1); });
    connect(m_print, &QPushButton::clicked, this,
        [this] { platform::runGuarded([this] { printClick(); }, this); });

    auto* common = new QHBoxLayout;
    common->addWidget(m_form);
    common->addWidget(new QLabel(tr("Nr rachunku zleceniodawcy"), this));
    common->addWidget(m_payerAccount, 1);
    common->addWidget(m_payerChoice);
    common->addWidget(m_commonDate);
    common->addWidget(m_date);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : { add, remove, up, down, save })
        buttons->addWidget(b);
    buttons->addWidget(m_summary);
    buttons->addWidget(m_total, 1);
    buttons->addWidget(m_print);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(common);
    layout->addWidget(m_table, 1);
    m_notes->setWordWrap(true);
    m_notes->hide();
    layout->addWidget(m_notes);
    layout->addLayout(buttons);
    updateSummary();
}

BatchWindow::~BatchWindow()
{
    m_store.storeAndReport();
}

void BatchWindow::addFiles(const QStringList& paths)
{
    std::vector<BatchModel::Row> rows;
    for (const QString& path : paths) {
        platform::runGuarded(
            [&] {
                const QString name = QFileInfo(path).fileName();
                const std::string bytes = transfer::readSourceFile(path);
                const transfer::SourceKind kind = transfer::sourceKindOf(path, bytes);
                transfer::SourceTransfers read = transfer::readTransferBytes(bytes, kind, path,
                    kind == transfer::SourceKind::Csv ? columnChoices(name, bytes)
                                                      : transfer::ColumnChoices {});
                if (!read.ignoredColumns.isEmpty())
                    m_ignoredColumns << QStringLiteral("%1: %2").arg(
                        name, read.ignoredColumns.join(QStringLiteral(", ")));
                for (transfer::SourceTransfer& transfer : read.transfers) {
                    BatchModel::Row row;
                    row.source = transfer::sourceName(transfer);
                    row.transfer = std::move(transfer);
                    rows.push_back(std::move(row));
                }
            },
            this);
    }
    addRows(std::move(rows));
    m_notes->setText(m_ignoredColumns.isEmpty()
            ? QString()
            : tr("Pominięte kolumny – %1").arg(m_ignoredColumns.join(QStringLiteral("; "))));
    m_notes->setVisible(!m_ignoredColumns.isEmpty());
    // Each column as wide as its texts, long names and titles within reason.
    m_table->resizeColumnsToContents();
    for (int column : { State, Recipient, Account, Title })
        m_table->setColumnWidth(column, std::min(m_table->columnWidth(column), 240));
    updateSummary();
}

void BatchWindow::addTransfers(std::vector<transfer::SourceTransfer> transfers, const QString& source)
{
    std::vector<BatchModel::Row> rows;
    for (transfer::SourceTransfer& t : transfers) {
        BatchModel::Row row;
        row.source = source;
        transfer::checkTransfer(t.values, t.problems);
        row.transfer = std::move(t);
        rows.push_back(std::move(row));
    }
    addRows(std::move(rows));
    updateSummary();
}

transfer::ColumnChoices BatchWindow::columnChoices(const QString& fileName, std::string_view bytes)
{
    const QStringList unknown = transfer::unknownCsvColumns(bytes);
    if (unknown.isEmpty())
        return {};
    if (std::optional<transfer::ColumnChoices> remembered = rememberedColumns(unknown))
        return *remembered;
    std::optional<transfer::ColumnChoices> chosen;
    if (m_chooseColumns) {
        chosen = m_chooseColumns(fileName, unknown);
    } else {
        ColumnsDialog dialog(fileName, unknown, this);
        if (dialog.exec() == QDialog::Accepted)
            chosen = dialog.choices();
    }
    if (!chosen)
        return {}; // passed over, as the ignored columns are
    if (!rememberColumns(unknown, *chosen))
        platform::showError(
            tr("Cannot write the registry file \"%1\"").arg(platform::Registry::filePath()), this);
    return *chosen;
}

// A set begun with rows that all name one form (the history's, or its CSV export) prints on that form, so
// the rows are checked against it as they come in.
void BatchWindow::addRows(std::vector<BatchModel::Row> rows)
{
    if (m_model->rows().empty())
        adoptForm(rows);
    m_model->append(std::move(rows));
}

void BatchWindow::adoptForm(const std::vector<BatchModel::Row>& rows)
{
    QString named;
    for (const BatchModel::Row& row : rows) {
        if (row.transfer.form.isEmpty())
            continue;
        if (!named.isEmpty() && named != row.transfer.form)
            return;
        named = row.transfer.form;
    }
    if (const std::optional<printout::FormKind> kind = printout::formKindNamed(named);
        kind && *kind != formKind())
        setFormKind(*kind);
}

std::vector<transfer::TransferEditorValues> BatchWindow::transfersToPrint(QStringList* sources) const
{
    std::vector<transfer::TransferEditorValues> transfers;
    for (const BatchModel::Row& row : m_model->rows()) {
        if (!row.prints())
            continue;
        transfer::TransferEditorValues values = row.transfer.values;
        if (values.payerAccount.trimmed().isEmpty()) // a CSV row may name its own
            values.payerAccount = m_payerAccount->text();
        if (m_commonDate->isChecked())
            values.date = m_date->date();
        transfers.push_back(values);
        if (sources)
            sources->append(row.source);
    }
    return transfers;
}

int BatchWindow::readyCount() const
{
    return int(transfersToPrint().size());
}

printout::FormKind BatchWindow::formKind() const
{
    return m_form->currentIndex() == 1 ? printout::FormKind::Deposit : printout::FormKind::Transfer;
}

void BatchWindow::setFormKind(printout::FormKind kind)
{
    m_form->setCurrentIndex(kind == printout::FormKind::Deposit ? 1 : 0);
}

void BatchWindow::setDepositCheck(std::function<std::optional<QString>(transfer::Money)> check)
{
    m_depositCheck = std::move(check);
    formChanged();
}

void BatchWindow::setFieldWarnings(std::function<std::vector<printout::FieldWarning>(
        const transfer::TransferEditorValues&, printout::FormKind)>
        warnings)
{
    m_fieldWarnings = std::move(warnings);
    formChanged();
}

void BatchWindow::checkForm(BatchModel::Row& row) const
{
    const QString form = printout::formKindName(formKind());
    row.formFault = row.transfer.form.isEmpty() || row.transfer.form == form
        ? QString()
        : tr("wiersz jest na formularz „%1”, a zestaw na „%2”").arg(row.transfer.form, form);
    std::erase_if(row.transfer.problems, [](const transfer::Problem& p) {
        return p.kind == transfer::Problem::Kind::PrintedBefore
            || p.kind == transfer::Problem::Kind::KnownAccount;
    });
    if (m_payees) {
        const transfer::TransferEditorValues& v = row.transfer.values;
        if (const std::optional<QString> owner = m_payees->otherOwner(v.recipientName, v.recipientAccount))
            row.transfer.problems.push_back(
                { transfer::Problem::Kind::KnownAccount, transfer::Field::NDKonto, 0, *owner });
    }
    if (m_printedBefore) {
        if (const std::optional<QDateTime> when = m_printedBefore(row.transfer.values))
            row.transfer.problems.push_back({ transfer::Problem::Kind::PrintedBefore, transfer::Field::None,
                0, when->toLocalTime().toString(QStringLiteral("d.MM.yyyy")) });
    }
    row.depositFault.clear();
    if (formKind() == printout::FormKind::Deposit && m_depositCheck && row.transfer.values.amount) {
        if (const std::optional<QString> problem = m_depositCheck(*row.transfer.values.amount))
            row.depositFault = *problem;
    }
    row.formWarning.clear();
    if (m_fieldWarnings) {
        transfer::TransferEditorValues values = row.transfer.values;
        if (values.payerAccount.trimmed().isEmpty())
            values.payerAccount = m_payerAccount->text();
        row.formWarning = printout::warningLine(m_fieldWarnings(values, formKind()));
    }
}

void BatchWindow::formChanged()
{
    m_model->recheck();
    updateSummary();
}

void BatchWindow::setPayeeBook(transfer::PayeeBook* book)
{
    m_payees = book;
    QAbstractItemDelegate* old = m_table->itemDelegateForColumn(Recipient);
    m_table->setItemDelegateForColumn(Recipient, nullptr);
    delete old;
    if (book) {
        auto* delegate = new PayeeDelegate(*book, m_table);
        connect(delegate, &PayeeDelegate::payeeChosen, this, &BatchWindow::takePayee);
        m_table->setItemDelegateForColumn(Recipient, delegate);
    }
    formChanged();
}

void BatchWindow::takePayee(int index, const transfer::Payee& payee)
{
    if (index < 0 || index >= m_model->rowCount())
        return;
    // Each cell as if typed: read and checked as the user's own edits are.
    m_model->setText(index, Recipient, payee.name);
    m_model->setText(index, Account, payee.account);
    if (m_model->rows()[std::size_t(index)].transfer.values.title.isEmpty())
        m_model->setText(index, Title, payee.offeredTitle());
}

void BatchWindow::saveSetClick()
{
    const QString name
        = chooseCsvToSave(this, tr("Zapisz zestaw"), QStringLiteral("zestaw.csv"), m_chooseSave);
    if (!name.isEmpty())
        saveSetTo(name);
}

bool BatchWindow::saveSetTo(const QString& fileName)
{
    std::vector<transfer::TransferEditorValues> transfers;
    std::vector<QString> amounts; // the text of an amount that could not be read, kept for the user
    for (const BatchModel::Row& row : m_model->rows()) {
        transfers.push_back(row.transfer.values);
        QString refused;
        for (const transfer::Problem& p : row.transfer.problems) {
            if (p.field == transfer::Field::Kwota && !row.transfer.values.amount)
                refused = p.value;
        }
        amounts.push_back(refused);
    }
    return saveFileTelling(
        fileName, transfer::transferSetCsv(transfers, printout::formKindName(formKind()), amounts), this);
}

void BatchWindow::updateSummary()
{
    const int ready = readyCount();
    m_summary->setText(tr("Gotowe do wydruku: %1 z %2").arg(ready).arg(m_model->rowCount()));
    m_total->setText(transfer::totalText(transfersToPrint(), platform::shownLanguage()));
    m_print->setEnabled(ready > 0);
}

void BatchWindow::addFilesClick()
{
    QStringList paths;
    if (m_chooseFiles) {
        paths = m_chooseFiles();
    } else {
        paths = QFileDialog::getOpenFileNames(this, QString(), QString(),
            tr("Przelewy (*.txt *.csv);;Pliki tekstowe (*.txt);;Pliki CSV (*.csv);;Wszystkie pliki (*)"));
    }
    addFiles(paths);
}

void BatchWindow::removeClick()
{
    const QModelIndexList selected = m_table->selectionModel()->selectedRows();
    std::vector<int> rows;
    for (const QModelIndex& index : selected)
        rows.push_back(index.row());
    m_model->remove(rows);
}

void BatchWindow::moveClick(int step)
{
    const QModelIndex current = m_table->currentIndex();
    const int from = current.row();
    const int to = from + step;
    if (from < 0 || to < 0 || to >= m_model->rowCount())
        return;
    m_model->swap(from, to);
    m_table->setCurrentIndex(m_model->index(to, current.column()));
}

void BatchWindow::printClick()
{
    QStringList sources;
    const std::vector<transfer::TransferEditorValues> transfers = transfersToPrint(&sources);
    if (!transfers.empty() && m_printTransfers)
        m_printTransfers(transfers, sources, formKind());
}

void BatchWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void BatchWindow::dropEvent(QDropEvent* event)
{
    addFiles(droppedFiles(*event->mimeData()));
    event->acceptProposedAction();
}

} // namespace app
