// SPDX-License-Identifier: GPL-2.0-or-later
// The small always-on-top window shown while a report is printed: a gauge, the percentage text and a
// button that cancels the print (as do Esc and the close box): no job is sent, or the one on its way is
// cancelled at the spooler.
#pragma once

#include "report/rpprinter.h"

#include <QDialog>
#include <QPointer>

class QLabel;
class QProgressBar;
class QPushButton;

namespace preview {

using report::TRpPrinter;

class TRpProgressForm : public QDialog {
    Q_OBJECT
public:
    explicit TRpProgressForm(TRpPrinter* printer, QWidget* parent = nullptr);

    // Room a frame takes beside its caption: a window icon, minimise, maximise and close boxes of about
    // 20 pixels each (some window managers draw all of them whatever a dialog asks for), and margins.
    static constexpr int CaptionFrameRoom = 120;

    TRpPrinter* printer() const { return m_printer; }
    QProgressBar* Gauge() const { return m_gauge; }
    QLabel* Info() const { return m_info; }
    QPushButton* CancelButton() const { return m_cancelButton; }

    // Shows the window and paints it before returning, so its gauge and text are on screen while the
    // print runs.
    void showPainted();

    // The text shown for a percentage ("5%  Completed").
    static QString progressText(int percent);

public slots:
    // Notifications of the printer (queued calls).
    void progressUpdate(int percent);
    void pageAvailable(int pagesAvailable);
    void CancelButtonClick();

    // Esc cancels the print like the button; the print closes the window itself.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QPointer<TRpPrinter> m_printer;
    QProgressBar* m_gauge;
    QLabel* m_info;
    QPushButton* m_cancelButton;
};

} // namespace preview
