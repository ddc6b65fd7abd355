#pragma once

#include <QByteArray>
#include <QTcpServer>
#include <QUrl>

#include <memory>

class QTcpSocket;

namespace tav::test {

// A one-shot HTTP server on 127.0.0.1: it takes a single connection, answers its request as the
// test says (or never), and stops listening at once, so no second client reaches it.
class LoopbackHttpServer {
public:
    // Answers with this status and body.
    LoopbackHttpServer(int status, QByteArray body);
    // Takes the connection and the request but never answers.
    static std::unique_ptr<LoopbackHttpServer> silent();
    ~LoopbackHttpServer();

    QUrl url(const QString& path) const;
    // The path of the request received, empty before one came.
    const QByteArray& requestedPath() const { return requestedPath_; }

    // An address on the loopback where nothing listens, so that connecting is refused.
    static QUrl refusedUrl(const QString& path);

private:
    LoopbackHttpServer(bool answers, int status, QByteArray body);
    void take();
    void read();

    bool answers_;
    int status_;
    QByteArray body_;
    QTcpServer server_;
    quint16 port_ = 0;
    // The one connection; it belongs to the server.
    QTcpSocket* socket_ = nullptr;
    QByteArray request_;
    QByteArray requestedPath_;
};

} // namespace tav::test
