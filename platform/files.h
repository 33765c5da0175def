// SPDX-License-Identifier: GPL-2.0-or-later
// Files as the commands use them: reading a whole file while other programs may not write it, the
// system's text for why an open failed, and the temporary folder.
#pragma once

#include "platform/error.h"

#include <QString>
#include <string>

namespace platform {

// A file that could not be opened or read; the message names the file and the reason.
class FileError : public Error {
public:
    using Error::Error;
};

enum class ShareMode {
    DenyWrite, // fails while another program holds the file for writing, and keeps writers out meanwhile
    DenyNone,
};

// Opens a regular file for reading, holds a shared advisory lock (open-file-description lock) while
// reading when writers are denied, and returns every byte. Raises FileError with the text
// Cannot open file "<path>". <reason> when the file cannot be opened or read, is no regular file (a
// folder, a pipe, a device that never ends), or another program holds a write lock on it.
std::string readWholeFile(const QString& path, ShareMode mode = ShareMode::DenyWrite);

// The system's description of an error number, without trailing blanks or dots.
QString systemReasonText(int errorNumber);

// "Cannot open file "<path>". <reason>", the reason without trailing blanks or dots.
QString cannotOpenFileMessage(const QString& path, const QString& reason);

QString tempFolder();

} // namespace platform
