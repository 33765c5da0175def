// SPDX-License-Identifier: GPL-2.0-or-later
// The batch window through its real widgets: files and CSV rows in, rows that cannot be read kept out,
// corrections in the table, order and checks, the common account and date, and what "Wydruk" hands on.
#include "app/batchwindow.h"
#include "app/columnsdialog.h"
#include "app/dateedit.h"
#include "app/fmenu.h"
#include "app/openfiles.h"
#include "data/dm2.h"
#include "platform/datetime.h"
#include "support/apptestsupport.h"
#include "support/files.h"
#include "support/money.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDate>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <memory>

using namespace app;

namespace {

class BatchWindowTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        window = std::make_unique<BatchWindow>();
        window->setColumnsChooser([](const QString&, const QStringList&) { return std::nullopt; });
        window->setPrintTransfers([this](const std::vector<transfer::TransferEditorValues>& t,
                                      const QStringList& sources, printout::FormKind kind) {
            printed = t;
            printedSources = sources;
            printedKind = kind;
        });
        csv = testsupport::writeFileIn(files, QStringLiteral("lista.csv"),
            "NDNazwa;NDKonto;Kwota;Tytulem;Data\n"
            "Alfa;61 1090 1014 0000 0712 1981 2874;10,50;Faktura 1;09.12.2026\n"
            "Beta;61 1090 1014 0000 0712 1981 2874;dużo;Faktura 2;09.12.2026\n"
            "Gamma;61 1090 1014 0000 0712 1981 2874;30,00;Faktura 3;10.12.2026\n");
        single = testsupport::writeFileIn(files, QStringLiteral("jeden.txt"),
            "NDNazwa=Delta\nNDKONTOKONTR=61\nNDKonto=1090 1014 0000 0712 1981 2874\nKwota=4,00\n");
    }
    QString cell(int row, int column) const { return window->model()->index(row, column).data().toString(); }
    Qt::CheckState ticked(int row) const
    {
        return window->model()
            ->index(row, BatchWindow::Print)
            .data(Qt::CheckStateRole)
            .value<Qt::CheckState>();
    }
    void tick(int row, Qt::CheckState state)
    {
        window->model()->setData(window->model()->index(row, BatchWindow::Print), state, Qt::CheckStateRole);
    }
    std::vector<QString> printedTitles() const
    {
        std::vector<QString> titles;
        for (const transfer::TransferEditorValues& v : printed)
            titles.push_back(v.title);
        return titles;
    }

    QTemporaryDir files;
    QString csv, single;
    std::unique_ptr<BatchWindow> window;
    std::vector<transfer::TransferEditorValues> printed;
    QStringList printedSources;
    printout::FormKind printedKind = printout::FormKind::Transfer;
};

} // namespace

TEST_F(BatchWindowTest, RowsWithTheirSourceStateAndTheReadyCount)
{
    window->addFiles({ csv, single });
    ASSERT_EQ(window->model()->rowCount(), 4);
    EXPECT_EQ(cell(0, BatchWindow::Source), QStringLiteral("lista.csv, wiersz 2"));
    EXPECT_EQ(cell(3, BatchWindow::Source), QStringLiteral("jeden.txt"));
    EXPECT_EQ(cell(0, BatchWindow::Amount), QStringLiteral("10,50"));
    EXPECT_EQ(cell(0, BatchWindow::State), QStringLiteral("Gotowy"));
    EXPECT_EQ(cell(1, BatchWindow::State), QStringLiteral("kwota „dużo” nie jest liczbą"));
    EXPECT_EQ(window->summary()->text(), QStringLiteral("Gotowe do wydruku: 3 z 4"));

    window->printClick();
    EXPECT_EQ(printedTitles(), (std::vector<QString> { "Faktura 1", "Faktura 3", "" }));
    // Each transfer goes to the log with the row it came from.
    EXPECT_EQ(printedSources,
        (QStringList { QStringLiteral("lista.csv, wiersz 2"), QStringLiteral("lista.csv, wiersz 4"),
            QStringLiteral("jeden.txt") }));
}

