// Shared pieces of the preview and report-file tests: page stores with real EMF pages, a temporary
// folder, and the preview window's dialogs replaced by recorders that never block.
#pragma once

#include "platform/errordisplay.h"
#include "report/rpprinter.h"
#include "report/rpstandardpreview.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <memory>
#include <vector>

namespace previewtest {

// A finished A4 landscape page store at 96 ppi with `pages` pages; page k carries k small black
// squares at the top left and a black bar along its left edge, so pages can be told apart by pixels.
inline std::unique_ptr<report::TRpPrinter> finishedStore(int pages)
{
    using namespace report;
    auto printer = std::make_unique<TRpPrinter>(TRpPrinterDestination::PageStore, 96);
    printer->deviceSettings().setPaper(TRpPaperSize::A4);
    printer->deviceSettings().orientation = poLandscape;
    printer->OpenDocument();
    for (int k = 1; k <= pages; ++k) {
        printer->NextPage();
        platform::Canvas& c = *printer->canvas();
        c.setBrush(platform::Brush { platform::rgb(0, 0, 0), false });
        c.fillRect(100, 100, 300, 700);
        for (int i = 0; i < k; ++i)
            c.fillRect(400 + 40 * i, 100, 430 + 40 * i, 130);
    }
    printer->CloseDocument();
    return printer;
}

inline QByteArray readFile(const QString& name)
{
    QFile f(name);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

inline void writeFile(const QString& name, const QByteArray& bytes)
{
    QFile f(name);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

// Replaces the file dialogs, the message box and the error display for the life of the object.
class Dialogs {
public:
    std::vector<report::TRpFileDialogRequest> requests;
    std::vector<QString> messages;
    std::vector<QString> errors;
    QString answer; // the file name the dialog returns ("" = cancelled)

    Dialogs()
    {
        m_dialog = report::TRpStandardPreview::setFileDialog(
            [this](QWidget*, const report::TRpFileDialogRequest& r) {
                requests.push_back(r);
                return answer;
            });
        m_box = report::TRpStandardPreview::setMessageBox(
            [this](QWidget*, const QString& text) { messages.push_back(text); });
        m_errors = platform::setErrorHandler([this](const QString& text) { errors.push_back(text); });
    }
    ~Dialogs()
    {
        report::TRpStandardPreview::setFileDialog(std::move(m_dialog));
        report::TRpStandardPreview::setMessageBox(std::move(m_box));
        platform::setErrorHandler(std::move(m_errors));
    }

private:
    report::TRpStandardPreview::FileDialogFunction m_dialog;
    report::TRpStandardPreview::MessageFunction m_box;
    platform::ErrorHandler m_errors;
};

} // namespace previewtest
