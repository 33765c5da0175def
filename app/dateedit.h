// SPDX-License-Identifier: GPL-2.0-or-later
// The date editor: holds a date (days from 30 December 1899) or nothing (-700000). Shows the regional
// short date; takes typed dates and the date words on leaving or Enter ("Nieporawna data" for a text
// that is no date); its button drops down a calendar with "Dziś" and "Wyczyść".
#pragma once

#include <QLineEdit>

class QCalendarWidget;
class QFrame;

namespace app {

class TDateEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TDateEdit(QWidget* parent = nullptr);

    // The date held; while a typed text is being edited, the date it gives (nothing for an empty text),
    // so a command started with the keyboard reads what the user sees.
    double date() const;
    void setDate(double days);
    void clearDate();

    // A text as if typed: the editor then holds the date it gives, or nothing; no message.
    void setDateText(const QString& text);

    // The drop-down calendar (created on first use).
    void showCalendar();
    QFrame* calendarPopup() const { return m_popup; }
    QCalendarWidget* calendar() const { return m_calendar; }

signals:
    void invalidDateShown();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // Takes the typed text; false (and the message) when it is no date.
    bool acceptTypedText();
    void showDate();

    double m_date;
    QFrame* m_popup = nullptr;
    QCalendarWidget* m_calendar = nullptr;
};

} // namespace app
