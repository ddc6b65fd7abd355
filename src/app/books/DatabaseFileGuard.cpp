#include "DatabaseFileGuard.h"

#include "FileWarnings.h"

#include "platform/Host.h"
#include "records/FileReplacement.h"

#include <QFileInfo>

namespace tav::app {

using namespace tav::platform;

DatabaseFileGuard::DatabaseFileGuard(QString path)
    : path_(std::move(path))
{
}

void DatabaseFileGuard::read(const QString& path, std::optional<records::FileIdentity> identity)
{
    *this = DatabaseFileGuard(path);
    identity_ = identity;
}

void DatabaseFileGuard::readUnreadable(const QString& path)
{
    *this = DatabaseFileGuard(path);
    unreadable_ = true;
}

QString DatabaseFileGuard::keepBeforeWritingOver()
{
    damagedCopy_ = records::FileReplacement::damagedCopyPath(path_);
    return shown(damagedCopy_);
}

bool DatabaseFileGuard::covers(const QString& path) const
{
    return !path_.isEmpty() && records::sameFile(path, path_);
}

bool DatabaseFileGuard::allowWritingOver(const QString& path)
{
    if (unreadable_) {
        warn(QStringLiteral("Database Not Saved"),
             QStringLiteral("The database file could not be read when it was opened, so it is not written over:\r\n")
                 + path,
             QStringLiteral("Save your work under a new name with SvAs on the Options page."));
        return false;
    }
    const std::optional<records::FileIdentity> now = records::fileIdentity(path_);
    // A file gone since holds nothing that a write could lose.
    if (!now) {
        damagedCopy_.clear();
        return true;
    }
    if (now != identity_ && !confirmWritingOverChange(path))
        return false;
    return damagedCopy_.isEmpty() || keepDamagedCopy();
}

bool DatabaseFileGuard::confirmWritingOverChange(const QString& path) const
{
    return host().messageBox(
               QStringLiteral("The database file has been changed since it was read, by another program or another "
                              "user:\r\n%1\r\n\r\nDo you want to write over it with your data?\r\n\r\n(No leaves the "
                              "file as it is, and your changes stay unsaved. To keep both, save your work under a new "
                              "name with SvAs on the Options page.)")
                   .arg(path),
               MessageButtons::YesNoDefaultNo, MessageIcon::Exclamation, QStringLiteral("Database File Changed"))
        == MessageAnswer::Yes;
}

bool DatabaseFileGuard::keepDamagedCopy()
{
    const records::KeptCopy kept = records::FileReplacement::keepDamagedCopy(path_);
    if (kept.problem) {
        warnNotSaved(*kept.problem);
        return false;
    }
    // The name told at loading was taken in the meantime.
    if (kept.path != damagedCopy_) {
        host().messageBox(QStringLiteral("The database file as it was when it was read is kept as %1.").arg(shown(kept.path)),
                          MessageButtons::Ok, MessageIcon::None, host().appTitle());
    }
    damagedCopy_.clear();
    return true;
}

void DatabaseFileGuard::written(const records::FileIdentity& identity)
{
    identity_ = identity;
}

QString DatabaseFileGuard::shown(const QString& path) const
{
    const QFileInfo file(path);
    return file.absolutePath() == QFileInfo(path_).absolutePath() ? file.fileName() : path;
}

} // namespace tav::app