// Invoices are rows like any other: named by their number, dated by their due date, not ready when they
// cannot be paid.
TEST_F(BatchWindowTest, InvoicesAreRowsNamedByTheirNumber)
{
    QByteArray fa3 = testsupport::readFile(QStringLiteral(PRZELEW_TEST_DATA "/invoices/fa3.xml"));
    const QString paid = testsupport::writeFileIn(files, QStringLiteral("zaplacona.xml"),
        QByteArray(fa3).replace(">1</fa:ZnacznikZaplatyCzesciowej>", ">2</fa:ZnacznikZaplatyCzesciowej>"));
    window->addFiles({ testsupport::writeFileIn(files, QStringLiteral("fa3.xml"), fa3), paid,
        testsupport::writeFileIn(files, QStringLiteral("inny.xml"), "<Invoice/>") });
    ASSERT_EQ(window->model()->rowCount(), 3);
    EXPECT_EQ(cell(0, BatchWindow::Source), QStringLiteral("12/HP/2026, fa3.xml"));
    EXPECT_EQ(cell(0, BatchWindow::Date), QStringLiteral("15.01.2099"));
    EXPECT_TRUE(cell(0, BatchWindow::State).contains(QStringLiteral("faktura podaje też inne rachunki")));
    EXPECT_EQ(cell(1, BatchWindow::State), QStringLiteral("faktura jest już zapłacona"));
    EXPECT_EQ(cell(2, BatchWindow::Source), QStringLiteral("inny.xml"));
    EXPECT_EQ(cell(2, BatchWindow::State),
        QStringLiteral(
            "plik nie jest fakturą ustrukturyzowaną FA(2) ani FA(3): jego element główny to <Invoice>"));
    EXPECT_EQ(window->summary()->text(), QStringLiteral("Gotowe do wydruku: 1 z 3"));
    window->printClick();
    EXPECT_EQ(printedSources, QStringList { QStringLiteral("12/HP/2026, fa3.xml") });
}

TEST_F(BatchWindowTest, CorrectionsOrderChecksAndCommonValues)
{
    window->addFiles({ csv });
    // The amount the file could not give is typed into the table: the row is ready.
    window->model()->setText(1, BatchWindow::Amount, QStringLiteral("20,5"));
    EXPECT_EQ(cell(1, BatchWindow::State), QStringLiteral("Gotowy"));
    EXPECT_EQ(cell(1, BatchWindow::Amount), QStringLiteral("20,50"));
    // A date that is none keeps the row out until it is one.
    window->model()->setText(2, BatchWindow::Date, QStringLiteral("31.02.2026"));
    EXPECT_EQ(cell(2, BatchWindow::State), QStringLiteral("data „31.02.2026” nie jest datą"));
    window->model()->setText(2, BatchWindow::Date, QStringLiteral("1.03.2026"));

    window->table()->setCurrentIndex(window->model()->index(2, BatchWindow::Title));
    window->moveClick(-1); // Faktura 3 before Faktura 2
    tick(0, Qt::Unchecked);
    window->payerAccount()->setText(QStringLiteral("PL 12 3456"));
    window->commonDateSwitch()->setChecked(true);
    EXPECT_EQ(window->commonDate()->date(), platform::today());
    window->commonDate()->setDate(platform::toDays(QDate(2026, 12, 24)));
    EXPECT_EQ(window->summary()->text(), QStringLiteral("Gotowe do wydruku: 2 z 3"));

    window->printClick();
    ASSERT_EQ(printedTitles(), (std::vector<QString> { "Faktura 3", "Faktura 2" }));
    for (const transfer::TransferEditorValues& v : printed) {
        EXPECT_EQ(v.payerAccount, QStringLiteral("PL 12 3456"));
        EXPECT_EQ(v.date, platform::toDays(QDate(2026, 12, 24)));
    }
    EXPECT_EQ(printed[1].amount, "20,5"_zl);

    window->table()->selectRow(0);
    window->removeClick();
    EXPECT_EQ(window->model()->rowCount(), 2);
    EXPECT_EQ(cell(0, BatchWindow::Title), QStringLiteral("Faktura 3"));
}

