// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/columnsdialog.h"

#include "platform/registry.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <array>

namespace app {

namespace {

struct FieldChoice {
    transfer::Field field;
    const char* text; // as the dialog offers it
    const char* stored; // as the registry keeps it
};
constexpr std::array<FieldChoice, 8> Choices { {
    { transfer::Field::None, QT_TRANSLATE_NOOP("app::ColumnsDialog", "pomiń"), "" },
    { transfer::Field::NDNazwa, QT_TRANSLATE_NOOP("app::ColumnsDialog", "Nazwa odbiorcy"), "NDNazwa" },
    { transfer::Field::NDKonto, QT_TRANSLATE_NOOP("app::ColumnsDialog", "Rachunek odbiorcy"), "NDKonto" },
    { transfer::Field::Kwota, QT_TRANSLATE_NOOP("app::ColumnsDialog", "Kwota"), "Kwota" },
    { transfer::Field::Tytulem, QT_TRANSLATE_NOOP("app::ColumnsDialog", "Tytułem"), "Tytulem" },
    { transfer::Field::WCNazwa, QT_TRANSLATE_NOOP("app::ColumnsDialog", "Nazwa zleceniodawcy"), "WCNazwa" },
    { transfer::Field::WCKonto, QT_TRANSLATE_NOOP("app::ColumnsDialog", "Rachunek zleceniodawcy"),
        "WCKonto" },
    { transfer::Field::Data, QT_TRANSLATE_NOOP("app::ColumnsDialog", "Data"), "Data" },
} };

// One registry key for one list of columns.
QString keyOf(const QStringList& columns)
{
    const QByteArray hash
        = QCryptographicHash::hash(columns.join(QLatin1Char('\n')).toUtf8(), QCryptographicHash::Sha1)
              .toHex();
    return QStringLiteral("Kolumny/") + QString::fromLatin1(hash);
}

} // namespace

ColumnsDialog::ColumnsDialog(const QString& fileName, const QStringList& columns, QWidget* parent)
    : QDialog(parent)
    , m_columns(columns)
{
    setObjectName(QStringLiteral("ColumnsDialog"));
    setWindowTitle(tr("Kolumny pliku"));
    auto* form = new QFormLayout(this);
    auto* said
        = new QLabel(tr("Plik „%1” ma kolumny, których nazw program nie zna. Wskaż, co zawiera każda z nich:")
                         .arg(fileName),
            this);
    said->setWordWrap(true);
    form->addRow(said);
    for (const QString& column : columns) {
        auto* choice = new QComboBox(this);
        for (const FieldChoice& c : Choices)
            choice->addItem(QCoreApplication::translate("app::ColumnsDialog", c.text));
        form->addRow(column + QLatin1Char(':'), choice);
        m_choices.push_back(choice);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Anuluj"));
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

transfer::ColumnChoices ColumnsDialog::choices() const
{
    transfer::ColumnChoices chosen;
    for (qsizetype i = 0; i < m_columns.size(); ++i)
        chosen[m_columns[i]] = Choices.at(std::size_t(m_choices[std::size_t(i)]->currentIndex())).field;
    return chosen;
}

std::optional<transfer::ColumnChoices> rememberedColumns(const QStringList& columns)
{
    const platform::Registry registry;
    const QString key = keyOf(columns);
    if (!registry.keyExists(key))
        return std::nullopt;
    transfer::ColumnChoices chosen;
    for (qsizetype i = 0; i < columns.size(); ++i) {
        const QString stored = registry.readString(key, QString::number(i + 1));
        transfer::Field field = transfer::Field::None;
        for (const FieldChoice& c : Choices) {
            if (stored == QLatin1String(c.stored))
                field = c.field;
        }
        chosen[columns[i]] = field;
    }
    return chosen;
}

bool rememberColumns(const QStringList& columns, const transfer::ColumnChoices& choices)
{
    platform::Registry registry;
    const QString key = keyOf(columns);
    if (registry.status() == platform::Registry::Status::Unreadable || !registry.createKey(key))
        return false;
    for (qsizetype i = 0; i < columns.size(); ++i) {
        const auto chosen = choices.find(columns[i]);
        const transfer::Field field = chosen == choices.end() ? transfer::Field::None : chosen->second;
        const auto c = std::find_if(Choices.begin(), Choices.end(),
            [field](const FieldChoice& choice) { return choice.field == field; });
        if (!registry.writeString(key, QString::number(i + 1), QString::fromLatin1(c->stored)))
            return false;
    }
    return registry.flush();
}

} // namespace app
