// SPDX-License-Identifier: GPL-2.0-or-later
// The batch window "Zestaw przelewów": many transfers from several transfer files and CSV files, one row
// each, checked, corrected and reordered before they print as one report with a page per checked row.
#pragma once

#include "app/batchmodel.h"
#include "app/propertiesstore.h"
#include "printout/formfit.h"
#include "transfer/payees.h"
#include "transfer/transferreader.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace app {

class PayerChoice;
class TDateEdit;

class BatchWindow : public QWidget {
    Q_OBJECT
public:
    // The table's columns.
    using Column = BatchModel::Column;
    static constexpr Column Print = BatchModel::Print, Source = BatchModel::Source, State = BatchModel::State,
                            Recipient = BatchModel::Recipient, Account = BatchModel::Account,
                            Amount = BatchModel::Amount, Payer = BatchModel::Payer, Title = BatchModel::Title,
                            Date = BatchModel::Date;

    explicit BatchWindow(QWidget* parent = nullptr);
    // Stores the common payer account.
    ~BatchWindow() override;

    // Adds the transfers of the files, in order: a transfer file gives one row, a CSV file one per row.
    // A file that cannot be opened is reported through the error display; the others still load.
    void addFiles(const QStringList& paths);
    // Adds transfers read elsewhere (the history), each with the source its row shows and the form it names.
    void addTransfers(std::vector<transfer::SourceTransfer> transfers, const QString& source);

    // What "Wydruk" does with the transfers of the checked rows that are ready, in table order, where each
    // came from, and the form chosen for the whole set.
    void setPrintTransfers(std::function<void(
            const std::vector<transfer::TransferEditorValues>&, const QStringList&, printout::FormKind)>
            print)
    {
        m_printTransfers = std::move(print);
    }
    // The form of the whole set; on a deposit slip a row whose amount the slip cannot carry is not ready.
    printout::FormKind formKind() const;
    void setFormKind(printout::FormKind kind);
    // Why an amount cannot go on a deposit slip (nothing when it can).
    void setDepositCheck(std::function<std::optional<QString>(transfer::Money)> check);
    // When the same transfer was printed lately (the log): told in the row's state, never blocking it.
    void setPrintedBefore(
        std::function<std::optional<QDateTime>(const transfer::TransferEditorValues&)> printed)
    {
        m_printedBefore = std::move(printed);
        formChanged();
    }
    // What the form will not show whole of a row's values: told in the row's state, never blocking it.
    void setFieldWarnings(std::function<std::vector<printout::FieldWarning>(
            const transfer::TransferEditorValues&, printout::FormKind)>
            warnings);
    // The payee book (not owned): the recipient cells are completed from it, and a row whose account it
    // knows under another name says so, never blocked.
    void setPayeeBook(transfer::PayeeBook* book);
    // The open dialog; tests put a function that returns paths (none for a cancel).
    void setFilesChooser(std::function<QStringList()> chooser) { m_chooseFiles = std::move(chooser); }
    // What a CSV file's columns unknown by name hold, asked when they were never answered before ("Kolumny
    // pliku"); tests put a function that answers (nothing for a cancel, which passes the columns over).
    using ColumnsChooser = std::function<std::optional<transfer::ColumnChoices>(
        const QString& fileName, const QStringList& columns)>;
    void setColumnsChooser(ColumnsChooser chooser) { m_chooseColumns = std::move(chooser); }
    // The save dialog of "Zapisz zestaw…"; tests put a function that returns a path (empty for a cancel).
    void setSaveChooser(std::function<QString()> chooser) { m_chooseSave = std::move(chooser); }

    // The transfers of the checked rows that are ready, in table order, with the common account and date;
    // and what each row's source column says.
    std::vector<transfer::TransferEditorValues> transfersToPrint(QStringList* sources = nullptr) const;
    int readyCount() const;

    QTableView* table() const { return m_table; }
    BatchModel* model() const { return m_model; }
    QLineEdit* payerAccount() const { return m_payerAccount; }
    // The payer profiles, as in the main window: choosing one puts its account into the common field.
    PayerChoice* payerChoice() const { return m_payerChoice; }
    QCheckBox* commonDateSwitch() const { return m_commonDate; }
    TDateEdit* commonDate() const { return m_date; }
    QLabel* summary() const { return m_summary; }
    // "Razem: 3 przelewy, 1 234,50 zł": the rows that print, and their sum.
    QLabel* total() const { return m_total; }
    QLabel* notes() const { return m_notes; }
    QComboBox* formChoice() const { return m_form; }
    QPushButton* printButton() const { return m_print; }

    void addFilesClick();
    void removeClick();
    void moveClick(int step);
    void printClick();
    // "Zapisz zestaw…" (Ctrl+S): every row as it now stands, and the set's form, as a CSV file that opens
    // again as the same set.
    void saveSetClick();
    // Writes the set to the file; false after telling the user why not.
    bool saveSetTo(const QString& fileName);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void checkForm(BatchModel::Row& row) const;
    void formChanged();
    void addRows(std::vector<BatchModel::Row> rows);
    void adoptForm(const std::vector<BatchModel::Row>& rows);
    void updateSummary();

    BatchModel* m_model;
    QTableView* m_table;
    QLineEdit* m_payerAccount;
    PayerChoice* m_payerChoice;
    QCheckBox* m_commonDate;
    TDateEdit* m_date;
    QLabel* m_summary;
    QLabel* m_total;
    QLabel* m_notes; // the columns of the CSV files that were ignored
    QStringList m_ignoredColumns;
    QComboBox* m_form;
    QPushButton* m_print;
    TPropertiesStore m_store;
    std::function<void(
        const std::vector<transfer::TransferEditorValues>&, const QStringList&, printout::FormKind)>
        m_printTransfers;
    std::function<std::optional<QString>(transfer::Money)> m_depositCheck;
    std::function<std::vector<printout::FieldWarning>(
        const transfer::TransferEditorValues&, printout::FormKind)>
        m_fieldWarnings;
    std::function<QStringList()> m_chooseFiles;
    std::function<QString()> m_chooseSave;
    ColumnsChooser m_chooseColumns;

    // How the CSV file's unknown columns are read: as answered before, else as the user says now.
    transfer::ColumnChoices columnChoices(const QString& fileName, std::string_view bytes);
    std::function<std::optional<QDateTime>(const transfer::TransferEditorValues&)> m_printedBefore;
    transfer::PayeeBook* m_payees = nullptr;

    // A payee chosen in a row's recipient cell: its name and account, and its title for an empty one.
    void takePayee(int index, const transfer::Payee& payee);
};

} // namespace app
