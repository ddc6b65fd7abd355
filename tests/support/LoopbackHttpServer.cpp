#include "LoopbackHttpServer.h"

#include <QTcpSocket>

namespace tav::test {

LoopbackHttpServer::LoopbackHttpServer(int status, QByteArray body)
    : LoopbackHttpServer(true, status, std::move(body))
{
}

LoopbackHttpServer::LoopbackHttpServer(bool answers, int status, QByteArray body)
    : answers_(answers)
    , status_(status)
    , body_(std::move(body))
{
    server_.setMaxPendingConnections(1);
    if (server_.listen(QHostAddress::LocalHost))
        port_ = server_.serverPort();
    QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] { take(); });
}

std::unique_ptr<LoopbackHttpServer> LoopbackHttpServer::silent()
{
    return std::unique_ptr<LoopbackHttpServer>(new LoopbackHttpServer(false, 0, {}));
}

LoopbackHttpServer::~LoopbackHttpServer() = default;

QUrl LoopbackHttpServer::url(const QString& path) const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(port_).arg(path));
}

QUrl LoopbackHttpServer::refusedUrl(const QString& path)
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    const quint16 port = probe.serverPort();
    probe.close();
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(port).arg(path));
}

void LoopbackHttpServer::take()
{
    socket_ = server_.nextPendingConnection();
    server_.close();
    if (!socket_)
        return;
    QObject::connect(socket_, &QTcpSocket::readyRead, socket_, [this] { read(); });
}

void LoopbackHttpServer::read()
{
    request_ += socket_->readAll();
    if (!requestedPath_.isEmpty() || !request_.contains("\r\n\r\n"))
        return;
    // "GET /path HTTP/1.1"
    const QList<QByteArray> requestLine = request_.left(request_.indexOf("\r\n")).split(' ');
    requestedPath_ = requestLine.value(1);
    if (!answers_)
        return;
    const QByteArray reason = status_ == 200 ? "OK" : status_ == 404 ? "Not Found" : "Status";
    socket_->write("HTTP/1.1 " + QByteArray::number(status_) + ' ' + reason + "\r\n"
                   + "Content-Type: text/plain\r\nContent-Length: " + QByteArray::number(body_.size())
                   + "\r\nConnection: close\r\n\r\n" + body_);
    socket_->disconnectFromHost();
}

} // namespace tav::test