// A row is ready by the reader's one rule: a doubtful amount, no recipient or no amount above zero keep it
// out until corrected in the table; an account failing its check is left unticked, and prints when the
// user ticks it. A bank's header is read, and the columns it ignores are named.
TEST_F(BatchWindowTest, RowsAreReadyByOneRuleAndSayWhy)
{
    const QString bank = testsupport::writeFileIn(files, QStringLiteral("bank.csv"),
        "Nazwa odbiorcy;Rachunek odbiorcy;Kwota;Tytuł;Uwagi\n"
        "Alfa;61 1090 1014 0000 0712 1981 2874;1 234,56;A;\n"
        "Beta;61 1090 1014 0000 0712 1981 2874;12,345;B;\n"
        ";61 1090 1014 0000 0712 1981 2874;5,00;C;\n"
        "Delta;62 1090 1014 0000 0712 1981 2874;5,00;D;\n"
        "Eta;61 1090 1014 0000 0712 1981 2874;0;E;\n");
    window->addFiles({ bank });
    struct Expect {
        const char* state;
        Qt::CheckState check;
    };
    const Expect rows[] = {
        { "Gotowy", Qt::Checked },
        { "kwota „12,345” ma trzy miejsca po przecinku albo separator tysięcy", Qt::Unchecked },
        { "brak nazwy odbiorcy", Qt::Unchecked },
        { "błędna suma kontrolna rachunku odbiorcy „62 1090 1014 0000 0712 1981 2874” – zaznacz, by mimo to "
          "drukować",
            Qt::Unchecked },
        { "kwota 0,00 nie jest większa od zera", Qt::Unchecked },
    };
    ASSERT_EQ(window->model()->rowCount(), int(std::size(rows)));
    for (int i = 0; i < int(std::size(rows)); ++i) {
        EXPECT_TRUE(cell(i, BatchWindow::State).startsWith(QString::fromUtf8(rows[i].state)))
            << i << ": " << cell(i, BatchWindow::State).toStdString();
        EXPECT_EQ(ticked(i), rows[i].check) << i;
    }
    EXPECT_EQ(cell(0, BatchWindow::Amount), QStringLiteral("1234,56"));
    EXPECT_EQ(window->notes()->text(), QStringLiteral("Pominięte kolumny – bank.csv: Uwagi"));

    // Ticked, the doubtful account prints and says so; the refused rows never print ticked.
    tick(3, Qt::Checked);
    EXPECT_TRUE(cell(3, BatchWindow::State).endsWith(QStringLiteral("drukowany mimo to")));
    tick(1, Qt::Checked);
    EXPECT_EQ(window->readyCount(), 2);
    // Typed amounts are read as the file's are: grouped is taken, a third decimal is not.
    window->model()->setText(1, BatchWindow::Amount, QStringLiteral("1.234,5"));
    EXPECT_EQ(cell(1, BatchWindow::State), QStringLiteral("Gotowy"));
    window->model()->setText(4, BatchWindow::Amount, QStringLiteral("10,999"));
    EXPECT_TRUE(cell(4, BatchWindow::State).startsWith(QStringLiteral("kwota „10,999”")));
    window->model()->setText(2, BatchWindow::Recipient, QStringLiteral("Gamma"));
    EXPECT_EQ(ticked(2), Qt::Checked);
    window->printClick();
    EXPECT_EQ(printedTitles(), (std::vector<QString> { "A", "B", "C", "D" }));
    EXPECT_EQ(printed[1].amount, "1234,50"_zl);
}

