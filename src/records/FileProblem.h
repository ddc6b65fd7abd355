#pragma once

#include <QString>

namespace tav::records {

// Why a database file could not be read or written, for the message to the user.
struct FileProblem {
    QString path;
    // The system's account of the error ("No such file or directory").
    QString reason;
};

} // namespace tav::records
