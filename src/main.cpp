// SPDX-License-Identifier: GPL-3.0-or-later
// Entry point: "k9 [--appdir DIR]" starts the windowed program; "k9 --appdir DIR batch VERB
// ..." runs a batch verb without any window.
#include <QCoreApplication>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    return 0;
}