// A set begun from rows of one form (the history's export) prints on it; a row naming the other form is
// not ready until the set's form is its own. A transfer the log has lately is marked, and still prints.
TEST_F(BatchWindowTest, RowsKeepTheirFormAndSayWhenPrintedBefore)
{
    const QString exported = testsupport::writeFileIn(files, QStringLiteral("eksport.csv"),
        "NDNazwa;NDKonto;Kwota;Tytulem;Formularz\n"
        "Alfa;61 1090 1014 0000 0712 1981 2874;10,00;A;wplata\n"
        "Beta;61 1090 1014 0000 0712 1981 2874;20,00;B;wplata\n");
    const QString other = testsupport::writeFileIn(files, QStringLiteral("inny.csv"),
        "NDNazwa;NDKonto;Kwota;Tytulem;Formularz\nGamma;61 1090 1014 0000 0712 1981 2874;30,00;C;przelew\n");
    window->setPrintedBefore([](const transfer::TransferEditorValues& v) -> std::optional<QDateTime> {
        if (v.title == QLatin1String("B"))
            return QDateTime(QDate(2026, 12, 3), QTime(12, 0));
        return std::nullopt;
    });
    window->addFiles({ exported });
    EXPECT_EQ(window->formKind(), printout::FormKind::Deposit);
    EXPECT_EQ(cell(1, BatchWindow::State), QStringLiteral("Gotowy – ten przelew wydrukowano już 3.12.2026"));
    window->addFiles({ other });
    EXPECT_EQ(cell(2, BatchWindow::State),
        QStringLiteral("wiersz jest na formularz „przelew”, a zestaw na „wplata”"));
    window->printClick();
    EXPECT_EQ(printedTitles(), (std::vector<QString> { "A", "B" }));
    EXPECT_EQ(printedKind, printout::FormKind::Deposit);
}

// A set saved (Ctrl+S) opens again as the same set: every row as it stood, corrections and refused
// amounts included, on the set's form.
TEST_F(BatchWindowTest, ASavedSetOpensAgainAsTheSameSet)
{
    window->addFiles({ csv, single });
    window->formChoice()->setCurrentIndex(1);
    window->model()->setText(0, BatchWindow::Title, QStringLiteral("Czynsz; grudzień"));
    const QString saved = files.filePath(QStringLiteral("zestaw.csv"));
    window->setSaveChooser([&] { return files.filePath(QStringLiteral("zestaw")); });
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window->payerAccount(), Qt::Key_S, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(saved); })); // the button's click is animated

    BatchWindow reopened;
    reopened.addFiles({ saved });
    ASSERT_EQ(reopened.model()->rowCount(), 4);
    EXPECT_EQ(reopened.formKind(), printout::FormKind::Deposit);
    for (int row = 0; row < 4; ++row) {
        for (int column : { BatchWindow::State, BatchWindow::Recipient, BatchWindow::Account,
                 BatchWindow::Amount, BatchWindow::Title, BatchWindow::Date })
            EXPECT_EQ(
                reopened.model()->index(row, column).data().toString().trimmed(), cell(row, column).trimmed())
                << row << "," << column;
    }
    EXPECT_EQ(reopened.total()->text(), window->total()->text());
    EXPECT_TRUE(errors.isEmpty());
}

// A recipient cell is completed from the payee book, bringing the payee's account; a row whose account
// the book knows under another name says so and stays ready.
TEST_F(BatchWindowTest, RecipientsCompletedFromThePayeeBook)
{
    transfer::TransferLog log(files.filePath(QStringLiteral("przelew.sqlite")));
    transfer::PayeeBook book(log);
    transfer::Payee payee;
    payee.name = QStringLiteral("Spółdzielnia Łódź");
    payee.account = QStringLiteral("61109010140000071219812874");
    ASSERT_TRUE(book.save(payee));
    window->setPayeeBook(&book);
    window->addFiles({ csv });
    EXPECT_EQ(cell(0, BatchWindow::State),
        QStringLiteral("Gotowy – ten rachunek należy w książce do: Spółdzielnia Łódź"));

    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->table()->edit(window->table()->model()->index(0, BatchWindow::Recipient));
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    editor->clear();
    QTest::keyClicks(editor, QStringLiteral("LODZ"));
    auto* completer = editor->findChild<QCompleter*>();
    ASSERT_NE(completer, nullptr);
    ASSERT_TRUE(completer->popup()->isVisible());
    QTest::keyClick(completer->popup(), Qt::Key_Down);
    QTest::keyClick(completer->popup(), Qt::Key_Return);
    EXPECT_EQ(cell(0, BatchWindow::Recipient), payee.name);
    EXPECT_EQ(cell(0, BatchWindow::Account), payee.account);
    EXPECT_EQ(cell(0, BatchWindow::Title), QStringLiteral("Faktura 1")); // a title typed stays
    EXPECT_EQ(cell(0, BatchWindow::State), QStringLiteral("Gotowy"));
}

