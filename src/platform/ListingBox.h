#pragma once

#include "Control.h"
#include "ListingLines.h"

#include <memory>

namespace tav::platform {

// A locked multi-line text box for long listings: both scroll bars, long lines kept whole, and
// lines that can be selected and copied (Ctrl+C) but not typed into. It makes only the lines in
// view, as they come into view, so that a listing of a million lines shows at once and a key
// costs no more than the lines it shows.
class ListingBox : public Control {
    Q_OBJECT

public:
    ListingBox(QWidget* container, const QString& name, int index = -1);

    // The text as it was set, or the listing with each line followed by CR LF.
    QString text() const;
    // Shows a text, its lines ended by CR LF.
    void setText(const QString& text);
    void setLines(std::unique_ptr<ListingLines> lines);
    const ListingLines& lines() const;
};

} // namespace tav::platform
