#pragma once

#include <QString>

namespace tav::platform {
class ListView;
}

namespace tav::components {

// Find flags of the list search: a partial match finds entries that begin with the text; the
// search always starts at the first entry, so wrapping changes nothing.
namespace FindFlags {
inline constexpr int Partial = 8;
inline constexpr int Wrap = 32;
} // namespace FindFlags

// The 1-based position of the first entry, in the list's order, whose text begins with (with
// Partial) or equals the given text, letter case ignored; 0 when none does.
qsizetype findListViewItem(const platform::ListView& list, const QString& text, int flags);

} // namespace tav::components
