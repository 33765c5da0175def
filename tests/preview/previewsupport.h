// SPDX-License-Identifier: GPL-2.0-or-later
// Shared pieces of the preview window tests: the page stores of the test support, and the preview
// window's dialogs replaced by recorders that never block.
#pragma once

#include "platform/errordisplay.h"
#include "preview/rpstandardpreview.h"
#include "support/pagestores.h"

#include <vector>

namespace previewtest {

using namespace testsupport;

// Replaces the file dialogs, the message box and the error display for the life of the object.
class Dialogs {
public:
    std::vector<preview::TRpFileDialogRequest> requests;
    std::vector<QString> messages;
    std::vector<QString> errors;
    QString answer; // the file name the dialog returns ("" = cancelled)

    Dialogs()
    {
        m_dialog = preview::TRpStandardPreview::setFileDialog(
            [this](QWidget*, const preview::TRpFileDialogRequest& r) {
                requests.push_back(r);
                return answer;
            });
        m_box = preview::TRpStandardPreview::setMessageBox(
            [this](QWidget*, const QString& text) { messages.push_back(text); });
        m_errors = platform::setErrorHandler([this](const QString& text) { errors.push_back(text); });
    }
    ~Dialogs()
    {
        preview::TRpStandardPreview::setFileDialog(std::move(m_dialog));
        preview::TRpStandardPreview::setMessageBox(std::move(m_box));
        platform::setErrorHandler(std::move(m_errors));
    }

private:
    preview::TRpStandardPreview::FileDialogFunction m_dialog;
    preview::TRpStandardPreview::MessageFunction m_box;
    platform::ErrorHandler m_errors;
};

} // namespace previewtest
