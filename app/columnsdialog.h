// SPDX-License-Identifier: GPL-2.0-or-later
// "Kolumny pliku": the columns of a CSV file that the import does not know by name, each to be read as a
// value of the transfer or passed over ("pomiń"). The answer is remembered for the same columns, so a
// bank's or an accounting program's export is asked about once.
#pragma once

#include "transfer/csvimport.h"

#include <QDialog>
#include <QStringList>
#include <optional>
#include <vector>

class QComboBox;

namespace app {

class ColumnsDialog : public QDialog {
    Q_OBJECT
public:
    ColumnsDialog(const QString& fileName, const QStringList& columns, QWidget* parent = nullptr);

    transfer::ColumnChoices choices() const;
    // The choice of the column at this place in the list given.
    QComboBox* choice(int column) const { return m_choices.at(std::size_t(column)); }

private:
    QStringList m_columns;
    std::vector<QComboBox*> m_choices;
};

// What was answered for exactly these columns; nothing when they were never asked about.
std::optional<transfer::ColumnChoices> rememberedColumns(const QStringList& columns);
// False when the registry file cannot be written.
bool rememberColumns(const QStringList& columns, const transfer::ColumnChoices& choices);

} // namespace app
