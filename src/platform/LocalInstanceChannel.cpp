// The module behind InstanceChannel: Qt's local sockets, in a library of their own.
#include "platform/InstanceChannel.h"

#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

#include <algorithm>

namespace {

const QByteArray RaiseRequest = "raise\n";
const QByteArray RaiseReply = "raised\n";

class LocalInstanceChannel final : public InstanceChannel
{
public:
    bool listen(const QString& name, std::function<void()> onRaise, QString* error) override
    {
        m_onRaise = std::move(onRaise);
        m_server.setSocketOptions(QLocalServer::UserAccessOption);
        QObject::connect(&m_server, &QLocalServer::newConnection, &m_server, [this] { serveConnections(); });
        QLocalServer::removeServer(name);
        if (m_server.listen(name))
            return true;
        *error = m_server.errorString();
        return false;
    }

    bool askToRaise(const QString& name, int timeoutMs) override
    {
        // The running copy may be starting up and not yet listening, or busy loading a long lot list.
        const QDeadlineTimer deadline(timeoutMs);
        while (!deadline.hasExpired()) {
            QLocalSocket socket;
            socket.connectToServer(name);
            if (socket.waitForConnected(static_cast<int>(std::min<qint64>(deadline.remainingTime(), 500)))) {
                socket.write(RaiseRequest);
                if (!socket.waitForBytesWritten(static_cast<int>(deadline.remainingTime())))
                    return false;
                QByteArray reply;
                while (!reply.contains('\n') && socket.waitForReadyRead(static_cast<int>(deadline.remainingTime())))
                    reply += socket.readAll();
                return reply == RaiseReply;
            }
            QThread::msleep(50);
        }
        return false;
    }

private:
    void serveConnections()
    {
        while (QLocalSocket* socket = m_server.nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
                if (!socket->canReadLine())
                    return;
                if (socket->readLine() == RaiseRequest) {
                    m_onRaise();
                    socket->write(RaiseReply);
                }
                socket->disconnectFromServer();
            });
        }
    }

    QLocalServer m_server;
    std::function<void()> m_onRaise;
};

} // namespace

extern "C" Q_DECL_EXPORT InstanceChannel* gavelor_create_instance_channel()
{
    return new LocalInstanceChannel;
}
