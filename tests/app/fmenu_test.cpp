// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/batchwindow.h"
#include "app/currencyedit.h"
#include "app/dateedit.h"
#include "app/fmenu.h"
#include "app/historywindow.h"
#include "app/imagelist.h"
#include "app/payerprofiles.h"
#include "app/paymentcodewindow.h"
#include "data/dm2.h"
#include "platform/datetime.h"
#include "platform/error.h"
#include "platform/language.h"
#include "platform/registry.h"
#include "support/apptestsupport.h"
#include "support/files.h"
#include "support/money.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QCompleter>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSqlQueryModel>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

using namespace app;

namespace {

class FMenuTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        open();
    }
    void TearDown() override
    {
        window.reset();
        AppTest::TearDown();
    }
    void open()
    {
        window = std::make_unique<TfMenu>();
        window->setActionImages(ImageList1());
        window->setFileChooser([this] { return chosenFile; });
        setPreviewReport({});
        window->show();
        window->activateWindow();
        (void)QTest::qWaitForWindowActive(window.get());
    }
    // Prints as the program does: the transfers go into the table the report reads, then the preview
    // would show them.
    void setPreviewReport(std::function<void(printout::FormKind)> preview)
    {
        window->setPreview([this, preview](const std::vector<transfer::TransferEditorValues>& transfers,
                               const QStringList&, printout::FormKind kind) {
            transfer::writeTransferRecords(dm, transfers);
            if (preview)
                preview(kind);
        });
    }
    // Ends the run as the program does: close, then destroy (which stores the payer account).
    void closeAndReopen()
    {
        window->close();
        window.reset();
        open();
    }
    QString writeFile(const QByteArray& bytes, const QString& name = QStringLiteral("przelew.txt"))
    {
        return testsupport::writeFileIn(m_files, name, bytes);
    }
    void load(const QByteArray& bytes)
    {
        chosenFile = writeFile(bytes);
        window->aOpen->trigger();
    }
    void print() { window->aPrint->trigger(); }

    data::TDM2 dm;
    std::unique_ptr<TfMenu> window;
    QString chosenFile;
    QTemporaryDir m_files;
};

const QByteArray sampleFile = "NDNazwa=Firma Sp. z o.o.\r\n"
                              "NDKONTOKONTR=61\r\n"
                              "NDKonto=1090 1014 0000 0712 1981 2874\r\n"
                              "Kwota=1234,5\r\n"
                              "WCNazwa=Jan Kowalski\r\n"
                              "Tytulem=Faktura 12/2024\r\n"
                              "Data=15.05.2024\r\n";

} // namespace

TEST_F(FMenuTest, StartState)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Przelew"));
    EXPECT_EQ(window->size(), QSize(632, 453));
    EXPECT_EQ(window->minimumSize(), window->maximumSize()); // fixed border
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(window->windowIcon().isNull());
    EXPECT_EQ(QFontInfo(window->font()).family(), QStringLiteral("Tahoma"));
    EXPECT_EQ(window->font().pixelSize(), 13);
    EXPECT_FALSE(window->aPrint->isEnabled());
    EXPECT_TRUE(window->aOpen->isEnabled());
    EXPECT_EQ(window->lNazwaPliku->text(), QString());
    EXPECT_TRUE(window->ceKwota->hasFocus());
    for (QLineEdit* e : { window->eOdbiorca, window->eRachunekOdbiorcy,
             static_cast<QLineEdit*>(window->ceKwota), window->eRachunekZleceniodawcy, window->eZleceniodawca,
             window->eTytulem, static_cast<QLineEdit*>(window->deData) })
        EXPECT_EQ(e->text(), QString()) << e->objectName().toStdString();
    EXPECT_EQ(window->deData->date(), platform::NoDate);
}

TEST_F(FMenuTest, ControlsSitWhereTheLayoutPutsThem)
{
    struct Row {
        QWidget* widget;
        QRect geometry;
    };
    const Row rows[] = {
        { window->ActionMainMenuBar1, { 0, 0, 632, 24 } },
        { window->ActionToolBar1, { 0, 24, 632, 27 } },
        { window->eOdbiorca, { 7, 104, 617, 24 } },
        { window->eRachunekOdbiorcy, { 7, 152, 617, 24 } },
        { window->ceKwota, { 8, 224, 121, 24 } },
        { window->eRachunekZleceniodawcy, { 7, 272, 617, 24 } },
        { window->eZleceniodawca, { 8, 320, 617, 24 } },
        { window->eTytulem, { 7, 368, 617, 24 } },
        { window->deData, { 8, 416, 121, 24 } },
    };
    for (const Row& r : rows)
        EXPECT_EQ(r.widget->geometry(), r.geometry) << r.widget->objectName().toStdString();
    struct LabelRow {
        QLabel* label;
        const char* text;
        QPoint at;
        int height;
        int fontPixels;
    };
    const LabelRow labels[] = {
        { window->Label5, "Nazwa odbiorcy", { 8, 88 }, 13, 11 },
        { window->Label6, "Nr rachunku odbiorcy", { 8, 136 }, 13, 11 },
        { window->Label2, "Kwota", { 8, 208 }, 16, 13 },
        { window->Label7, "Nr rachunku zleceniodawcy", { 8, 256 }, 16, 13 },
        { window->Label1, "Nazwa zleceniodawcy", { 8, 304 }, 16, 13 },
        { window->Label3, "Tytułem", { 8, 352 }, 16, 13 },
        { window->Label4, "Data", { 8, 400 }, 16, 13 },
    };
    for (const LabelRow& l : labels) {
        EXPECT_EQ(l.label->text(), QString::fromUtf8(l.text));
        EXPECT_EQ(l.label->pos(), l.at) << l.text;
        EXPECT_EQ(l.label->height(), l.height) << l.text;
        EXPECT_EQ(l.label->font().pixelSize(), l.fontPixels) << l.text;
    }
    EXPECT_EQ(window->lNazwaPliku->pos(), QPoint(8, 56));
}

