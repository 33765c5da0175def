// SPDX-License-Identifier: GPL-2.0-or-later
#include "transfer/folding.h"

namespace transfer {

QString searchFolded(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text.normalized(QString::NormalizationForm_D)) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        out.append(c == u'ł' || c == u'Ł' ? QChar(u'l') : c);
    }
    return out.toCaseFolded().simplified();
}

} // namespace transfer
