// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/accountedit.h"

#include "transfer/accountcheck.h"

#include <QLineEdit>

namespace app {

void groupAccountWhileTyped(QLineEdit* editor)
{
    QObject::connect(editor, &QLineEdit::textEdited, editor, [editor](const QString& text) {
        const transfer::GroupedAccount grouped = transfer::groupAccount(text, editor->cursorPosition());
        if (grouped.text == text)
            return;
        editor->setText(grouped.text);
        editor->setCursorPosition(grouped.cursor);
    });
}

} // namespace app
