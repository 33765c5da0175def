// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/currencyedit.h"
#include "support/editortest.h"

#include <QClipboard>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

using namespace app;

namespace {

class CurrencyEditTest : public EditorTest<TCurrencyEdit> { };

} // namespace

TEST_F(CurrencyEditTest, TypingRows)
{
    struct Row {
        const char* name;
        const char* keys;
        const char* shownWhileTyping;
        int refused;
        const char* shownAfterLeaving;
    };
    const Row rows[] = {
        { "point becomes the comma", "12.5", "12,5", 0, "12,50" },
        { "comma as is", "12,5", "12,5", 0, "12,50" },
        { "third decimal refused", "1.255", "1,25", 1, "1,25" },
        { "second separator refused", "1,2,", "1,2", 1, "1,20" },
        { "letters refused", "1a2", "12", 1, "12,00" },
        { "minus into an empty editor", "-5", "-5", 0, "-5,00" },
        { "plus alone refused", "+", "", 1, "" },
        { "exponent cannot be typed at the end", "1e", "1", 1, "1,00" },
        { "blank refused", "1 000", "1000", 1, "1000,00" },
        { "nothing typed", "", "", 0, "" },
    };
    for (const Row& r : rows) {
        edit->setValue(std::nullopt);
        edit->setFocus();
        QSignalSpy refused(edit, &TCurrencyEdit::keyRefused);
        QTest::keyClicks(edit, QString::fromLatin1(r.keys));
        EXPECT_EQ(edit->text(), QString::fromLatin1(r.shownWhileTyping)) << r.name;
        EXPECT_EQ(refused.count(), r.refused) << r.name;
        leave();
        EXPECT_EQ(edit->text(), QString::fromLatin1(r.shownAfterLeaving)) << r.name;
    }
}

TEST_F(CurrencyEditTest, FocusShowsTheShortestForm)
{
    edit->setValue(transfer::Money::fromRecordValue(1234.5));
    leave();
    EXPECT_EQ(edit->text(), QStringLiteral("1234,50"));
    edit->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(edit->text(), QStringLiteral("1234,5"));
}

TEST_F(CurrencyEditTest, DeletingKeysAlwaysPass)
{
    QTest::keyClicks(edit, QStringLiteral("1,25"));
    QSignalSpy refused(edit, &TCurrencyEdit::keyRefused);
    QTest::keyClick(edit, Qt::Key_Home);
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClick(edit, Qt::Key_End);
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), QStringLiteral(",2"));
    EXPECT_EQ(refused.count(), 0);
    EXPECT_DOUBLE_EQ(edit->numericValue().toRecordValue(), 0.2);
    // An exponent goes in the middle, where the text stays a number.
    edit->setValue(std::nullopt);
    QTest::keyClicks(edit, QStringLiteral("15"));
    QTest::keyClick(edit, Qt::Key_Left);
    QTest::keyClicks(edit, QStringLiteral("E"));
    EXPECT_EQ(edit->text(), QStringLiteral("1E5"));
    EXPECT_DOUBLE_EQ(edit->numericValue().toRecordValue(), 100000.0);
}

TEST_F(CurrencyEditTest, GivenTexts)
{
    struct Row {
        const char* name;
        QString text;
        std::optional<double> value;
    };
    const Row rows[] = {
        { "Polish decimal", QStringLiteral("1234,5"), 1234.5 },
        { "a decimal point, read as every file's amount is", QStringLiteral("1234.5"), 1234.5 },
        { "grouped by dots", QStringLiteral("1.234,56"), 1234.56 },
        { "thousands separator removed", QStringLiteral("1\u00A0234,56"), 1234.56 },
        { "blanks around", QStringLiteral(" 12 "), 12.0 },
        { "empty", QString(), std::nullopt },
        { "words", QStringLiteral("sto"), std::nullopt },
        { "a third decimal is never rounded", QStringLiteral("0,125"), std::nullopt },
        { "beyond the largest amount", QStringLiteral("1e15"), std::nullopt },
    };
    for (const Row& r : rows) {
        edit->setValue(transfer::Money::fromRecordValue(7.0));
        edit->setAmountText(r.text);
        EXPECT_EQ(edit->value().has_value(), r.value.has_value()) << r.name;
        if (r.value)
            EXPECT_DOUBLE_EQ(edit->numericValue().toRecordValue(), *r.value) << r.name;
        else
            EXPECT_EQ(edit->numericValue().toRecordValue(), 0.0) << r.name;
    }
}

// An amount pasted as invoices and statements write it is taken whole; one that would be rounded is not.
TEST_F(CurrencyEditTest, PastedAmounts)
{
    struct Row {
        const char* pasted;
        const char* shown; // after leaving
        int refused;
    };
    const Row rows[] = {
        { "1 234,56", "1234,56", 0 },
        { "1.234,56", "1234,56", 0 },
        { "1\u00A0234.5", "1234,50", 0 },
        { "12,345", "", 1 },
        { "250 zł", "", 1 },
    };
    for (const Row& r : rows) {
        edit->setValue(std::nullopt);
        edit->setFocus();
        QApplication::clipboard()->setText(QString::fromUtf8(r.pasted));
        QSignalSpy refused(edit, &TCurrencyEdit::keyRefused);
        QTest::keySequence(edit, QKeySequence::Paste);
        EXPECT_EQ(refused.count(), r.refused) << r.pasted;
        leave();
        EXPECT_EQ(edit->text(), QString::fromUtf8(r.shown)) << r.pasted;
    }
}

TEST_F(CurrencyEditTest, AnotherWindowDoesNotInterruptTyping)
{
    QTest::keyClicks(edit, QStringLiteral("12,"));
    QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(edit, &out);
    EXPECT_EQ(edit->text(), QStringLiteral("12,"));
    QFocusEvent in(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(edit, &in);
    EXPECT_EQ(edit->text(), QStringLiteral("12,"));
}

TEST_F(CurrencyEditTest, AValueGivenWhileTheWindowWasInactiveShowsItsShortFormOnReturn)
{
    leave();
    edit->setValue(transfer::Money::fromRecordValue(1234.5));
    EXPECT_EQ(edit->text(), QStringLiteral("1234,50"));
    edit->setFocus(Qt::ActiveWindowFocusReason);
    EXPECT_EQ(edit->text(), QStringLiteral("1234,5"));
}
