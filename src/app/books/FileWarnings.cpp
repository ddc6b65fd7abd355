#include "FileWarnings.h"

#include "platform/Host.h"
#include "records/FileProblem.h"

namespace tav::app {

using namespace tav::platform;

void warn(const QString& title, const QString& statement, const QString& explanation)
{
    host().messageBox(statement + QLatin1String("\r\n\r\n(") + explanation + QLatin1Char(')'), MessageButtons::Ok,
                      MessageIcon::Exclamation, title);
}

QString problemText(const records::FileProblem& problem)
{
    return problem.path + QLatin1String("\r\n") + problem.reason;
}

void warnNotSaved(const records::FileProblem& problem)
{
    warn(QStringLiteral("Database Not Saved"), QStringLiteral("The database could not be saved to:\r\n") + problemText(problem),
         QStringLiteral("The file is left as it was and your changes are kept."));
}

} // namespace tav::app
