// SPDX-License-Identifier: GPL-2.0-or-later
// The history window on a real log, through its widgets: days chosen in the date fields, the export
// through the file dialog read back by the batch import, removal after the question, with Delete.
#include "app/historywindow.h"
#include "support/apptestsupport.h"
#include "support/money.h"
#include "transfer/transferreader.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSqlQueryModel>
#include <QTableView>
#include <QTest>
#include <QTimer>

using namespace app;

namespace {

class HistoryWindowTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        std::vector<transfer::LogEntry> entries;
        for (int day = 1; day <= 5; ++day) {
            transfer::LogEntry e;
            e.when = QDateTime(QDate(2026, 11, day), QTime(12, 0));
            e.how = QStringLiteral("druk");
            e.target = QStringLiteral("Biuro-%1").arg(day);
            e.values.recipientName = QStringLiteral("Odbiorca %1").arg(day);
            e.values.amount = transfer::Money::fromGrosze(100000 * day + 50);
            e.values.title = QStringLiteral("Faktura; %1").arg(day);
            e.values.date = 46330;
            entries.push_back(e);
        }
        ASSERT_TRUE(log.record(entries));
        window = std::make_unique<HistoryWindow>(log);
        window->show();
    }

    QStringList recipients() const
    {
        QStringList names;
        for (int row = 0; row < window->model()->rowCount(); ++row)
            names << window->model()->index(row, HistoryWindow::Recipient).data().toString();
        return names;
    }

    QTemporaryDir dir;
    transfer::TransferLog log { dir.filePath(QStringLiteral("przelew.sqlite")) };
    std::unique_ptr<HistoryWindow> window;
};

} // namespace

TEST_F(HistoryWindowTest, DaysNarrowTheListAndTheExportReadsBackInTheBatchImport)
{
    EXPECT_EQ(
        window->model()->index(0, HistoryWindow::Amount).data().toString(), QStringLiteral("5\u00a0000,50"));
    // Each box has a key of its own, which ticks it.
    QApplication::setActiveWindow(window.get());
    QTest::keyClick(window.get(), Qt::Key_O, Qt::AltModifier);
    QTest::keyClick(window.get(), Qt::Key_D, Qt::AltModifier);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return window->fromCheck()->isChecked() && window->toCheck()->isChecked(); }));
    window->from()->setDate(QDate(2026, 11, 2));
    window->to()->setDate(QDate(2026, 11, 4));
    EXPECT_EQ(recipients(), (QStringList { "Odbiorca 4", "Odbiorca 3", "Odbiorca 2" }));
    window->search()->setText(QStringLiteral("3 000"));
    EXPECT_EQ(recipients(), (QStringList { "Odbiorca 3" }));
    window->search()->clear();

    const QString name = dir.filePath(QStringLiteral("wybrane"));
    whenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->selectFile(name);
        static_cast<QDialog*>(dialog)->accept();
    });
    window->exportClick();
    QFile file(name + QStringLiteral(".csv"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const transfer::SourceTransfers back = transfer::readTransferBytes(
        std::string_view(bytes.constData(), bytes.size()), transfer::SourceKind::Csv, file.fileName());
    ASSERT_EQ(back.transfers.size(), 3u);
    EXPECT_EQ(back.transfers[0].values.recipientName, QStringLiteral("Odbiorca 4"));
    EXPECT_EQ(back.transfers[0].values.title, QStringLiteral("Faktura; 4"));
    EXPECT_EQ(back.transfers[2].values.amount, "2000,5"_zl);

    // A place that cannot be written is told, and nothing is left behind.
    EXPECT_FALSE(window->exportTo(dir.filePath(QStringLiteral("brak/x.csv"))));
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith(QStringLiteral("Nie można zapisać pliku"))) << errors[0].toStdString();
}

TEST_F(HistoryWindowTest, DeleteAsksFirstAndNoKeepsTheRows)
{
    window->table()->setFocus();
    window->table()->selectRow(1);
    window->table()->selectionModel()->select(
        window->model()->index(2, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    for (const auto button : { QMessageBox::No, QMessageBox::Yes }) {
        QString question;
        whenModal([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            question = box->text();
            box->button(button)->click();
        });
        QTest::keyClick(window->table(), Qt::Key_Delete);
        EXPECT_EQ(question, QStringLiteral("Usunąć z historii zaznaczone przelewy (2)?"));
    }
    EXPECT_EQ(recipients(), (QStringList { "Odbiorca 5", "Odbiorca 2", "Odbiorca 1" }));
    EXPECT_EQ(log.entries().size(), 3u);
    EXPECT_TRUE(errors.isEmpty());
}
