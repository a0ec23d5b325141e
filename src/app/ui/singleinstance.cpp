// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/singleinstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>

namespace k9 {
namespace {

const QByteArray kRaise = QByteArrayLiteral("raise\n");

} // namespace

SingleInstance::SingleInstance(const QString& appDir, QObject* parent)
    : QObject(parent), m_name(serverName(appDir)) {}

QString SingleInstance::serverName(const QString& appDir) {
    // The home folder keeps two users' instances of one shared program folder apart.
    QByteArray key = QDir::cleanPath(QDir(appDir).absolutePath()).toUtf8() + '\n' + QDir::homePath().toUtf8();
    return QStringLiteral("k9-") +
           QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(24));
}

bool SingleInstance::notifyRunning() {
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(500))
        return false;
    socket.write(kRaise);
    socket.waitForBytesWritten(500);
    socket.disconnectFromServer();
    return true;
}

bool SingleInstance::listen() {
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_name)) {
        // A socket left behind by a crashed instance: nobody answered notifyRunning().
        QLocalServer::removeServer(m_name);
        if (!m_server->listen(m_name))
            return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        // Every connection is a later start asking for the window.
        while (QLocalSocket* client = m_server->nextPendingConnection()) {
            connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
            emit raiseRequested();
        }
    });
    return true;
}

} // namespace k9