TEST_F(FMenuTest, ActionsMenuAndToolBar)
{
    EXPECT_EQ(window->aOpen->text(), QStringLiteral("&Otwórz"));
    EXPECT_EQ(window->aOpen->toolTip(), QStringLiteral("Otwiera plik z danymi do przelewu"));
    EXPECT_EQ(window->aOpen->shortcut(), QKeySequence(Qt::ALT | Qt::Key_O));
    EXPECT_EQ(window->aPrint->text(), QStringLiteral("&Wydruk"));
    EXPECT_EQ(window->aPrint->toolTip(), QStringLiteral("Wydruk przelewu"));
    EXPECT_EQ(window->aPrint->shortcut(), QKeySequence(Qt::ALT | Qt::Key_W));
    EXPECT_EQ(window->Action3->text(), QStringLiteral("Wyjście"));
    EXPECT_EQ(window->Action3->shortcut(), QKeySequence(Qt::Key_Escape));
    EXPECT_FALSE(window->aOpen->icon().isNull());
    EXPECT_FALSE(window->aPrint->icon().isNull());
    EXPECT_TRUE(window->Action3->icon().isNull());

    const QList<QAction*> menus = window->ActionMainMenuBar1->actions();
    ASSERT_EQ(menus.size(), 1);
    EXPECT_EQ(menus[0]->text(), QStringLiteral("&Dane"));
    const QList<QAction*> items = menus[0]->menu()->actions();
    const QList<QAction*> expectedItems { window->aNew, window->aOpen, window->aPrint, window->aOpenMany,
        window->aPaymentCode, window->aHistory, window->aPayees, window->aSavePayer, window->aRemovePayer,
        nullptr, window->aFormPrzelew, window->aFormWplata, nullptr, window->Action3 };
    ASSERT_EQ(items.size(), expectedItems.size());
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (expectedItems[i])
            EXPECT_EQ(items[i], expectedItems[i]) << i;
        else
            EXPECT_TRUE(items[i]->isSeparator()) << i;
    }
    EXPECT_EQ(window->aNew->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
    EXPECT_FALSE(window->aNew->icon().isNull());
    EXPECT_EQ(window->aHistory->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_H));
    EXPECT_EQ(window->aFormWplata->text(), QStringLiteral("Wpłata gotówkowa"));
    EXPECT_TRUE(window->aFormPrzelew->isChecked());
    EXPECT_EQ(window->aOpenMany->text(), QStringLiteral("Otwórz wiele…"));
    EXPECT_EQ(window->aOpenMany->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));
    EXPECT_EQ(window->ActionToolBar1->actions().mid(0, 4),
        (QList<QAction*> { window->aNew, window->aOpen, window->aPrint, window->aOpenMany }));
    auto* printButton = qobject_cast<QToolButton*>(window->ActionToolBar1->widgetForAction(window->aPrint));
    ASSERT_NE(printButton, nullptr);
    EXPECT_FALSE(printButton->isEnabled()); // greyed with its action
    EXPECT_EQ(printButton->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
}

// Five editors until a transfer is begun; then the recipient's two as well.
TEST_F(FMenuTest, TabCyclesTheTypedEditors)
{
    QWidget* expected[] = { window->eRachunekZleceniodawcy, window->eZleceniodawca, window->eTytulem,
        window->deData, window->ceKwota };
    for (QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
    }
    window->aNew->trigger();
    QWidget* begun[] = { window->eRachunekOdbiorcy, window->ceKwota, window->eRachunekZleceniodawcy,
        window->eZleceniodawca, window->eTytulem, window->deData, window->eOdbiorca };
    for (QWidget* next : begun) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
    }
}

// Ctrl+N empties the editors but the payer account; a transfer typed from nothing prints as a file's
// would, its account grouped as it is typed and split for the form.
TEST_F(FMenuTest, ANewTransferIsTypedFromNothingAndPrinted)
{
    load(sampleFile);
    window->eRachunekZleceniodawcy->setText(QStringLiteral("12 1020 5558 1111 1111 1111 1111"));
    QTest::keyClick(window->ceKwota, Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(window->eOdbiorca->hasFocus());
    EXPECT_EQ(window->eOdbiorca->text(), QString());
    EXPECT_EQ(window->eTytulem->text(), QString());
    EXPECT_FALSE(window->ceKwota->value());
    EXPECT_EQ(window->deData->date(), platform::today());
    EXPECT_EQ(window->lNazwaPliku->text(), QString());

    QTest::keyClicks(window->eOdbiorca, QStringLiteral("Dostawca "));
    QTest::sendKeyEvent(
        QTest::Click, window->eOdbiorca, Qt::Key_unknown, QStringLiteral("Łódź"), Qt::NoModifier);
    QTest::keyClick(window->eOdbiorca, Qt::Key_Tab);
    QTest::keyClicks(window->eRachunekOdbiorcy, QStringLiteral("PL61109010140000071219812874"));
    EXPECT_EQ(window->eRachunekOdbiorcy->text(), QStringLiteral("PL61 1090 1014 0000 0712 1981 2874"));
    EXPECT_FALSE(window->lOdbiorcaCheck->isVisible());
    QTest::keyClick(window->eRachunekOdbiorcy, Qt::Key_Tab);
    QTest::keyClicks(window->ceKwota, QStringLiteral("1234,56"));
    QTest::keyClicks(window->eTytulem, QStringLiteral("FV 7/2026"));
    print();
    dm.mtPlat.first();
    EXPECT_EQ(dm.mtPlatNDNazwa->asString(),
        "Dostawca \xa3\xf3"
        "d\x9f");
    EXPECT_EQ(dm.mtPlatNDKONTOKONTR->asString(), "61");
    EXPECT_EQ(dm.mtPlatNDKonto->asString(), "109010140000071219812874");
    EXPECT_EQ(dm.mtPlatKwota->asFloat(), 1234.56);
    EXPECT_EQ(dm.mtPlatWCKonto->asString(), "12102055581111111111111111");
    EXPECT_EQ(dm.mtPlatTytulem->asString(), "FV 7/2026");
}

// The recipient's name is completed from the payee book by any part of it, diacritics folded; the
// payee chosen brings its account, title (selected) and tax number. An account the book knows under
// another name is named, and nothing is blocked.
TEST_F(FMenuTest, ThePayeeBookCompletesTheRecipient)
{
    transfer::TransferLog log(m_files.filePath(QStringLiteral("przelew.sqlite")));
    transfer::PayeeBook book(log);
    transfer::Payee known { 0, QStringLiteral("Spółdzielnia Mieszkaniowa Łódź"),
        QStringLiteral("61109010140000071219812874"), QStringLiteral("7250005556"),
        QStringLiteral("Czynsz 11/2026"), {}, {}, {} };
    ASSERT_TRUE(book.save(known));
    window->setPayeeBook(&book);
    window->aNew->trigger();
    QTest::keyClicks(window->eOdbiorca, QStringLiteral("lodz"));
    QAbstractItemView* popup = window->payeeCompleter()->popup();
    ASSERT_TRUE(popup->isVisible());
    ASSERT_EQ(popup->model()->rowCount(), 1);
    QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key_Return);
    EXPECT_EQ(window->eOdbiorca->text(), known.name);
    EXPECT_EQ(window->eRachunekOdbiorcy->text(), QStringLiteral("61 1090 1014 0000 0712 1981 2874"));
    EXPECT_EQ(window->eTytulem->text(), QStringLiteral("Czynsz 11/2026"));
    EXPECT_EQ(window->eTytulem->selectedText(), QStringLiteral("Czynsz 11/2026"));
    EXPECT_TRUE(window->ceKwota->hasFocus());
    EXPECT_FALSE(window->lOdbiorcaCheck->isVisible());
    window->aPaymentCode->trigger();
    auto* code = window->findChild<PaymentCodeWindow*>();
    ASSERT_NE(code, nullptr);
    EXPECT_EQ(code->taxNumber()->text(), QStringLiteral("7250005556"));
    code->close();

    window->eOdbiorca->setText(QStringLiteral("Ktoś inny"));
    EXPECT_TRUE(window->lOdbiorcaCheck->isVisible());
    EXPECT_EQ(window->lOdbiorcaCheck->toolTip(),
        QStringLiteral("Ten rachunek należy w książce do: Spółdzielnia Mieszkaniowa Łódź"));
    print();
    dm.mtPlat.first();
    EXPECT_EQ(dm.mtPlatNDKonto->asString(), "109010140000071219812874");
}

