// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/prompter.h"

#include <cstdio>

namespace k9 {

void ConsolePrompter::message(const QString& text, MessageIcon) {
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
}

Answer ConsolePrompter::ask(const QString& text, MessageIcon, Buttons) {
    std::fprintf(stderr, "%s [はい]\n", text.toUtf8().constData());
    return Answer::Yes;
}

} // namespace k9
