// SPDX-License-Identifier: GPL-2.0-or-later
// "Kontrahenci": the payee book, searched as the user types (letter case and diacritics aside), its
// payees added, changed, deleted after asking and merged two into one; a list comes in from a CSV file
// (an accounting program's or a spreadsheet's) and goes out as one. A payee double-clicked (or "Użyj")
// goes into the main window's editors.
#pragma once

#include "transfer/payees.h"

#include <QAbstractTableModel>
#include <QDialog>
#include <QWidget>
#include <functional>
#include <vector>

class QLineEdit;
class QPushButton;
class QTableView;

namespace app {

// The payees the search found, a row each (copies: the book may read itself again meanwhile).
class PayeeTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Name, Account, Nip, Title, Note, LastPaid, ColumnCount };

    void setPayees(const std::vector<const transfer::Payee*>& payees);
    const transfer::Payee* payee(int row) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    std::vector<transfer::Payee> m_payees;
};

// The form of one payee: "Nazwa", "Rachunek" (grouped as typed), "NIP", "Tytuł", "Uwagi".
class PayeeDialog : public QDialog {
    Q_OBJECT
public:
    explicit PayeeDialog(const transfer::Payee& payee, QWidget* parent = nullptr);
    transfer::Payee payee() const;

    QLineEdit* name() const { return m_name; }
    QLineEdit* account() const { return m_account; }
    QLineEdit* nip() const { return m_nip; }
    QLineEdit* title() const { return m_title; }
    QLineEdit* note() const { return m_note; }

private:
    transfer::Payee m_payee;
    QLineEdit* m_name;
    QLineEdit* m_account;
    QLineEdit* m_nip;
    QLineEdit* m_title;
    QLineEdit* m_note;
};

class PayeeWindow : public QWidget {
    Q_OBJECT
public:
    explicit PayeeWindow(transfer::PayeeBook& book, QWidget* parent = nullptr);

    // What "Użyj" (and a double click) does with the payee.
    void setUse(std::function<void(const transfer::Payee&)> use) { m_use = std::move(use); }
    // The file dialogs; tests put functions that return a path (empty for a cancel).
    void setOpenChooser(std::function<QString()> chooser) { m_chooseOpen = std::move(chooser); }
    void setSaveChooser(std::function<QString()> chooser) { m_chooseSave = std::move(chooser); }

    // Shows the payees the search finds, read again from the book.
    void refresh();
    void addClick();
    void editClick();
    // Asks, then deletes the chosen payees.
    void removeClick();
    // Two chosen payees become the current one, which takes what it lacks from the other; asked first.
    void mergeClick();
    void useClick();
    void importClick();
    void exportClick();
    // Adds the payees of the file that the book lacks; false after telling the user why not.
    bool importFrom(const QString& fileName);
    bool exportTo(const QString& fileName);

    QLineEdit* search() const { return m_search; }
    QTableView* table() const { return m_table; }
    PayeeTableModel* model() const { return m_model; }

private:
    std::vector<transfer::Payee> chosen() const;
    // The dialog, then the book; the dialog comes back while the book refuses.
    void editPayee(transfer::Payee payee, const QString& caption);

    transfer::PayeeBook& m_book;
    QLineEdit* m_search;
    QTableView* m_table;
    PayeeTableModel* m_model;
    std::function<void(const transfer::Payee&)> m_use;
    std::function<QString()> m_chooseOpen;
    std::function<QString()> m_chooseSave;
};

} // namespace app
