#pragma once

#include <QByteArray>
#include <QUrl>

#include <chrono>
#include <optional>

namespace tav::platform {

// Fetches an address whole and waits for it in a local event loop that leaves the user's input
// queued, so that no window reacts while the transfer runs. A transfer error, a status outside
// 2xx, a transfer still running when the time limit passes and a body longer than sizeLimit bytes
// all give nothing; an empty body is a successful, empty answer.
std::optional<QByteArray> downloadWhole(const QUrl& url, std::chrono::milliseconds timeLimit, qint64 sizeLimit);

} // namespace tav::platform
