// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/csvfiles.h"

#include "platform/errordisplay.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>

namespace app {

QString chooseCsvToSave(QWidget* parent, const QString& caption, const QString& suggestedName,
    const std::function<QString()>& chooser)
{
    QString name = chooser
        ? chooser()
        : QFileDialog::getSaveFileName(parent, caption, QDir::home().filePath(suggestedName),
            QCoreApplication::translate("app::CsvFiles", "Pliki CSV (*.csv);;Wszystkie pliki (*)"));
    if (!name.isEmpty() && QFileInfo(name).suffix().isEmpty())
        name += QStringLiteral(".csv");
    return name;
}

bool saveFileTelling(const QString& fileName, const QByteArray& bytes, QWidget* parent)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) < 0 || !file.commit()) {
        platform::showError(QCoreApplication::translate("app::CsvFiles", "Nie można zapisać pliku „%1”: %2")
                                .arg(fileName, file.errorString()),
            parent);
        return false;
    }
    return true;
}

} // namespace app
