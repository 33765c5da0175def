// SPDX-License-Identifier: GPL-2.0-or-later
// The main window: the seven values of one transfer, the menu bar "&Dane" and the tool bar with the
// open, print and exit commands, and the remembered payer account.
#pragma once

#include "app/propertiesstore.h"
#include "printout/formfit.h"
#include "transfer/payees.h"
#include "transfer/transferlog.h"
#include "transfer/transferrecord.h"

#include <QIcon>
#include <QList>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <optional>

class QAction;
class QCompleter;
class QLabel;
class QLineEdit;
class QMenuBar;
class QToolBar;

namespace transfer {
struct SourceTransfer;
}

namespace app {

class BatchWindow;
class HistoryWindow;
class PayeeWindow;
class PayerChoice;
class TCurrencyEdit;
class TDateEdit;

class TfMenu : public QWidget {
    Q_OBJECT
public:
    explicit TfMenu(QWidget* parent = nullptr);
    // Stores the payer account (the store's failure is shown through the error display).
    ~TfMenu() override;

    // The images of the actions (ImageList1).
    void setActionImages(const QList<QIcon>& images);

    // How the windows print: the preview of the transfers on a form, a page each, with the file each came
    // from. The main window prints its one transfer through it, the batch window its rows. Until it is
    // set, the print commands end after their checks.
    using Preview = std::function<void(
        const std::vector<transfer::TransferEditorValues>&, const QStringList&, printout::FormKind)>;
    void setPreview(Preview preview) { m_preview = std::move(preview); }
    // Why an amount cannot go on a deposit slip (nothing when it can): the print commands ask before
    // anything is written, and show the reason instead of a page.
    void setDepositCheck(std::function<std::optional<QString>(transfer::Money)> check);
    // What the form of a kind will not show whole of the values: the line under the editors tells it,
    // and the batch window's rows. Until it is set nothing is told.
    using FieldWarnings = std::function<std::vector<printout::FieldWarning>(
        const transfer::TransferEditorValues&, printout::FormKind)>;
    void setFieldWarnings(FieldWarnings warnings);
    // Whether the report is still generating pages; the print commands then do nothing, since a new
    // preview would pull the records from under the running generation.
    void setReportBusy(std::function<bool()> reportBusy) { m_reportBusy = std::move(reportBusy); }

    // "Otwórz wiele…": the batch window (made on first use), shown and asked for files unless some are
    // given. Tests replace the batch window's dialog through batchWindow().
    void aOpenManyExecute();
    void openBatch(const QStringList& paths);
    BatchWindow* batchWindow();

    // The open dialog; tests put a function that returns a path (or an empty text for a cancel).
    void setFileChooser(std::function<QString()> chooser) { m_chooseFile = std::move(chooser); }

    // The transfer as the editors hold it.
    transfer::TransferEditorValues editorValues() const;

    // The form "Wydruk" prints: "Przelew" or "Wpłata gotówkowa" in the "Dane" menu, kept in the registry.
    printout::FormKind formKind() const;
    void setFormKind(printout::FormKind kind);

    void FormCreate();
    // "Nowy przelew" (Ctrl+N): empties the editors but the payer account, makes the recipient's fields
    // editable, puts the cursor in the recipient's name and enables printing.
    void aNewExecute();
    void aOpenExecute();
    void aPrintExecute();
    // Shows the pay-by-phone code of the transfer in the editors (tests find the window as a child).
    void aPaymentCodeExecute();
    // The transfer log the history window reads (not owned); none: the history is empty.
    void setTransferLog(transfer::TransferLog* log) { m_log = log; }
    // The payee book (not owned) that completes the recipient's name and names an account it knows under
    // another name; none: no completion.
    void setPayeeBook(transfer::PayeeBook* book);
    // Puts a payee of the book into the editors: name, account, and its title (selected, so typing
    // replaces it) unless a title is typed; the tax number goes to the pay-by-phone code.
    void takePayee(const transfer::Payee& payee);
    QCompleter* payeeCompleter() const { return m_payeeCompleter; }
    // "Kontrahenci…" (Ctrl+K): the payee book's window, made on first use; a payee used from it goes into
    // the editors, beginning a new transfer when none is begun.
    PayeeWindow* payeeWindow();
    void aPayeesExecute();
    // "Historia…": the history window, made on first use; its reprint loads one transfer into the
    // editors (the file name label says "(z historii)") and several into the batch window.
    HistoryWindow* historyWindow();
    void aHistoryExecute();
    void loadFromHistory(const std::vector<transfer::LogEntry>& entries);
    void Action3Execute();

