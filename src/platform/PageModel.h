#pragma once

#include "Colors.h"

#include <QImage>
#include <QString>

#include <vector>

namespace tav::platform {

struct PageFont {
    QString family;
    double points = 0;
    bool bold = false;
    bool italic = false;

    bool operator==(const PageFont&) const = default;
};

// One thing drawn on a page, found by its design name and (within a control array) its index.
// Geometry is in twips from the page area's top-left corner: left, top, width and height for
// labels, rectangles and pictures; x1, y1 to x2, y2 for lines.
struct PageElement {
    enum class Kind { Label, Line, Rectangle, Picture };
    enum class Align { Left, Center, Right };

    Kind kind = Kind::Label;
    QString name;
    int index = -1;
    bool visible = true;
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
    ColorValue color = SystemColor::WindowText;

    // Labels: the text (lines separated by CR LF or LF) as printed, its font and alignment. A label
    // that sizes itself to its text is drawn from its left edge, whatever its alignment; any other
    // is wrapped to its width, aligned, and cut at its rectangle's edges, its last line then ending
    // in an ellipsis. The last keptEnd characters of the text (a quantity suffix) stay when the
    // text is cut: the ellipsis goes before them.
    QString text;
    PageFont font;
    Align align = Align::Left;
    bool autoSize = false;
    int keptEnd = 0;

    // Lines and rectangle borders, in pixels of 15 twips.
    int penPixels = 2;
    bool rounded = false;

    QImage picture;

    bool operator==(const PageElement&) const = default;
};

// A printed page as a model: named elements at fixed places in twips, drawn in the order they were
// added on a white page area of the given size.
class Page {
public:
    Page() = default;
    Page(double width, double height);

    double width() const { return width_; }
    double height() const { return height_; }

    PageElement& add(PageElement element);
    // The element of that name and index; asserts that it exists.
    PageElement& element(const QString& name, int index = -1);
    const PageElement& element(const QString& name, int index = -1) const;
    const PageElement* find(const QString& name, int index = -1) const;
    const std::vector<PageElement>& elements() const { return elements_; }

    // Shorthand for the label's text.
    const QString& text(const QString& name, int index = -1) const { return element(name, index).text; }
    void setText(const QString& name, const QString& text) { element(name).text = text; }
    void setText(const QString& name, int index, const QString& text) { element(name, index).text = text; }

    bool operator==(const Page&) const = default;

private:
    double width_ = 0;
    double height_ = 0;
    std::vector<PageElement> elements_;
};

} // namespace tav::platform
