#pragma once

#include <QIODevice>
#include <QPageLayout>
#include <QString>

#include <optional>

struct _http_s;

namespace tav::platform {

// The print server (CUPS) as a print run needs it, asked through a connection of our own on which
// every wait ends after kAnswerSeconds: a server that takes the connection and then never answers
// costs the user seconds, not the minutes the library waits by itself. After one unanswered
// request no further one is made.
class PrintServer {
public:
    static constexpr int kAnswerSeconds = 5;

    // The queue that takes the user's jobs. Both texts empty: there is no print server or no
    // default printer, so no printer is set up.
    struct Queue {
        QString name;
        QString failure;
    };
    // What the queue offers a job now.
    struct QueueState {
        // Why it takes no job (it refuses jobs, or the server did not answer); empty when it does.
        QString refusal;
        // Its default paper, portrait, with the margins outside its printable area, when it names
        // one.
        std::optional<QPageLayout> paper;
        // Why the jobs it takes wait instead of printing (it is stopped); empty when it prints.
        QString stopped = {};
    };

    // Connects to the server the user's set-up names (CUPS_SERVER, client.conf), read afresh for
    // every run, so that a server set up while the program runs serves its next run.
    PrintServer();
    ~PrintServer();
    PrintServer(const PrintServer&) = delete;
    PrintServer& operator=(const PrintServer&) = delete;

    // The user's default printer (LPDEST or PRINTER, lpoptions, else the server's default).
    Queue defaultQueue();
    QueueState queueState(const QString& queue);
    // Sends the PDF document as one job and checks that the queue kept it; empty when it did,
    // else why the pages did not reach the printer.
    QString submit(const QString& queue, const QString& title, QIODevice& pdf);

private:
    // The server's name as the user would write it in CUPS_SERVER.
    QString serverName() const;
    QString silence() const;
    // Why the queue dropped the job it took, empty while it keeps it.
    QString jobOutcome(const QString& queue, int job);
    // Called by the library when an answer is late; false ends the wait.
    static int lateAnswer(_http_s* http, void* server);

    _http_s* http_ = nullptr;
    // The connection failed for another reason than a missing server.
    QString unreachable_;
    bool silent_ = false;
};

} // namespace tav::platform
