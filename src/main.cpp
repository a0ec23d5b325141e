// SPDX-License-Identifier: GPL-3.0-or-later
// Entry point: "k9 [--appdir DIR]" starts the windowed program in the program folder DIR
// (the current directory by default); "k9 --appdir DIR batch VERB ..." runs a batch verb
// without any window.
#include "app/batch.h"
#include "app/ui/mainform.h"
#include "app/ui/menuscreens.h"
#include "app/ui/singleinstance.h"
#include "app/ui/widgetprompter.h"
#include "store/prompter.h"
#include "store/session.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QLocale>
#include <QTextStream>
#include <QTimer>
#include <cstdio>
#include <ctime>

namespace {

// Batch output does not depend on the machine: Japanese locale and Japan time.
void pinBatchEnvironment() {
    qputenv("TZ", "Asia/Tokyo");
    tzset();
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
}

int runBatchMode(int argc, char** argv, const k9::CommandLine& cl) {
    // PDF output paints text, which needs the font database of a GUI application; batch mode
    // opens no window, so it runs on the offscreen platform unless another one is asked for.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    pinBatchEnvironment();
    QDir().mkpath(cl.appDir);
    QDir::setCurrent(cl.appDir);
    k9::ConsolePrompter prompter;
    QTextStream err(stderr);
    return k9::runBatch(cl.appDir, cl.batchArgs, prompter, err, QDate::currentDate());
}

int runWindowed(int argc, char** argv, const k9::CommandLine& cl) {
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("k9"));
    app.setFont(QFont(QStringLiteral("IPAPGothic"), 10));
    QDir::setCurrent(cl.appDir);

    k9::SingleInstance instance(cl.appDir);
    if (instance.notifyRunning())
        return 0;
    instance.listen();

    k9::Session session;
    session.appDir = cl.appDir;
    k9::WidgetPrompter prompter;
    k9::TMainForm window(session, prompter, k9::defaultMenuScreens());
    prompter.setParentWidget(&window);
    QObject::connect(&instance, &k9::SingleInstance::raiseRequested, &window, &k9::TMainForm::raiseWindow);
    window.show();
    QTimer::singleShot(0, &window, [&window] { window.activate(); });
    return app.exec();
}

} // namespace

int main(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    const k9::CommandLine cl = k9::parseCommandLine(args, QDir::currentPath());
    if (!cl.error.isEmpty()) {
        std::fprintf(stderr, "%s\n%s\n", cl.error.toUtf8().constData(),
                     k9::batchUsage().toUtf8().constData());
        return k9::kExitUsage;
    }
    if (cl.batch)
        return runBatchMode(argc, argv, cl);
    return runWindowed(argc, argv, cl);
}
