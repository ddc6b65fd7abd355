#pragma once

#include "LabelText.h"
#include "PageModel.h"

#include <QCache>

class QPainter;

namespace tav::platform {

// Draws pages' visible elements in their order, the painter's unit being the twip. Line heights
// come from the installed text measurer, so that printed lines stand where layouts put them. A
// label's text stays inside its rectangle unless the label sizes itself to its text.
//
// One painter paints the pages of a print run one after another; their labels mostly recur from
// page to page (captions, the company's name), and the text of each is laid out once while it
// keeps recurring.
class PagePainter {
public:
    explicit PagePainter(QPainter& painter);

    void paint(const Page& page);

private:
    void paintElement(const PageElement& element);
    void paintLabel(const PageElement& label);

    QPainter& painter_;
    QCache<LabelTextKey, LabelText> texts_;
};

// Draws one page.
void paintPage(QPainter& painter, const Page& page);

} // namespace tav::platform