// A CSV whose columns the import does not know by name asks what they hold, once for those columns.
TEST_F(BatchWindowTest, UnknownColumnsAreAskedAboutOnce)
{
    window->setColumnsChooser(nullptr);
    const QByteArray bank = "Kontrahent;Numer konta;Kwota;Opis operacji\n"
                            "Alfa;61 1090 1014 0000 0712 1981 2874;12,50;FV 1\n";
    const QString first = testsupport::writeFileIn(files, QStringLiteral("styczen.csv"), bank);
    const QString second = testsupport::writeFileIn(files, QStringLiteral("luty.csv"), bank);
    whenModal([](QWidget* modal) {
        auto* dialog = qobject_cast<ColumnsDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->choice(0)->setCurrentText(QStringLiteral("Nazwa odbiorcy"));
        dialog->choice(1)->setCurrentText(QStringLiteral("Rachunek odbiorcy"));
        dialog->choice(2)->setCurrentText(QStringLiteral("Tytułem"));
        dialog->accept();
    });
    window->addFiles({ first });
    window->addFiles({ second }); // no second question: it would never be answered
    ASSERT_EQ(window->model()->rowCount(), 2);
    for (int row : { 0, 1 }) {
        EXPECT_EQ(cell(row, BatchWindow::Recipient), QStringLiteral("Alfa"));
        EXPECT_EQ(cell(row, BatchWindow::Title), QStringLiteral("FV 1"));
        EXPECT_EQ(cell(row, BatchWindow::State), QStringLiteral("Gotowy"));
    }
    EXPECT_TRUE(window->notes()->isHidden());
}

// On deposit slips a row whose amount the slip cannot carry says why and is not ready; the set prints as
// the form chosen for it.
TEST_F(BatchWindowTest, DepositSlipsCheckEveryAmount)
{
    window->setDepositCheck([](transfer::Money amount) -> std::optional<QString> {
        if (amount > "20"_zl)
            return QStringLiteral("za długa");
        return std::nullopt;
    });
    window->addFiles({ csv });
    EXPECT_EQ(window->summary()->text(), QStringLiteral("Gotowe do wydruku: 2 z 3"));
    EXPECT_EQ(window->total()->text(), QStringLiteral("Razem: 2 przelewy, 40,50 zł"));
    window->formChoice()->setCurrentIndex(1);
    EXPECT_EQ(window->formKind(), printout::FormKind::Deposit);
    EXPECT_EQ(cell(2, BatchWindow::State), QStringLiteral("za długa"));
    EXPECT_EQ(window->summary()->text(), QStringLiteral("Gotowe do wydruku: 1 z 3"));
    window->model()->setText(2, BatchWindow::Amount, QStringLiteral("15"));
    EXPECT_EQ(cell(2, BatchWindow::State), QStringLiteral("Gotowy"));
    EXPECT_EQ(window->total()->text(), QStringLiteral("Razem: 2 przelewy, 25,50 zł"));
    tick(0, Qt::Unchecked);
    EXPECT_EQ(window->total()->text(), QStringLiteral("Razem: 1 przelew, 15,00 zł"));
    tick(0, Qt::Checked);
    window->printClick();
    EXPECT_EQ(printedKind, printout::FormKind::Deposit);
    EXPECT_EQ(printedTitles(), (std::vector<QString> { "Faktura 1", "Faktura 3" }));
}

