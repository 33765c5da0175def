// SPDX-License-Identifier: GPL-2.0-or-later
// The payee window on a real log, through its widgets: the folded search, a payee added in its dialog,
// two merged after the question, the CSV out and in again, and a payee used in the main window (Ctrl+K).
#include "app/currencyedit.h"
#include "app/fmenu.h"
#include "app/payeewindow.h"
#include "support/apptestsupport.h"

#include <QAbstractButton>
#include <QDialog>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTableView>
#include <QTest>

using namespace app;

namespace {

class PayeeWindowTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        for (const char* name : { "Spółdzielnia Łódź", "SPÓŁDZIELNIA ŁÓDŹ", "Energa" }) {
            transfer::Payee p;
            p.name = QString::fromUtf8(name);
            p.account = QStringLiteral("61 1090 1014 0000 0712 1981 2874");
            ASSERT_TRUE(book.save(p));
        }
    }
    void choose(std::initializer_list<int> rows)
    {
        window.table()->clearSelection();
        for (int row : rows) {
            window.table()->selectionModel()->select(
                window.model()->index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
        window.table()->selectionModel()->setCurrentIndex(
            window.model()->index(*rows.begin(), 0), QItemSelectionModel::NoUpdate);
    }
    QString name(int row) { return window.model()->payee(row)->name; }

    QTemporaryDir dir;
    transfer::TransferLog log { dir.filePath(QStringLiteral("przelew.sqlite")) };
    transfer::PayeeBook book { log };
    PayeeWindow window { book };
};

} // namespace

TEST_F(PayeeWindowTest, SearchAddMergeAndTheCsvBothWays)
{
    QTest::keyClicks(window.search(), QStringLiteral("lodz"));
    ASSERT_EQ(window.model()->rowCount(), 2);

    // Two spellings of one payee become the current one.
    choose({ 1, 0 });
    const QString kept = name(1);
    whenModal([](QWidget* modal) { qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Yes)->click(); });
    window.mergeClick();
    ASSERT_EQ(window.model()->rowCount(), 1);
    EXPECT_EQ(name(0), kept);

    window.search()->clear();
    whenModal([](QWidget* modal) {
        auto* dialog = qobject_cast<PayeeDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->name()->setText(QStringLiteral("Wodociągi"));
        QTest::keyClicks(dialog->account(), QStringLiteral("12102055581111111111111111"));
        EXPECT_EQ(dialog->account()->text(), QStringLiteral("12 1020 5558 1111 1111 1111 1111"));
        dialog->nip()->setText(QStringLiteral("7250005556"));
        dialog->accept();
    });
    window.addClick();
    ASSERT_EQ(book.payees().size(), 3u);

    const QString csv = dir.filePath(QStringLiteral("kontrahenci.csv"));
    ASSERT_TRUE(window.exportTo(csv));
    QTemporaryDir other;
    transfer::TransferLog otherLog(other.filePath(QStringLiteral("przelew.sqlite")));
    transfer::PayeeBook otherBook(otherLog);
    PayeeWindow otherWindow(otherBook);
    for (const char* said : { "Dodano kontrahentów: 3. Już byli w książce: 0.",
             "Dodano kontrahentów: 0. Już byli w książce: 3." }) {
        QString told;
        whenModal([&told](QWidget* modal) {
            told = qobject_cast<QMessageBox*>(modal)->text();
            qobject_cast<QMessageBox*>(modal)->accept();
        });
        ASSERT_TRUE(otherWindow.importFrom(csv));
        EXPECT_EQ(told, QString::fromUtf8(said));
    }
    ASSERT_EQ(otherBook.payees().size(), 3u);
    EXPECT_EQ(otherWindow.model()->rowCount(), 3);
    EXPECT_TRUE(errors.isEmpty());
}

// Ctrl+K opens the book; a payee used from it begins a transfer in the main window.
TEST_F(PayeeWindowTest, APayeeUsedGoesIntoTheMainWindow)
{
    TfMenu menu;
    menu.setPayeeBook(&book);
    menu.show();
    menu.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&menu));
    QTest::keyClick(menu.ceKwota, Qt::Key_K, Qt::ControlModifier);
    PayeeWindow* payees = menu.payeeWindow();
    ASSERT_TRUE(payees->isVisible());
    QTest::keyClicks(payees->search(), QStringLiteral("energa"));
    ASSERT_EQ(payees->model()->rowCount(), 1);
    payees->table()->selectRow(0);
    payees->useClick();
    EXPECT_EQ(menu.eOdbiorca->text(), QStringLiteral("Energa"));
    EXPECT_FALSE(menu.eOdbiorca->isReadOnly());
    EXPECT_TRUE(menu.aPrint->isEnabled());
}
