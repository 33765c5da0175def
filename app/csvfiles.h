// SPDX-License-Identifier: GPL-2.0-or-later
// Saving the CSV files the windows write (the history, a set, the payee book): where, asked in the save
// dialog unless a test answers, and the file written whole or not at all, a failure told to the user.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

class QWidget;

namespace app {

// The file to save to, from chooser when there is one (tests), else from the save dialog, which suggests
// suggestedName in the home folder; ".csv" is added to a name without an extension. Empty for a cancel.
QString chooseCsvToSave(QWidget* parent, const QString& caption, const QString& suggestedName,
    const std::function<QString()>& chooser = {});

// Writes the bytes to the file whole; false after telling the user why not.
bool saveFileTelling(const QString& fileName, const QByteArray& bytes, QWidget* parent);

} // namespace app
