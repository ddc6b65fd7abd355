#pragma once

#include <QString>

namespace tav::records {
struct FileProblem;
} // namespace tav::records

namespace tav::app {

// A warning that refuses or reports: the statement, an empty line and the explanation in
// parentheses, with an OK button, the exclamation icon and the title that names the problem.
void warn(const QString& title, const QString& statement, const QString& explanation);

// The file and why it could not be used, on two lines.
QString problemText(const records::FileProblem& problem);

// A save that failed: which file and why; the file is as it was and the changes are kept.
void warnNotSaved(const records::FileProblem& problem);

} // namespace tav::app
