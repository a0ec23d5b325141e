// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/fieldwidth.h"

#include "store/cp932.h"

#include <QLineEdit>

namespace k9 {

void limitToCp932Width(QLineEdit* edit, int maxBytes) {
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit, maxBytes](const QString& text) {
        if (cp932::byteWidth(text) <= maxBytes)
            return;
        const int cursor = edit->cursorPosition();
        edit->setText(cp932::truncate(text, maxBytes));
        edit->setCursorPosition(qMin(cursor, static_cast<int>(edit->text().size())));
    });
}

} // namespace k9
