// SPDX-License-Identifier: GPL-2.0-or-later
// przelew-render: renders transfer data files and CSV files, read with the program's own import rules and
// filled into the record as the print command fills them, to a report file, an EMF page, a PNG or a PDF,
// or prints them through the spooler, without a window. A saved report file is converted or printed the
// same way. The work is in renderjob.cpp; this is the program around it.
#include "platform/fonts.h"
#include "platform/language.h"
#include "platform/memory.h"
#include "tools/renderjob.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    // The renderer never shows a window; offscreen also fixes the page resolution at 96 ppi.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::loadApplicationFonts();
    platform::keepFreedMemoryForReuse();
    // A command line speaks English, whatever the desktop's language: the messages the program's
    // libraries write in Polish for the windows come out in English here too.
    platform::installTranslations(platform::ScreenLanguage::English);
    QTextStream out(stdout), err(stderr);
    return tools::runRender(QCoreApplication::arguments().mid(1), out, err);
}
