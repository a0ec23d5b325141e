// SPDX-License-Identifier: GPL-3.0-or-later
// One running program per program folder: the first start listens on a local socket named
// after a hash of AppDir; a second start connects, asks the first to raise its window and
// ends.
#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace k9 {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& appDir, QObject* parent = nullptr);

    // The socket name for a program folder.
    static QString serverName(const QString& appDir);

    // True when another instance runs for this program folder; it has then been asked to
    // raise its window.
    bool notifyRunning();
    // Starts listening for later starts. False when the socket cannot be made (the program
    // then runs without the single-instance guard).
    bool listen();

signals:
    void raiseRequested();

private:
    QString m_name;
    QLocalServer* m_server = nullptr;
};

} // namespace k9
