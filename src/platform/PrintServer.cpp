#include "PrintServer.h"

#include <QDir>
#include <QFile>
#include <QPageSize>
#include <QSizeF>

#include <cups/cups.h>

#include <cerrno>
#include <initializer_list>
#include <memory>

namespace tav::platform {

namespace {

using Answer = std::unique_ptr<ipp_t, decltype(&ippDelete)>;

constexpr double kHundredthsPerMillimetre = 100;
// Where the server names no printable area: the margin that most printers need.
constexpr double kUsualMarginMillimetres = 6.35;

QString lastError()
{
    return QString::fromUtf8(cupsLastErrorString());
}

QString quoted(const QString& name)
{
    return QLatin1Char('"') + name + QLatin1Char('"');
}

// The queue named by the Default line of one lpoptions file, without its instance.
QString lpoptionsDefault(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).simplified();
        if (line.startsWith(QLatin1String("Default "), Qt::CaseInsensitive))
            return line.section(QLatin1Char(' '), 1, 1).section(QLatin1Char('/'), 0, 0);
    }
    return {};
}

// The default printer that the user's own set-up names, as the library reads it (LPDEST, PRINTER
// unless it is "lp", the user's lpoptions over the system's); empty when it names none and the
// server's default holds.
QString userDefaultPrinter()
{
    for (const char* variable : { "LPDEST", "PRINTER" }) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty() && value != QLatin1String("lp"))
            return value.section(QLatin1Char('/'), 0, 0);
    }
    const QString user = lpoptionsDefault(QDir::homePath() + QLatin1String("/.cups/lpoptions"));
    if (!user.isEmpty())
        return user;
    const QString serverRoot = qEnvironmentVariable("CUPS_SERVERROOT", QStringLiteral("/etc/cups"));
    return lpoptionsDefault(serverRoot + QLatin1String("/lpoptions"));
}

// The server's answer on the queue, or on one of its jobs when a job is named, limited to the
// attributes asked for; null when none came.
Answer ask(http_t* http, ipp_op_t operation, const QString& queue, int job, std::initializer_list<const char*> asked)
{
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(), "/printers/%s",
        queue.toUtf8().constData());
    ipp_t* request = ippNewRequest(operation);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    if (job != 0)
        ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", job);
    ippAddStrings(
        request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", int(asked.size()), nullptr, asked.begin());
    return Answer(cupsDoRequest(http, request, "/"), &ippDelete);
}

// The text, and on a line of its own the reason given for the printer's state, when there is one
// (cupsreject -r, cupsdisable -r, or the printer's own message).
QString withReason(const QString& text, ipp_t* printer)
{
    const QString why
        = QString::fromUtf8(ippGetString(ippFindAttribute(printer, "printer-state-message", IPP_TAG_TEXT), 0, nullptr));
    return why.isEmpty() ? text : text + QStringLiteral("\r\n(%1)").arg(why);
}

QString notTaken(const QString& queue, const QString& why)
{
    return QStringLiteral("The printer %1 did not take the job: %2").arg(quoted(queue), why);
}

int integerIn(ipp_t* collection, const char* name)
{
    return ippGetInteger(ippFindAttribute(collection, name, IPP_TAG_INTEGER), 0);
}

QPageLayout paperLayout(double widthHundredths, double lengthHundredths, const QMarginsF& marginsHundredths)
{
    const QPageSize size(QSizeF(widthHundredths, lengthHundredths) / kHundredthsPerMillimetre, QPageSize::Millimeter,
        QString(), QPageSize::FuzzyMatch);
    return QPageLayout(
        size, QPageLayout::Portrait, marginsHundredths / kHundredthsPerMillimetre, QPageLayout::Millimeter);
}

// The queue's default paper: its size and printable area as the server describes them, else the
// size its default paper's name says.
std::optional<QPageLayout> defaultPaper(ipp_t* attributes)
{
    if (ipp_t* paper
        = ippGetCollection(ippFindAttribute(attributes, "media-col-default", IPP_TAG_BEGIN_COLLECTION), 0)) {
        ipp_t* size = ippGetCollection(ippFindAttribute(paper, "media-size", IPP_TAG_BEGIN_COLLECTION), 0);
        const int width = integerIn(size, "x-dimension");
        const int length = integerIn(size, "y-dimension");
        if (width > 0 && length > 0) {
            return paperLayout(width, length,
                QMarginsF(integerIn(paper, "media-left-margin"), integerIn(paper, "media-top-margin"),
                    integerIn(paper, "media-right-margin"), integerIn(paper, "media-bottom-margin")));
        }
    }
    const char* name = ippGetString(ippFindAttribute(attributes, "media-default", IPP_TAG_ZERO), 0, nullptr);
    const pwg_media_t* media = name ? pwgMediaForPWG(name) : nullptr;
    if (!media && name)
        media = pwgMediaForLegacy(name);
    if (!media)
        return std::nullopt;
    const double margin = kUsualMarginMillimetres * kHundredthsPerMillimetre;
    return paperLayout(media->width, media->length, QMarginsF(margin, margin, margin, margin));
}

} // namespace

