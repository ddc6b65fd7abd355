#pragma once

#include <QString>

#include <optional>

namespace tav::records {
struct ReadReport;
}

namespace tav::app {

// What the user is told, once and before any save, after a load that did not take the whole file
// into the tables or took amounts it could not read: a warning's title, its statement (what, with
// the first few lines of the file by number and text) and its explanation (what happens to them,
// how to clear them, where the file as it was stays).
struct LoadNotice {
    QString title;
    QString statement;
    QString explanation;
};

// Nothing when the report holds nothing to tell. keptAs names the file as it was, as the user is
// told it, when the load left something out.
std::optional<LoadNotice> loadNotice(const records::ReadReport& report, const QString& keptAs);

// Where the file as it was stays after a load that left something out: said here and nowhere else.
QString whereTheFileAsItWasIsKept(const QString& keptAs);

} // namespace tav::app