// Payers kept as profiles are there after a restart, in the registry file, the remembered account first;
// choosing one fills the payer's editors, and the batch window offers the same.
TEST_F(FMenuTest, PayerProfilesAreKeptInTheRegistryFile)
{
    const QString accountA = QStringLiteral("12 1020 5558 1111 1111 1111 1111");
    const QString accountB = QStringLiteral("61 1090 1014 0000 0712 1981 2874");
    for (const auto& [name, account] : { std::pair { QStringLiteral("Firma A"), accountA },
             std::pair { QStringLiteral("Firma B"), accountB } }) {
        window->eZleceniodawca->setText(name);
        window->eRachunekZleceniodawcy->setText(account);
        window->aSavePayer->trigger();
    }
    closeAndReopen();
    PayerChoice* choice = window->cbZleceniodawca;
    ASSERT_EQ(choice->count(), 2);
    EXPECT_EQ(choice->itemText(0), QStringLiteral("Firma B – %1").arg(accountB)); // remembered, and a profile
    EXPECT_EQ(choice->currentIndex(), 0);
    choice->setCurrentIndex(1);
    emit choice->activated(1);
    EXPECT_EQ(window->eRachunekZleceniodawcy->text(), accountA);
    EXPECT_EQ(window->eZleceniodawca->text(), QStringLiteral("Firma A"));
    EXPECT_TRUE(testsupport::readFile(platform::Registry::filePath()).contains("Firma A"));
    EXPECT_EQ(window->batchWindow()->payerChoice()->count(), 2);

    window->aRemovePayer->trigger();
    closeAndReopen();
    ASSERT_EQ(window->cbZleceniodawca->count(), 2); // Firma A's account stays the remembered one
    EXPECT_EQ(window->cbZleceniodawca->itemText(0), accountA);
    EXPECT_EQ(window->cbZleceniodawca->itemText(1), QStringLiteral("Firma B – %1").arg(accountB));
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(FMenuTest, RecipientFieldsTakeNoTypedInput)
{
    EXPECT_TRUE(window->eOdbiorca->isReadOnly());
    EXPECT_TRUE(window->eRachunekOdbiorcy->isReadOnly());
    window->eOdbiorca->setFocus();
    QTest::keyClicks(window->eOdbiorca, QStringLiteral("abc"));
    EXPECT_EQ(window->eOdbiorca->text(), QString());
}

TEST_F(FMenuTest, AltWDoesNothingBeforeALoadAndEscCloses)
{
    QTest::keyClick(window->ceKwota, Qt::Key_W, Qt::AltModifier);
    QTest::keyClick(window->eTytulem, Qt::Key_W, Qt::AltModifier);
    EXPECT_EQ(dm.mtPlat.isOpen(), false);
    EXPECT_EQ(window->ceKwota->text(), QString()); // the key is no character to type either
    EXPECT_EQ(window->eTytulem->text(), QString());
    EXPECT_TRUE(window->isVisible());
    QTest::keyClick(window->ceKwota, Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(FMenuTest, ImportFillsTheEditorsAndEnablesPrinting)
{
    window->eRachunekZleceniodawcy->setText(QStringLiteral("PL 12-34"));
    window->ceKwota->setValue(transfer::Money::fromRecordValue(99.0));
    load(sampleFile);
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_EQ(window->lNazwaPliku->text(), QStringLiteral("przelew.txt"));
    EXPECT_EQ(window->eOdbiorca->text(), QStringLiteral("Firma Sp. z o.o."));
    EXPECT_EQ(window->eRachunekOdbiorcy->text(), QStringLiteral("61 1090 1014 0000 0712 1981 2874"));
    EXPECT_DOUBLE_EQ(window->ceKwota->numericValue().toRecordValue(), 1234.5);
    EXPECT_EQ(window->eZleceniodawca->text(), QStringLiteral("Jan Kowalski"));
    EXPECT_EQ(window->eTytulem->text(), QStringLiteral("Faktura 12/2024"));
    EXPECT_EQ(window->deData->date(), platform::toDays(QDate(2024, 5, 15)));
    EXPECT_EQ(window->eRachunekZleceniodawcy->text(), QStringLiteral("PL 12-34")); // never touched
    EXPECT_TRUE(window->ceKwota->hasFocus());
    EXPECT_TRUE(window->aPrint->isEnabled());
    EXPECT_FALSE(window->lOdbiorcaCheck->isVisible()); // a valid account
    window->eZleceniodawca->setFocus();
    EXPECT_EQ(window->ceKwota->text(), QStringLiteral("1234,50"));
}

TEST_F(FMenuTest, AFileWithoutKeysIsRefusedAndTheWindowStaysAsItWas)
{
    load(sampleFile);
    window->ceKwota->setValue(transfer::Money::fromRecordValue(99.0));
    for (const QByteArray& bytes : { QByteArray("nothing here\n"), QByteArray("\xff\xfeN\0D\0", 6) }) {
        chosenFile = writeFile(bytes, QStringLiteral("pusty.txt"));
        window->aOpen->trigger();
    }
    EXPECT_EQ(errors, QStringList(2, QStringLiteral("Plik nie zawiera danych przelewu.")));
    EXPECT_EQ(window->lNazwaPliku->text(), QStringLiteral("przelew.txt"));
    EXPECT_EQ(window->eOdbiorca->text(), QStringLiteral("Firma Sp. z o.o."));
    EXPECT_EQ(window->ceKwota->numericValue().toRecordValue(), 99.0);
    EXPECT_EQ(window->deData->date(), platform::toDays(QDate(2024, 5, 15)));
}

TEST_F(FMenuTest, ImportEdgeCases)
{
    struct Row {
        const char* name;
        QByteArray bytes;
        double amount;
        double date;
        QString recipient;
    };
    const double today = platform::today();
    const Row rows[] = {
        { "amount with a decimal point", "Kwota=1234.5\nData=2024-13-45", 1234.5, today, QString() },
        { "CP1250 name", "NDNazwa=\xA3\xF3\x64\x9F S.A.", 0.0, today, QStringLiteral("Łódź S.A.") },
        { "binary after NUL", QByteArray("NDNazwa=A\0\xff\xfe NDNazwa=B", 24), 0.0, today,
            QStringLiteral("A") },
        { "date word", "Data=Jutro", 0.0, today + 1, QString() },
        { "date on day zero counts as none", "Data=30.12.1899", 0.0, today, QString() },
        { "UTF-8 letters",
            "NDNazwa=\xc5\x81\xc3\xb3"
            "d\xc5\xba",
            0.0, today, QStringLiteral("Łódź") },
        { "UTF-8 with a byte order mark", "\xEF\xBB\xBFNDNazwa=Firma\nKwota=1", 1.0, today,
            QStringLiteral("Firma") },
    };
    for (const Row& r : rows) {
        load(r.bytes);
        EXPECT_EQ(window->ceKwota->numericValue().toRecordValue(), r.amount) << r.name;
        EXPECT_EQ(window->deData->date(), r.date) << r.name;
        EXPECT_EQ(window->eOdbiorca->text(), r.recipient) << r.name;
    }
    EXPECT_TRUE(errors.isEmpty());
}

// An amount or a date the file gives but the editors cannot take is told beside its caption, naming the
// line; nothing is told for a value the file does not give.
TEST_F(FMenuTest, ValuesThatCannotBeReadAreToldBesideTheirCaptions)
{
    struct Row {
        const char* name;
        QByteArray bytes;
        const char* amountWarning; // part of it; nullptr: hidden
        const char* dateWarning;
    };
    const Row rows[] = {
        { "both read", sampleFile, nullptr, nullptr },
        { "no amount, no date given", "NDNazwa=A\nKwota=\n", nullptr, nullptr },
        { "ambiguous amount", "NDNazwa=A\nKwota=1.234\n",
            "Wiersz 2: kwota „1.234” ma trzy miejsca po przecinku albo separator tysięcy", nullptr },
        { "third decimal", "NDNazwa=A\nKwota=1234,567\n",
            "Wiersz 2: kwota „1234,567” ma więcej niż dwa miejsca po przecinku", nullptr },
        { "too large", "Kwota=1 000 000 000 000\n", "Wiersz 1: kwota „1 000 000 000 000” przekracza",
            nullptr },
        { "amount that is no number", "Kwota=dużo\r\nData=1.02.2024",
            "Wiersz 1: kwota „dużo” nie jest liczbą", nullptr },
        { "date that is no date", "A\nB\nData=2024-13-45", nullptr,
            "Wiersz 3: data „2024-13-45” nie jest datą – przyjęto dzisiejszą" },
    };
    for (const Row& r : rows) {
        load(r.bytes);
        for (auto [label, expected] : { std::pair { window->lKwotaImport, r.amountWarning },
                 std::pair { window->lDataImport, r.dateWarning } }) {
            EXPECT_EQ(label->isVisible(), expected != nullptr) << r.name;
            if (expected) {
                EXPECT_TRUE(label->text().contains(QString::fromUtf8(expected)))
                    << r.name << ": " << label->text().toStdString();
            }
        }
    }
    EXPECT_TRUE(errors.isEmpty());
    load("Kwota=1.234");
    EXPECT_FALSE(window->ceKwota->value().has_value()) << "the ambiguous amount is not taken";

    // The warning stays until the user types the amount; it sits beside the caption, inside the window.
    load("Kwota=1,2,3");
    EXPECT_TRUE(window->lKwotaImport->isVisible());
    EXPECT_GT(window->lKwotaImport->x(), window->Label2->geometry().right());
    EXPECT_EQ(window->lKwotaImport->y(), window->Label2->y());
    EXPECT_LE(window->lKwotaImport->geometry().right(), window->width());
    window->ceKwota->setFocus();
    QTest::keyClicks(window->ceKwota, QStringLiteral("5"));
    EXPECT_FALSE(window->lKwotaImport->isVisible());
}

// An invoice fills the window and says beside the captions what it prints with; one that cannot be paid
// leaves the window as it was and says why.
TEST_F(FMenuTest, AnInvoiceFillsTheWindowOrSaysWhyNot)
{
    const QByteArray fa3 = testsupport::readFile(QStringLiteral(PRZELEW_TEST_DATA "/invoices/fa3.xml"));
    QByteArray fa2 = testsupport::readFile(QStringLiteral(PRZELEW_TEST_DATA "/invoices/fa2.xml"));
    chosenFile = writeFile(fa3, QStringLiteral("faktura.xml"));
    window->aOpen->trigger();
    EXPECT_EQ(
        window->eOdbiorca->text(), QStringLiteral("Hurtownia Papieru \"Ryza\"   S.A., al. Jana Pawła II 27"));
    EXPECT_EQ(window->eRachunekOdbiorcy->text(), QStringLiteral("60 1020 1026 0000 0422 7020 1111"));
    EXPECT_EQ(window->ceKwota->text(), QStringLiteral("7919,49"));
    EXPECT_EQ(window->eTytulem->text(), QStringLiteral("Faktura 12/HP/2026"));
    EXPECT_EQ(platform::dateOfDays(window->deData->date()), QDate(2099, 1, 15));
    EXPECT_EQ(window->lNazwaPliku->text(), QStringLiteral("12/HP/2026, faktura.xml"));
    EXPECT_TRUE(
        window->lOdbiorcaCheck->toolTip().startsWith(QStringLiteral("Faktura podaje też inne rachunki: 27")));
    window->aPaymentCode->trigger();
    auto* code = window->findChild<PaymentCodeWindow*>();
    ASSERT_NE(code, nullptr);
    EXPECT_EQ(code->taxNumber()->text(), QStringLiteral("1132853869"));
    code->close();

    load(fa2.replace("<P_18A>2", "<P_18A>1"));
    EXPECT_TRUE(window->lTytulImport->isVisible());
    EXPECT_TRUE(window->lTytulImport->toolTip().startsWith(
        QStringLiteral("Faktura z mechanizmem podzielonej płatności (MPP): tytuł w formacie MPP")));
    EXPECT_EQ(window->eTytulem->text(), QStringLiteral("/VAT/230,02/IDC/5252248481/INV/FV/2026/11/0042"));
    EXPECT_TRUE(errors.isEmpty());

    load(fa2.replace("<KodWaluty>PLN", "<KodWaluty>EUR"));
    EXPECT_EQ(errors,
        QStringList { QStringLiteral("Faktury z pliku „przelew.txt” nie można zapłacić: faktura jest w "
                                     "walucie EUR, a blankiet jest na złote.") });
    EXPECT_EQ(window->eTytulem->text(), QStringLiteral("/VAT/230,02/IDC/5252248481/INV/FV/2026/11/0042"));
    EXPECT_EQ(window->lNazwaPliku->text(), QStringLiteral("FV/2026/11/0042, przelew.txt"));
}

// On an English desktop the windows speak English, and say what is wrong with a transfer in English; the
// values, the form and what is logged stay as they are.
TEST_F(FMenuTest, AnEnglishDesktopGetsEnglishWindows)
{
    ASSERT_TRUE(platform::installTranslations(platform::ScreenLanguage::English));
    {
        TfMenu english;
        EXPECT_EQ(english.aNew->text(), QStringLiteral("&New transfer"));
        BatchWindow* batch = english.batchWindow();
        EXPECT_EQ(batch->windowTitle(), QStringLiteral("Transfer set"));
        QByteArray euro = testsupport::readFile(QStringLiteral(PRZELEW_TEST_DATA "/invoices/fa2.xml"));
        batch->addFiles({ writeFile(euro.replace(">PLN<", ">EUR<"), QStringLiteral("euro.xml")) });
        EXPECT_EQ(batch->model()->index(0, BatchWindow::State).data().toString(),
            QStringLiteral("the invoice is in EUR and the form is for złoty"));
        EXPECT_EQ(batch->summary()->text(), QStringLiteral("Ready to print: 0 of 1"));
    }
    platform::removeTranslations();
    EXPECT_EQ(TfMenu().aNew->text(), QStringLiteral("&Nowy przelew"));
}

TEST_F(FMenuTest, AFileThatCannotBeOpenedLeavesTheEditorsAndReportsThePath)
{
    window->eTytulem->setText(QStringLiteral("typed"));
    chosenFile = m_files.filePath(QStringLiteral("brak.txt"));
    window->aOpen->trigger();
    EXPECT_EQ(errors,
        QStringList {
            QStringLiteral("Cannot open file \"%1\". No such file or directory.").arg(chosenFile) });
    EXPECT_EQ(window->lNazwaPliku->text(), QStringLiteral("brak.txt"));
    EXPECT_EQ(window->eTytulem->text(), QStringLiteral("typed"));
    EXPECT_FALSE(window->aPrint->isEnabled());
}

TEST_F(FMenuTest, AFileAnotherProgramWritesIsRefused)
{
    const QString path = writeFile(sampleFile);
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR);
    struct flock lock { };
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    ASSERT_EQ(::fcntl(fd, F_OFD_SETLK, &lock), 0);
    chosenFile = path;
    window->aOpen->trigger();
    ::close(fd);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith(QStringLiteral("Cannot open file \"%1\". ").arg(path)));
    EXPECT_FALSE(window->aPrint->isEnabled());
}

TEST_F(FMenuTest, CancellingTheDialogChangesNothing)
{
    load(sampleFile);
    chosenFile.clear();
    window->aOpen->trigger();
    EXPECT_EQ(window->lNazwaPliku->text(), QStringLiteral("przelew.txt"));
    EXPECT_EQ(window->eOdbiorca->text(), QStringLiteral("Firma Sp. z o.o."));
}

TEST_F(FMenuTest, AHugeFileLoadsCleanly)
{
    QByteArray bytes("Tytulem=");
    bytes += QByteArray(100 * 1024 * 1024, 'x');
    bytes += "\nKwota=5";
    load(bytes);
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_DOUBLE_EQ(window->ceKwota->numericValue().toRecordValue(), 5.0);
    EXPECT_EQ(window->eTytulem->text().size(), 100 * 1024 * 1024); // whole: the form's warning names the cut
}

TEST_F(FMenuTest, PrintWritesTheRecord)
{
    load(sampleFile);
    window->eRachunekZleceniodawcy->setText(QStringLiteral("PL 12-34"));
    int previews = 0;
    setPreviewReport([&](printout::FormKind) {
        ++previews;
        EXPECT_EQ(dm.mtPlat.recordCount(), 1); // posted before the preview
    });
    print();
    print();
    EXPECT_EQ(previews, 2);
    data::TMemTable& t = dm.mtPlat;
    ASSERT_EQ(t.recordCount(), 1);
    t.first();
    EXPECT_EQ(dm.mtPlatData->asDateTime(), platform::toDays(QDate(2024, 5, 15)));
    EXPECT_EQ(dm.mtPlatKwota->asFloat(), 1234.5);
    EXPECT_EQ(dm.mtPlatWCNazwa->asString(), "Jan Kowalski");
    EXPECT_EQ(dm.mtPlatWCKonto->asString(), "PL 12-34");
    EXPECT_EQ(dm.mtPlatNDNazwa->asString(), "Firma Sp. z o.o.");
    EXPECT_EQ(dm.mtPlatNDKONTOKONTR->asString(), "61");
    EXPECT_EQ(dm.mtPlatNDKonto->asString(), "109010140000071219812874");
    EXPECT_EQ(dm.mtPlatTytulem->asString(), "Faktura 12/2024");
    EXPECT_TRUE(dm.mtPlatWCKONTOKONTR->isNull());
    EXPECT_TRUE(errors.isEmpty());
}

// "Wpłata gotówkowa" is kept for the next run and goes to the preview; an amount the slip cannot carry is
// refused before the record is written.
TEST_F(FMenuTest, TheFormKindIsKeptAndADepositIsCheckedFirst)
{
    load(sampleFile);
    std::vector<printout::FormKind> previews;
    setPreviewReport([&](printout::FormKind kind) { previews.push_back(kind); });
    std::vector<transfer::Money> checked;
    window->setDepositCheck([&](transfer::Money amount) -> std::optional<QString> {
        checked.push_back(amount);
        if (amount.grosze() < 0)
            return QStringLiteral("ujemna");
        return std::nullopt;
    });
    print();
    window->aFormWplata->trigger();
    print();
    EXPECT_EQ(previews, (std::vector { printout::FormKind::Transfer, printout::FormKind::Deposit }));
    EXPECT_EQ(checked, std::vector { "1234,5"_zl });

    window->ceKwota->setValue("-5"_zl);
    print();
    EXPECT_EQ(previews.size(), 2u);
    EXPECT_EQ(errors, QStringList { QStringLiteral("ujemna.") }); // the display ends a message with a stop
    dm.mtPlat.first();
    EXPECT_EQ(dm.mtPlatKwota->asFloat(), 1234.5); // the record of the last print stays

    closeAndReopen();
    EXPECT_TRUE(window->aFormWplata->isChecked());
    EXPECT_EQ(window->formKind(), printout::FormKind::Deposit);
    EXPECT_EQ(window->batchWindow()->formKind(), printout::FormKind::Deposit);
    window->aFormPrzelew->trigger();
    closeAndReopen();
    EXPECT_EQ(window->formKind(), printout::FormKind::Transfer);
}

// What the form will not show whole is told under the editors as the values change; printing goes on.
TEST_F(FMenuTest, WhatTheFormCutsIsToldUnderTheEditors)
{
    window->setFieldWarnings(printout::fieldWarnings);
    load(sampleFile);
    EXPECT_FALSE(window->lBlankiet->isVisible());
    EXPECT_EQ(window->height(), 453);
    window->eOdbiorca->setText(QString(62, QLatin1Char('x')));
    window->eRachunekZleceniodawcy->setText(QStringLiteral("12 1020 5558 1111 1111 1111 1111 (firma)"));
    EXPECT_TRUE(window->lBlankiet->isVisible());
    EXPECT_EQ(window->lBlankiet->text(),
        QStringLiteral("Nie zmieści się na blankiecie: nazwa odbiorcy (62 znaki, mieści się 54), nr rachunku "
                       "zleceniodawcy"));
    EXPECT_GT(window->height(), 453);
    // On a deposit slip the payer's line holds the amount in words.
    window->aFormWplata->trigger();
    EXPECT_EQ(window->lBlankiet->text(),
        QStringLiteral("Nie zmieści się na blankiecie: nazwa odbiorcy (62 znaki, mieści się 54)"));
    int previews = 0;
    setPreviewReport([&](printout::FormKind) { ++previews; });
    print();
    EXPECT_EQ(previews, 1);
    window->eOdbiorca->setText(QStringLiteral("Krótka"));
    EXPECT_FALSE(window->lBlankiet->isVisible());
    EXPECT_EQ(window->height(), 453);
}

// "Kod do zapłaty telefonem…" once a transfer is loaded: the code of the editors' transfer with its text,
// the optional tax number, the standard's amount limit, and the code saved as PNG and SVG.
TEST_F(FMenuTest, ThePayByPhoneCodeOfTheEditors)
{
    EXPECT_FALSE(window->aPaymentCode->isEnabled());
    load(sampleFile);
    ASSERT_TRUE(window->aPaymentCode->isEnabled());
    window->aPaymentCode->trigger();
    auto* code = window->findChild<PaymentCodeWindow*>();
    ASSERT_NE(code, nullptr);
    EXPECT_TRUE(code->isVisible());
    EXPECT_EQ(code->windowTitle(), QStringLiteral("Kod do zapłaty telefonem"));
    EXPECT_FALSE(code->code()->pixmap().isNull());
    EXPECT_EQ(code->text()->text(),
        QStringLiteral("|PL|61109010140000071219812874|123450|Firma Sp. z o.o.|Faktura 12/2024|||"));
    code->taxNumber()->setText(QStringLiteral("123"));
    EXPECT_TRUE(code->code()->pixmap().isNull());
    EXPECT_FALSE(code->saveButton()->isEnabled());
    code->taxNumber()->setText(QStringLiteral("1234567890"));
    EXPECT_TRUE(code->text()->text().startsWith(QStringLiteral("1234567890|PL|")));

    QTemporaryDir dir;
    for (const char* name : { "kod.png", "kod.svg" }) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        code->setSaveChooser([&] { return path; });
        code->saveButton()->click();
        EXPECT_GT(QFileInfo(path).size(), 100) << name;
    }
    EXPECT_FALSE(QImage(dir.filePath(QStringLiteral("kod.png"))).isNull());
    code->close();

    window->ceKwota->setValue(transfer::Money::fromRecordValue(10000.0));
    window->aPaymentCode->trigger();
    const QList<PaymentCodeWindow*> open = window->findChildren<PaymentCodeWindow*>();
    ASSERT_FALSE(open.isEmpty());
    EXPECT_TRUE(open.last()->code()->text().contains(QStringLiteral("9 999,99")))
        << open.last()->code()->text().toStdString();
    EXPECT_TRUE(errors.isEmpty());
}