    // The steps of aOpenExecute after the dialog; raises the file error.
    void loadTransferFile(const QString& path);

    // Components, named as in the window's layout table.
    QMenuBar* ActionMainMenuBar1;
    QToolBar* ActionToolBar1;
    QLabel* lNazwaPliku;
    QLabel* Label5;
    QLineEdit* eOdbiorca;
    QLabel* Label6;
    QLineEdit* eRachunekOdbiorcy;
    QLabel* Label2;
    TCurrencyEdit* ceKwota;
    QLabel* Label7;
    QLineEdit* eRachunekZleceniodawcy;
    QLabel* Label1;
    QLineEdit* eZleceniodawca;
    QLabel* Label3;
    QLineEdit* eTytulem;
    QLabel* Label4;
    TDateEdit* deData;
    // The account checks beside the captions of the two account fields.
    QLabel* lOdbiorcaCheck;
    QLabel* lZleceniodawcaCheck;
    // Beside the captions of the amount and the date: a value of the loaded file that did not reach the
    // editor (hidden once the user types there or another file is loaded).
    QLabel* lKwotaImport;
    QLabel* lDataImport;
    QLabel* lTytulImport; // an invoice's title in the split-payment format
    // Under the editors: what the form will cut, run past its fields or print as "?". It never blocks
    // printing; the window grows by its height while it shows.
    QLabel* lBlankiet;

    QAction* aNew;
    QAction* aOpen;
    QAction* aPrint;
    QAction* aOpenMany;
    QAction* aPaymentCode; // "Kod do zapłaty telefonem…", enabled with aPrint
    QAction* aHistory; // "Historia…" (Ctrl+H)
    QAction* aPayees; // "Kontrahenci…" (Ctrl+K), enabled with a payee book
    // The payer profiles: the choice on the tool bar, and keeping or forgetting the payer in the editors.
    PayerChoice* cbZleceniodawca;
    QAction* aSavePayer;
    QAction* aRemovePayer;
    QAction* aFormPrzelew;
    QAction* aFormWplata;
    QAction* Action3;

    TPropertiesStore PropertiesStore1;

signals:
    // The window has closed (after FormClose): the program ends.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Files dropped on the window open as the command line's do: one in this window, several in the batch.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void FormClose();
    QString chooseTransferFile();
    void updateAccountCheck(QLineEdit* editor, QLabel* caption, QLabel* warning);
    // A warning beside its caption, cut off at the window's edge, its whole text as the tip.
    void showWarning(QLabel* warning, const QString& text);
    void hideImportWarnings();
    void showInvoiceNotes(const transfer::SourceTransfer& invoice);
    BatchWindow* shownBatchWindow();
    void updateFormWarning();
    void showEditorValues(const transfer::TransferEditorValues& values);
    // The recipient's name and account take typing once a transfer is begun (new, opened or reprinted).
    void setRecipientEditable(bool editable);

    Preview m_preview;
    std::function<std::optional<QString>(transfer::Money)> m_depositCheck;
    FieldWarnings m_fieldWarnings;
    std::function<bool()> m_reportBusy;
    std::function<QString()> m_chooseFile;
    QPointer<BatchWindow> m_batch;
    QPointer<HistoryWindow> m_history;
    QPointer<PayeeWindow> m_payeeWindow;
    transfer::TransferLog* m_log = nullptr;
    transfer::PayeeBook* m_payees = nullptr;
    QCompleter* m_payeeCompleter = nullptr;
    QString m_payeeNip; // of the payee last taken, while its name stays in the editor
    QString m_payeeName;
    QString m_rememberedPayer; // the payer account restored at the start: the first payer choice
};

} // namespace app
