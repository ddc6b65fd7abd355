#include "UrlDownload.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

#include <memory>

namespace tav::platform {

std::optional<QByteArray> downloadWhole(const QUrl& url, std::chrono::milliseconds timeLimit, qint64 sizeLimit)
{
    QNetworkAccessManager manager;
    QNetworkRequest request(url);
    // A cached copy could name a version that is no longer the newest.
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    const std::unique_ptr<QNetworkReply> reply(manager.get(request));

    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, reply.get(), &QNetworkReply::abort);
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    // A server that sends more than was asked for is given up as soon as it says so or has done so,
    // before the body fills the memory.
    bool tooLong = false;
    QObject::connect(reply.get(), &QNetworkReply::downloadProgress, reply.get(), [&](qint64 received, qint64 total) {
        if (received > sizeLimit || total > sizeLimit) {
            tooLong = true;
            reply->abort();
        }
    });
    deadline.start(timeLimit);
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);

    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (tooLong || reply->error() != QNetworkReply::NoError || status < 200 || status > 299)
        return std::nullopt;
    QByteArray body = reply->readAll();
    if (body.size() > sizeLimit)
        return std::nullopt;
    return body;
}

} // namespace tav::platform
