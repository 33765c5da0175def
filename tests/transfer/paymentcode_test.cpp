// SPDX-License-Identifier: GPL-2.0-or-later
// The pay-by-phone code: the payload's fields and rules, and a code that a reader decodes back.
#include "support/files.h"
#include "support/money.h"
#include "transfer/paymentcode.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

transfer::TransferEditorValues example()
{
    transfer::TransferEditorValues v;
    v.recipientName = QStringLiteral("Odbiorca 1");
    v.recipientAccount = QStringLiteral("92 1240 1234 0001 5678 9012 3456");
    v.amount = "12"_zl;
    v.title = QStringLiteral("FV 1234/34/2012");
    return v;
}

} // namespace

TEST(PaymentCode, PayloadRules)
{
    // The standard's own example.
    EXPECT_EQ(transfer::paymentCodePayload(example(), QStringLiteral("1234567890")),
        QStringLiteral("1234567890|PL|92124012340001567890123456|001200|Odbiorca 1|FV 1234/34/2012|||"));

    struct Row {
        const char* name;
        std::function<void(transfer::TransferEditorValues&, QString&)> change;
        const char* payload; // nullptr: refused
    };
    const Row rows[] = {
        { "no tax number", [](transfer::TransferEditorValues&, QString& nip) { nip.clear(); },
            "|PL|92124012340001567890123456|001200|Odbiorca 1|FV 1234/34/2012|||" },
        { "name and title cut, other signs left out",
            [](transfer::TransferEditorValues& v, QString&) {
                v.recipientName = QStringLiteral("Spółdzielnia \"Zorza\" (Łódź) nr 5");
                v.title = QStringLiteral("Czynsz: 12/2026 — @#&*_,.\\ ok! (lokal 7)");
            },
            "1234567890|PL|92124012340001567890123456|001200|Spółdzielnia Zorza Ł|Czynsz 12/2026  @#&*_,.\\ "
            "ok "
            "loka|||" }, // cut at 32
        { "the most the code holds",
            [](transfer::TransferEditorValues& v, QString&) { v.amount = "9999,99"_zl; },
            "1234567890|PL|92124012340001567890123456|999999|Odbiorca 1|FV 1234/34/2012|||" },
        { "an account with PL",
            [](transfer::TransferEditorValues& v, QString&) {
                v.recipientAccount = QStringLiteral("PL92124012340001567890123456");
            },
            "1234567890|PL|92124012340001567890123456|001200|Odbiorca 1|FV 1234/34/2012|||" },
        { "more than the code holds",
            [](transfer::TransferEditorValues& v, QString&) { v.amount = "10000"_zl; }, nullptr },
        { "a negative amount", [](transfer::TransferEditorValues& v, QString&) { v.amount = "-1"_zl; },
            nullptr },
        { "a short account",
            [](transfer::TransferEditorValues& v, QString&) {
                v.recipientAccount = QStringLiteral("12 3456");
            },
            nullptr },
        { "a tax number of 9 digits",
            [](transfer::TransferEditorValues&, QString& nip) { nip = QStringLiteral("123456789"); },
            nullptr },
    };
    for (const Row& row : rows) {
        transfer::TransferEditorValues v = example();
        QString nip = QStringLiteral("1234567890");
        row.change(v, nip);
        QString problem;
        const std::optional<QString> payload = transfer::paymentCodePayload(v, nip, &problem);
        if (row.payload) {
            EXPECT_EQ(payload.value_or(QString()).toStdString(), row.payload) << row.name;
        } else {
            EXPECT_FALSE(payload) << row.name;
            EXPECT_FALSE(problem.isEmpty()) << row.name;
        }
    }
}

// The PNG decodes back to the payload, Polish letters included (read with zbarimg where it is installed).
TEST(PaymentCode, TheCodeScans)
{
    transfer::TransferEditorValues v = example();
    v.recipientName = QStringLiteral("Zakład Łączności");
    const QString payload = *transfer::paymentCodePayload(v, QString());
    const transfer::QrMatrix code = transfer::encodeQr(payload);
    ASSERT_GT(code.size, 20);
    const QImage image = transfer::qrImage(code, 6);
    EXPECT_EQ(image.width(), (code.size + 8) * 6);
    EXPECT_TRUE(transfer::qrSvg(code).startsWith("<?xml"));
    if (QStandardPaths::findExecutable(QStringLiteral("zbarimg")).isEmpty())
        GTEST_SKIP() << "zbarimg (zbar-tools) is not installed";
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("kod.png"));
    ASSERT_TRUE(image.save(png));
    QProcess zbar;
    zbar.start(QStringLiteral("zbarimg"), { QStringLiteral("--raw"), QStringLiteral("-q"), png });
    ASSERT_TRUE(zbar.waitForFinished(30000));
    EXPECT_EQ(QString::fromUtf8(zbar.readAllStandardOutput()).trimmed(), payload);
}