// A row whose values the form will cut says so and still prints.
TEST_F(BatchWindowTest, RowsTellWhatTheFormCuts)
{
    window->setFieldWarnings(printout::fieldWarnings);
    window->addFiles({ csv });
    window->model()->setText(0, BatchWindow::Title, QString(60, QLatin1Char('t')));
    EXPECT_EQ(cell(0, BatchWindow::State),
        QStringLiteral("Gotowy – Nie zmieści się na blankiecie: tytułem (60 znaków, mieści się 54)"));
    EXPECT_EQ(cell(2, BatchWindow::State), QStringLiteral("Gotowy"));
    EXPECT_EQ(window->readyCount(), 2);
}

// Several files come at once through the real open dialog, and files dropped on the window load as
// opened ones, after the rows already there.
TEST_F(BatchWindowTest, SeveralFilesFromTheOpenDialogAndDropped)
{
    window->setFilesChooser(nullptr);
    QTimer::singleShot(0, [this] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->setDirectory(files.path());
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
            ->setText(QStringLiteral("\"lista.csv\" \"jeden.txt\""));
        static_cast<QDialog*>(dialog)->accept(); // the dialog's own accept, as its Open button
        if (dialog->isVisible())
            dialog->reject(); // a dialog for one file refuses two names: fail below instead of waiting
    });
    window->addFilesClick();
    ASSERT_EQ(window->model()->rowCount(), 4);

    QMimeData dragged;
    dragged.setUrls({ QUrl::fromLocalFile(single), QUrl(QStringLiteral("https://example.org/x.csv")) });
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &drop);
    ASSERT_EQ(window->model()->rowCount(), 5); // the address that is no file is left out
    EXPECT_EQ(cell(4, BatchWindow::Source), QStringLiteral("jeden.txt"));
    EXPECT_TRUE(errors.empty());
}

// The main window's "Otwórz wiele…" and the files of the command line reach the batch window; its
// "Wydruk" hands the transfers to the report's preview.
TEST_F(BatchWindowTest, OpenedFromTheMainWindowAndTheCommandLine)
{
    {
        TfMenu menu;
        std::vector<transfer::TransferEditorValues> previewed;
        menu.setPreview([&](const std::vector<transfer::TransferEditorValues>& t, const QStringList&,
                            printout::FormKind) { previewed = t; });
        menu.batchWindow()->setFilesChooser([this] { return QStringList { csv }; });
        menu.aOpenMany->trigger();
        ASSERT_TRUE(menu.batchWindow()->isVisible());
        EXPECT_EQ(menu.batchWindow()->model()->rowCount(), 3);
        menu.batchWindow()->printClick();
        EXPECT_EQ(previewed.size(), 2u);

        openGivenFiles(menu, { single, csv });
        EXPECT_EQ(menu.batchWindow()->model()->rowCount(), 7);
        // Several files dropped on the main window go to the batch, as two invoices do here.
        QMimeData dragged;
        const QString invoice = QStringLiteral(PRZELEW_TEST_DATA "/invoices/fa2.xml");
        dragged.setUrls({ QUrl::fromLocalFile(invoice), QUrl::fromLocalFile(invoice) });
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&menu, &enter);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&menu, &drop);
        EXPECT_EQ(menu.batchWindow()->model()->rowCount(), 9);
        openGivenFiles(menu, { single });
        EXPECT_EQ(menu.eOdbiorca->text(), QStringLiteral("Delta"));
        openGivenFiles(menu, { files.filePath(QStringLiteral("brak.txt")) });
        ASSERT_EQ(errors.size(), 1);
        EXPECT_TRUE(errors[0].startsWith(QStringLiteral("Cannot open file"))) << errors[0].toStdString();
    }
}
