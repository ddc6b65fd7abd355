#pragma once

#include "platform/Host.h"

#include <QByteArray>
#include <QtGlobal>

#include <optional>

namespace tav::app {

// A version as one number: major × 1,000,000 + minor × 1,000 + revision (3.19.0 is 3019000).
// The numbers are 64-bit, so that neither a large part of our own version nor a large number in
// the version file wraps around.
qint64 getAppVersionNumber(const platform::AppVersion& version);

// The version number that a version file names: its first item (up to a comma or the end of the
// first line; blanks around it and enclosing quotes dropped), read as a leading number and rounded
// to a whole one, halves to even. An item that is no number names version 0. A file holding
// nothing but blanks names no version at all.
std::optional<qint64> versionFileNumber(const QByteArray& content);

} // namespace tav::app