PrintServer::PrintServer()
{
    // The library keeps the server it found first; forgetting it reads the set-up again.
    cupsSetServer(nullptr);
    errno = 0;
    http_ = httpConnect2(
        cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, kAnswerSeconds * 1000, nullptr);
    // A server that is not there (no socket, nothing listening) means no printer is set up; one
    // that lets the connection wait is as good as silent.
    if (!http_) {
        silent_ = errno == ETIMEDOUT;
        return;
    }
    httpSetTimeout(http_, kAnswerSeconds, &PrintServer::lateAnswer, this);
}

PrintServer::~PrintServer()
{
    if (http_)
        httpClose(http_);
}

int PrintServer::lateAnswer(_http_s*, void* server)
{
    static_cast<PrintServer*>(server)->silent_ = true;
    return 0;
}

QString PrintServer::serverName() const
{
    const QString server = QString::fromUtf8(cupsServer());
    return server.startsWith(QLatin1Char('/')) ? server : server + QLatin1Char(':') + QString::number(ippPort());
}

QString PrintServer::silence() const
{
    return QStringLiteral("The print server %1 did not answer within %2 seconds.")
        .arg(quoted(serverName()))
        .arg(kAnswerSeconds);
}

PrintServer::Queue PrintServer::defaultQueue()
{
    if (silent_)
        return { {}, silence() };
    if (!http_)
        return {};
    if (cups_dest_t* dest = cupsGetNamedDest(http_, nullptr, nullptr)) {
        const QString name = QString::fromUtf8(dest->name);
        cupsFreeDests(1, dest);
        return { name, {} };
    }
    if (silent_)
        return { {}, silence() };
    const QString named = userDefaultPrinter();
    if (named.isEmpty())
        return {};
    return { named,
        QStringLiteral("The default printer %1 does not exist on the print server.\r\n(%2)")
            .arg(quoted(named), lastError()) };
}

PrintServer::QueueState PrintServer::queueState(const QString& queue)
{
    if (silent_ || !http_)
        return { silence(), std::nullopt };
    const Answer answer = ask(http_, IPP_OP_GET_PRINTER_ATTRIBUTES, queue, 0,
        { "printer-is-accepting-jobs", "printer-state", "printer-state-message", "media-default",
            "media-col-default" });
    if (silent_)
        return { silence(), std::nullopt };
    if (!answer || ippGetStatusCode(answer.get()) > IPP_STATUS_OK_CONFLICTING)
        return { QStringLiteral("The printer %1 could not be asked for its state: %2").arg(quoted(queue), lastError()),
            std::nullopt };
    QueueState state { {}, defaultPaper(answer.get()) };
    if (!ippGetBoolean(ippFindAttribute(answer.get(), "printer-is-accepting-jobs", IPP_TAG_BOOLEAN), 0)) {
        state.refusal
            = withReason(QStringLiteral("The printer %1 is not accepting jobs.").arg(quoted(queue)), answer.get());
    }
    if (ippGetInteger(ippFindAttribute(answer.get(), "printer-state", IPP_TAG_ENUM), 0) == IPP_PSTATE_STOPPED) {
        state.stopped = withReason(
            QStringLiteral("The printer %1 is stopped: the job waits in its queue until the printer is started again.")
                .arg(quoted(queue)),
            answer.get());
    }
    return state;
}

QString PrintServer::submit(const QString& queue, const QString& title, QIODevice& pdf)
{
    if (silent_ || !http_)
        return silence();
    const QByteArray name = queue.toUtf8();
    const QByteArray document = title.toUtf8();
    const int job = cupsCreateJob(http_, name.constData(), document.constData(), 0, nullptr);
    if (silent_)
        return silence();
    if (job == 0)
        return notTaken(queue, lastError());

    bool sent = cupsStartDocument(http_, name.constData(), job, document.constData(), CUPS_FORMAT_PDF, 1)
        == HTTP_STATUS_CONTINUE;
    pdf.seek(0);
    while (sent && !pdf.atEnd()) {
        const QByteArray chunk = pdf.read(64 * 1024);
        sent = !chunk.isEmpty()
            && cupsWriteRequestData(http_, chunk.constData(), std::size_t(chunk.size())) == HTTP_STATUS_CONTINUE;
    }
    // Read the server's answer also after a failed write: it says why.
    const ipp_status_t status = cupsFinishDocument(http_, name.constData());
    if (silent_)
        return silence();
    if (!sent || status > IPP_STATUS_OK_CONFLICTING) {
        const QString why = lastError();
        cupsCancelJob2(http_, name.constData(), job, 0);
        return notTaken(queue, why);
    }
    return jobOutcome(queue, job);
}

QString PrintServer::jobOutcome(const QString& queue, int job)
{
    const Answer answer = ask(http_, IPP_OP_GET_JOB_ATTRIBUTES, queue, job, { "job-state", "job-state-reasons" });
    // The queue took the whole document; only a job it has already dropped failed.
    const int state = ippGetInteger(ippFindAttribute(answer.get(), "job-state", IPP_TAG_ENUM), 0);
    if (state != IPP_JSTATE_CANCELED && state != IPP_JSTATE_ABORTED)
        return {};
    char reasons[1024] = "";
    ippAttributeString(ippFindAttribute(answer.get(), "job-state-reasons", IPP_TAG_KEYWORD), reasons, sizeof reasons);
    return QStringLiteral("The printer %1 dropped the job (%2).").arg(quoted(queue), QString::fromUtf8(reasons));
}

} // namespace tav::platform