// "Historia…" lists the log newest first, filters as the user types, and prints again: one transfer into
// the editors, several into the batch window.
TEST_F(FMenuTest, TheHistoryFindsAndPrintsAgain)
{
    QTemporaryDir dir;
    transfer::TransferLog log(dir.filePath(QStringLiteral("przelew.sqlite")));
    std::vector<transfer::LogEntry> entries;
    for (const char* name : { "Alfa", "Beta", "Gamma" }) {
        transfer::LogEntry e;
        e.when = QDateTime::currentDateTimeUtc().addSecs(qint64(entries.size()));
        e.how = QStringLiteral("druk");
        e.target = QStringLiteral("PDF-1");
        e.form = QStringLiteral("wplata");
        e.values.recipientName = QString::fromLatin1(name);
        e.values.recipientAccount = QStringLiteral("61 1090 1014 0000 0712 1981 2874");
        e.values.amount = transfer::Money::fromGrosze(1050 * std::int64_t(entries.size() + 1));
        e.values.title = QStringLiteral("Faktura %1").arg(entries.size() + 1);
        e.values.date = 46365;
        entries.push_back(e);
    }
    ASSERT_TRUE(log.record(entries));
    window->setTransferLog(&log);
    window->aHistory->trigger();
    HistoryWindow* history = window->historyWindow();
    ASSERT_NE(history, nullptr);
    EXPECT_TRUE(history->isVisible());
    ASSERT_EQ(history->model()->rowCount(), 3);
    EXPECT_EQ(
        history->model()->index(0, HistoryWindow::Recipient).data().toString(), QStringLiteral("Gamma"));
    EXPECT_EQ(history->model()->index(0, HistoryWindow::Amount).data().toString(), QStringLiteral("31,50"));
    history->search()->setText(QStringLiteral("21,0"));
    ASSERT_EQ(history->model()->rowCount(), 1);
    EXPECT_EQ(history->model()->index(0, HistoryWindow::Recipient).data().toString(), QStringLiteral("Beta"));

    history->table()->selectRow(0);
    QTest::keyClick(history->table(), Qt::Key_Return);
    EXPECT_EQ(window->eOdbiorca->text(), QStringLiteral("Beta"));
    EXPECT_EQ(window->ceKwota->numericValue().toRecordValue(), 21.0);
    EXPECT_EQ(window->lNazwaPliku->text(), QStringLiteral("(z historii)"));
    EXPECT_TRUE(window->aPrint->isEnabled());
    // A deposit slip comes back as one, and the history says which form each was.
    EXPECT_EQ(history->model()->index(0, HistoryWindow::Form).data().toString(), QStringLiteral("wpłata"));
    EXPECT_EQ(window->formKind(), printout::FormKind::Deposit);

    // Printing it again is asked about, with the day it was printed; No prints nothing.
    int previews = 0;
    setPreviewReport([&](printout::FormKind) { ++previews; });
    for (const auto button : { QMessageBox::No, QMessageBox::Yes }) {
        QString question;
        whenModal([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            question = box->text();
            box->button(button)->click();
        });
        print();
        EXPECT_EQ(question,
            QStringLiteral("Ten przelew wydrukowano już %1. Drukować go mimo to?")
                .arg(QDate::currentDate().toString(QStringLiteral("d.MM.yyyy"))));
    }
    EXPECT_EQ(previews, 1);

    window->aFormPrzelew->trigger();
    history->search()->clear();
    history->table()->selectAll();
    history->reprintClick();
    ASSERT_EQ(window->batchWindow()->model()->rowCount(), 3);
    EXPECT_EQ(window->batchWindow()->model()->index(0, BatchWindow::Recipient).data().toString(),
        QStringLiteral("Gamma"));
    EXPECT_EQ(window->batchWindow()->formKind(), printout::FormKind::Deposit);
    EXPECT_TRUE(window->batchWindow()
                    ->model()
                    ->index(0, BatchWindow::State)
                    .data()
                    .toString()
                    .contains(QStringLiteral("wydrukowano już")));
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(FMenuTest, PrintLeavesTheTableAloneWhileTheReportGenerates)
{
    load(sampleFile);
    print();
    ASSERT_EQ(dm.mtPlat.recordCount(), 1);
    window->eTytulem->setText(QStringLiteral("Inny tytuł"));
    int previews = 0;
    setPreviewReport([&](printout::FormKind) { ++previews; });
    window->setReportBusy([] { return true; });
    print();
    EXPECT_EQ(previews, 0);
    dm.mtPlat.first();
    EXPECT_EQ(dm.mtPlatTytulem->asString(), "Faktura 12/2024"); // the record the generation reads
    window->setReportBusy([] { return false; });
    print();
    EXPECT_EQ(previews, 1);
    dm.mtPlat.first();
    EXPECT_EQ(dm.mtPlatTytulem->asString(), "Inny tytu\xb3");
}

TEST_F(FMenuTest, PrintSplitsTheRecipientAccount)
{
    struct Row {
        const char* name;
        QString account;
        std::string checkDigits;
        std::string rest;
    };
    const Row rows[] = {
        { "grouped with hyphen", QStringLiteral("12 3456-7890 1234 5678 9012 3456"), "12",
            "345678901234567890123456" },
        { "one space", QStringLiteral(" "), "", "" },
        { "one character", QStringLiteral("5"), "5", "" },
        { "longer than 52", QString(60, QLatin1Char('9')), "99", std::string(50, '9') },
        { "tab and nbsp stay", QStringLiteral("1\t2\u00A03"), "1\t",
            "2\xA0"
            "3" },
    };
    load(sampleFile);
    for (const Row& r : rows) {
        window->eRachunekOdbiorcy->setText(r.account);
        print();
        EXPECT_EQ(dm.mtPlatNDKONTOKONTR->asString(), r.checkDigits) << r.name;
        EXPECT_EQ(dm.mtPlatNDKonto->asString(), r.rest) << r.name;
    }
}

TEST_F(FMenuTest, PrintWithoutDateOrAmount)
{
    load(sampleFile);
    window->deData->clearDate();
    window->ceKwota->setValue(std::nullopt);
    window->eTytulem->setText(QString(300, QLatin1Char('t')));
    print();
    EXPECT_TRUE(dm.mtPlatData->isNull());
    EXPECT_EQ(dm.mtPlatData->displayText(), "");
    EXPECT_FALSE(dm.mtPlatKwota->isNull());
    EXPECT_EQ(dm.mtPlatKwota->displayText(), "0,00");
    EXPECT_EQ(dm.mtPlatTytulem->asString().size(), 255u);
}

TEST_F(FMenuTest, AnErrorOfThePreviewIsShownAndTheRecordStaysPosted)
{
    load(sampleFile);
    setPreviewReport(
        [](printout::FormKind) { throw platform::Error(QStringLiteral("Printer selected is not valid")); });
    print();
    EXPECT_EQ(errors, QStringList { QStringLiteral("Printer selected is not valid.") });
    EXPECT_EQ(dm.mtPlat.recordCount(), 1);
}

TEST_F(FMenuTest, AccountWarningsBesideTheCaptions)
{
    window->eRachunekZleceniodawcy->setText(QStringLiteral("62 1090 1014 0000 0712 1981 2874"));
    EXPECT_TRUE(window->lZleceniodawcaCheck->isVisible());
    EXPECT_EQ(window->lZleceniodawcaCheck->text(), QStringLiteral("Błędna suma kontrolna numeru rachunku"));
    EXPECT_EQ(window->lZleceniodawcaCheck->y(), window->Label7->y());
    EXPECT_GT(window->lZleceniodawcaCheck->x(), window->Label7->x() + window->Label7->width());
    window->eRachunekZleceniodawcy->setText(QStringLiteral("61109010140000071219812874"));
    EXPECT_FALSE(window->lZleceniodawcaCheck->isVisible());
    window->eRachunekZleceniodawcy->setText(QStringLiteral("12-34"));
    EXPECT_FALSE(window->lZleceniodawcaCheck->isVisible());
    EXPECT_EQ(window->eRachunekZleceniodawcy->geometry(), QRect(7, 272, 617, 24));
}

TEST_F(FMenuTest, PayerAccountComesBackInTheNextRun)
{
    const QString typed = QStringLiteral("00012345678901234567890123");
    window->eRachunekZleceniodawcy->setFocus();
    QTest::keyClicks(window->eRachunekZleceniodawcy, typed);
    closeAndReopen(); // closing with the cursor in the account editor keeps what was typed
    EXPECT_EQ(window->eRachunekZleceniodawcy->text(), typed);

    window->eRachunekZleceniodawcy->setText(QStringLiteral("PL 61 1090-1014"));
    closeAndReopen();
    EXPECT_EQ(window->eRachunekZleceniodawcy->text(), QStringLiteral("PL 61 1090-1014"));

    window->eRachunekZleceniodawcy->clear();
    closeAndReopen();
    EXPECT_EQ(window->eRachunekZleceniodawcy->text(), QString());
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(FMenuTest, StoreWritesExactlyTheStoresKeys)
{
    {
        platform::Registry r;
        r.createKey(QStringLiteral("PropertiesStore1"));
        r.writeString(QStringLiteral("PropertiesStore1/Other"), QStringLiteral("X"), QStringLiteral("1"));
        r.writeString(QStringLiteral("PropertiesStore1/eRachunekZleceniodawcy"), QStringLiteral("Extra"),
            QStringLiteral("2"));
    }
    window->eRachunekZleceniodawcy->setText(QStringLiteral("11"));
    window->close();
    window.reset();
    platform::Registry r;
    EXPECT_FALSE(r.keyExists(QStringLiteral("PropertiesStore1/Other")));
    EXPECT_EQ(r.valueNames(QStringLiteral("PropertiesStore1/eRachunekZleceniodawcy")),
        QStringList { QStringLiteral("Text") });
    EXPECT_EQ(r.readString(QStringLiteral("PropertiesStore1/eRachunekZleceniodawcy/[ClassName]"),
                  QStringLiteral("ClassName")),
        QStringLiteral("TPropertiesStoreComponent"));
    EXPECT_EQ(r.readString(QStringLiteral("PropertiesStore1/eRachunekZleceniodawcy"), QStringLiteral("Text")),
        QStringLiteral("11"));
    open();
}

TEST_F(FMenuTest, AnUnwritableRegistryIsReportedOnceAndTheEditorStartsEmpty)
{
    window->close();
    window.reset();
    errors.clear();
    QDir(configPath() + QStringLiteral("/przelew")).removeRecursively();
    // The registry file's place is taken by a folder: it can be neither read nor written.
    QDir().mkpath(configPath() + QStringLiteral("/przelew/registry.ini"));
    open();
    EXPECT_EQ(window->eRachunekZleceniodawcy->text(), QString());
    window->eRachunekZleceniodawcy->setText(QStringLiteral("123"));
    window->close();
    window.reset();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith(QStringLiteral("Cannot read the registry file")));
    open();
}

TEST_F(FMenuTest, ARegistryThatCannotBeCreatedRaisesTheStoreError)
{
    window->close();
    window.reset();
    errors.clear();
    QDir(configPath() + QStringLiteral("/przelew")).removeRecursively();
    QFile blocker(configPath() + QStringLiteral("/przelew"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
    blocker.close();
    open();
    window->close();
    window.reset();
    EXPECT_EQ(errors, QStringList { QStringLiteral("Can't create the registry key: \\PropertiesStore1.") });
    open();
}

TEST_F(FMenuTest, ADamagedRegistryIsReportedAndKept)
{
    window->close();
    window.reset();
    errors.clear();
    QDir().mkpath(configPath() + QStringLiteral("/przelew"));
    QFile damaged(configPath() + QStringLiteral("/przelew/registry.ini"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray("\x00\xff\xfe", 3));
    damaged.close();
    open();
    EXPECT_EQ(window->eRachunekZleceniodawcy->text(), QString());
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(QStringLiteral("registry.ini.corrupt")));
    window->eRachunekZleceniodawcy->setText(QStringLiteral("77"));
    closeAndReopen();
    EXPECT_EQ(window->eRachunekZleceniodawcy->text(), QStringLiteral("77"));
    EXPECT_EQ(errors.size(), 1);
    EXPECT_TRUE(QFile::exists(configPath() + QStringLiteral("/przelew/registry.ini.corrupt")));
}

TEST_F(FMenuTest, LabelsAreAsWideAsTheirText)
{
    // Tahoma with whole-pixel advances gives the original's widths; "Tytułem" comes out 2 pixels narrower.
    struct Row {
        QLabel* label;
        int width;
        int tolerance;
    };
    const Row rows[] = {
        { window->Label5, 76, 0 },
        { window->Label6, 102, 0 },
        { window->Label2, 35, 0 },
        { window->Label7, 155, 0 },
        { window->Label1, 124, 0 },
        { window->Label3, 47, 2 },
        { window->Label4, 26, 0 },
    };
    for (const Row& r : rows)
        EXPECT_NEAR(r.label->width(), r.width, r.tolerance) << r.label->text().toStdString();
}

TEST_F(FMenuTest, ShortcutsWorkAnywhereInTheWindow)
{
    chosenFile = writeFile(sampleFile);
    window->eTytulem->setFocus();
    QTest::keyClick(window->eTytulem, Qt::Key_O, Qt::AltModifier);
    EXPECT_EQ(window->eOdbiorca->text(), QStringLiteral("Firma Sp. z o.o."));
    EXPECT_TRUE(window->ceKwota->hasFocus());
    int previews = 0;
    setPreviewReport([&](printout::FormKind) { ++previews; });
    QTest::keyClick(window->deData, Qt::Key_W, Qt::AltModifier);
    EXPECT_EQ(previews, 1);
    EXPECT_EQ(dm.mtPlat.recordCount(), 1);
    QTest::keyClick(window->eRachunekZleceniodawcy, Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(FMenuTest, TheDateBeingTypedIsTheOneThatPrints)
{
    load(sampleFile);
    window->deData->setFocus();
    window->deData->selectAll();
    QTest::keyClicks(window->deData, QStringLiteral("2.01.2025"));
    QTest::keyClick(window->deData, Qt::Key_W, Qt::AltModifier);
    EXPECT_EQ(dm.mtPlatData->asDateTime(), platform::toDays(QDate(2025, 1, 2)));
}

TEST_F(FMenuTest, OpenDialogOffersTextFilesThenEveryName)
{
    const QString path = writeFile(sampleFile, QStringLiteral("dane_bez_kropki"));
    window->setFileChooser({}); // the real dialog
    QStringList filters;
    QStringList afterAllFiles;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        filters = dialog->nameFilters();
        auto* combo = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        if (combo) {
            combo->setCurrentIndex(1);
            emit combo->activated(1);
            emit combo->textActivated(combo->itemText(1));
        }
        if (auto* model = dialog->findChild<QFileSystemModel*>())
            afterAllFiles = model->nameFilters();
        dialog->selectFile(path);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    window->aOpen->trigger();
    EXPECT_EQ(filters,
        (QStringList { QStringLiteral("Pliki tekstowe (*.txt)"), QStringLiteral("Wszystkie pliki (*.*)"),
            QStringLiteral("Faktury ustrukturyzowane (*.xml)") }));
    EXPECT_EQ(afterAllFiles, QStringList { QStringLiteral("*") }); // names without a dot show too
    EXPECT_EQ(window->lNazwaPliku->text(), QStringLiteral("dane_bez_kropki"));
    EXPECT_EQ(window->eOdbiorca->text(), QStringLiteral("Firma Sp. z o.o."));
}
