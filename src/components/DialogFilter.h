#pragma once

#include "platform/DialogBackend.h"

#include <QString>
#include <vector>

namespace tav::components {

// The file-type list of the file dialogs is kept in the desktop's own form: descriptions and
// patterns alternate, each followed by a NUL character, and the list ends in a second NUL.

// All files, batch, INF, SYS, HTM and text files.
QString defaultFilterList();

// A list given as "description|pattern|description|pattern": every "|" becomes a NUL, and the
// list is closed with as many NULs as it needs to end in exactly two.
QString filterListFromText(const QString& text);

// The description and pattern pairs up to the end of the list; a description without a pattern
// is dropped.
std::vector<platform::FileType> fileTypesFromFilterList(const QString& list);

// A remembered 1-based position brought within a list of the given length (1 for an empty list),
// since the list may have changed since the position was chosen.
int clampedFileTypeIndex(int index, std::size_t fileTypeCount);

} // namespace tav::components
