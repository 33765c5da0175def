// SPDX-License-Identifier: GPL-2.0-or-later
// What one preview shows, kept with its page target: the data its pages were made from. A print from that
// preview first puts the data back where the report reads them, so it prints what the preview shows
// whatever other previews made since; and the pages that leave the program, printed or saved, are told to
// it by their numbers. The engine knows nothing more of the data.
#pragma once

#include <QString>

namespace report {

class TRpRun {
public:
    virtual ~TRpRun() = default;
    // Puts the run's data back before the report is generated again for its preview (to print it).
    virtual void restore() = 0;
    // Pages firstPage to lastPage (from 1) left the program: how ("druk" printed, "plik" saved) and where
    // (the job "QUEUE-ID", or the file).
    virtual void output(const QString& how, const QString& target, int firstPage, int lastPage) = 0;
};

} // namespace report
