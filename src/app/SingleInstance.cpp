#include "app/SingleInstance.h"

#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

#include "text/texts/CommonTexts.h"

namespace velno::app {

namespace {

constexpr int kTimeoutMs = 1500;
const QByteArray kShowRequest = "show\n";

}  // namespace

SingleInstance::SingleInstance(QString name, QObject* parent)
    : QObject(parent), name_(std::move(name)) {}

SingleInstance::~SingleInstance() {
    if (server_) server_->close();
}

QString SingleInstance::defaultName() {
    const QString fromEnv = qEnvironmentVariable("VELNO_INSTANCE_NAME");
    if (!fromEnv.isEmpty()) return fromEnv;
    // Local sockets share one namespace on the machine: the user's id keeps
    // two users' programs apart.
    return QStringLiteral("VELNO_9_") + QString::fromStdString(text::tr(text::LanguageCode)) +
           QStringLiteral("-") + QString::number(getuid());
}

bool SingleInstance::askRunningInstance() {
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(kTimeoutMs)) return false;
    socket.write(kShowRequest);
    socket.waitForBytesWritten(kTimeoutMs);
    // The answer says the request was taken; a dead listener gives none.
    const bool answered = socket.waitForReadyRead(kTimeoutMs) && socket.readAll().startsWith("ok");
    socket.disconnectFromServer();
    return answered;
}

bool SingleInstance::claim() {
    if (askRunningInstance()) return false;
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(name_)) {
        // Two starts at the same moment: the other one won.
        if (server_->serverError() == QAbstractSocket::AddressInUseError && askRunningInstance())
            return false;
        // A socket left behind by a program that crashed.
        QLocalServer::removeServer(name_);
        if (!server_->listen(name_)) return true;  // run alone rather than not at all
    }
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::acceptConnections);
    return true;
}

void SingleInstance::acceptConnections() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->readAll().contains("show")) return;
            socket->write("ok\n");
            socket->flush();
            emit activationRequested();
        });
    }
}

}  // namespace velno::app
