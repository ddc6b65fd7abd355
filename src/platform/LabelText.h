#pragma once

#include "PageModel.h"

#include <QFont>
#include <QRectF>
#include <QStringList>

#include <memory>
#include <vector>

class QPainter;
class QTextLayout;

namespace tav::platform {

// The lines of a label's text as typed: CR LF or LF ends a line.
QStringList typedLines(QString text);

// The text of a label that keeps its size, laid out once to be drawn as often as it recurs: each
// typed line broken at word boundaries to the label's width (a word wider than the label where it
// must), every line aligned as designed. The first line always stands, further ones only while
// they fit above the label's bottom. Text that does not fit is cut, and the last line shown ends
// in an ellipsis ("…"), before the kept end of the text when there is one.
class LabelText {
public:
    LabelText(const QString& text, const QSizeF& size, PageElement::Align align, const QFont& font, double lineHeight,
              int keptEnd = 0);
    ~LabelText();

    // Draws the text in the label's rectangle `box` (of the size laid out for); nothing outside it.
    void draw(QPainter& painter, const QRectF& box) const;
    // Where the lines stand, from the label's top-left corner: as wide as their text, inside the
    // label.
    QRectF textArea() const;

private:
    // Replaces the last of the lines shown by its beginning, the ellipsis and the kept end (which
    // the last line shown holds when keptInLastLine).
    void endWithEllipsis(QString kept, bool keptInLastLine, int lines);

    QSizeF size_;
    QFont font_;
    double lineHeight_;
    PageElement::Align align_;
    // One layout for each typed line that is shown, each at its place in the label; the last line
    // of a cut text has one of its own.
    std::vector<std::unique_ptr<QTextLayout>> layouts_;
    // Set when the glyphs' ink passes the label's rectangle, which is then clipped.
    bool clipped_ = false;
};

// How many lines a text takes in a label of the given width, every typed line broken as above.
int wrappedLineCount(const QString& text, const QFont& font, double width);

// What a label's laid-out text depends on.
struct LabelTextKey {
    QString text;
    PageFont font;
    double width = 0;
    double height = 0;
    PageElement::Align align = PageElement::Align::Left;
    double lineHeight = 0;
    int keptEnd = 0;

    bool operator==(const LabelTextKey&) const = default;
};

size_t qHash(const LabelTextKey& key, size_t seed = 0);

} // namespace tav::platform
