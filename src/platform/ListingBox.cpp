#include "ListingBox.h"

#include <QAbstractScrollArea>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace tav::platform {

namespace {

// Room between the box's left edge and its text, in pixels.
constexpr int kMargin = 3;

// Shows the lines in view, one below the other, the selected ones highlighted. Scrolls by lines
// down and by pixels across, as wide as the widest line shown so far.
class ListingView final : public QAbstractScrollArea {
public:
    explicit ListingView(QWidget* container)
        : QAbstractScrollArea(container)
        , lines_(std::make_unique<TextLines>(QString()))
    {
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        setFocusPolicy(Qt::StrongFocus);
        viewport()->setCursor(Qt::IBeamCursor);
    }

    const ListingLines& lines() const { return *lines_; }

    void setLines(std::unique_ptr<ListingLines> lines)
    {
        lines_ = std::move(lines);
        anchor_ = current_ = kNone;
        widest_ = 0;
        verticalScrollBar()->setValue(0);
        horizontalScrollBar()->setValue(0);
        updateScrollBars();
        viewport()->update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(viewport());
        const QPalette& colors = palette();
        painter.fillRect(viewport()->rect(), colors.color(QPalette::Base));
        const QFontMetrics metrics(font());
        const int height = lineHeight();
        const int left = kMargin - horizontalScrollBar()->value();
        const qsizetype top = verticalScrollBar()->value();
        const qsizetype end = std::min(lines_->count(), top + viewport()->height() / height + 1);
        int widest = widest_;
        for (qsizetype i = top; i < end; ++i) {
            const QString text = lines_->line(i);
            const int y = static_cast<int>(i - top) * height;
            const bool selected = anchor_ != kNone && i >= std::min(anchor_, current_) && i <= std::max(anchor_, current_);
            if (selected)
                painter.fillRect(0, y, viewport()->width(), height, colors.color(QPalette::Highlight));
            painter.setPen(colors.color(selected ? QPalette::HighlightedText : QPalette::Text));
            painter.drawText(left, y + metrics.ascent(), text);
            widest = std::max(widest, metrics.horizontalAdvance(text));
        }
        if (widest > widest_) {
            widest_ = widest;
            updateScrollBars();
        }
    }

    // The bars count lines down and pixels across: the lines in view are painted anew, never moved.
    void scrollContentsBy(int, int) override { viewport()->update(); }

    void resizeEvent(QResizeEvent* event) override
    {
        QAbstractScrollArea::resizeEvent(event);
        updateScrollBars();
    }

    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->matches(QKeySequence::Copy)) {
            if (anchor_ != kNone)
                QGuiApplication::clipboard()->setText(selectedText());
            return;
        }
        if (event->matches(QKeySequence::SelectAll)) {
            anchor_ = 0;
            moveTo(lines_->count() - 1, true);
            return;
        }
        const bool extend = event->modifiers() & Qt::ShiftModifier;
        const bool toEnds = event->modifiers() & Qt::ControlModifier;
        const qsizetype from = current_ == kNone ? verticalScrollBar()->value() : current_;
        switch (event->key()) {
        case Qt::Key_Up: moveTo(from - 1, extend); break;
        case Qt::Key_Down: moveTo(current_ == kNone ? from : from + 1, extend); break;
        case Qt::Key_PageUp: moveTo(from - pageLines(), extend); break;
        case Qt::Key_PageDown: moveTo(from + pageLines(), extend); break;
        case Qt::Key_Home:
            toEnds ? moveTo(0, extend) : horizontalScrollBar()->setValue(0);
            break;
        case Qt::Key_End:
            toEnds ? moveTo(lines_->count() - 1, extend)
                   : horizontalScrollBar()->setValue(horizontalScrollBar()->maximum());
            break;
        case Qt::Key_Left: horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub); break;
        case Qt::Key_Right: horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd); break;
        default:
            // Typing changes nothing: the listing is locked.
            event->ignore();
            return;
        }
    }

    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton)
            moveTo(lineAt(event->position().y()), event->modifiers() & Qt::ShiftModifier);
    }

    void mouseMoveEvent(QMouseEvent* event) override
    {
        if (event->buttons() & Qt::LeftButton)
            moveTo(lineAt(event->position().y()), true);
    }

private:
    static constexpr qsizetype kNone = -1;

    int lineHeight() const { return std::max(1, QFontMetrics(font()).lineSpacing()); }
    // Lines wholly in view.
    qsizetype pageLines() const { return std::max(1, viewport()->height() / lineHeight()); }
    qsizetype lineAt(double y) const { return verticalScrollBar()->value() + static_cast<qsizetype>(y) / lineHeight(); }

    // Makes a line current, with the lines from the anchor to it selected (or it alone), and
    // scrolls it into view.
    void moveTo(qsizetype line, bool extend)
    {
        if (lines_->count() == 0)
            return;
        current_ = std::clamp<qsizetype>(line, 0, lines_->count() - 1);
        if (!extend || anchor_ == kNone)
            anchor_ = current_;
        QScrollBar* bar = verticalScrollBar();
        if (current_ < bar->value())
            bar->setValue(static_cast<int>(current_));
        else if (current_ >= bar->value() + pageLines())
            bar->setValue(static_cast<int>(current_ - pageLines() + 1));
        viewport()->update();
    }

    QString selectedText() const
    {
        QString text;
        for (qsizetype i = std::min(anchor_, current_); i <= std::max(anchor_, current_); ++i)
            text += lines_->line(i) + QLatin1String("\r\n");
        return text;
    }

    void updateScrollBars()
    {
        const int page = static_cast<int>(pageLines());
        verticalScrollBar()->setRange(0, static_cast<int>(std::max<qsizetype>(0, lines_->count() - page)));
        verticalScrollBar()->setPageStep(page);
        const int width = viewport()->width();
        horizontalScrollBar()->setRange(0, std::max(0, widest_ + 2 * kMargin - width));
        horizontalScrollBar()->setPageStep(width);
        horizontalScrollBar()->setSingleStep(QFontMetrics(font()).averageCharWidth() * 4);
    }

    std::unique_ptr<ListingLines> lines_;
    // The selected lines run from the anchor to the current line; none at first.
    qsizetype anchor_ = kNone;
    qsizetype current_ = kNone;
    // The widest line painted since the lines were set, in pixels.
    int widest_ = 0;
};

ListingView* view(QWidget* widget)
{
    return static_cast<ListingView*>(widget);
}

} // namespace

ListingBox::ListingBox(QWidget* container, const QString& name, int index)
    : Control(new ListingView(container), name, index)
{
    setBackColor(SystemColor::Window);
}

QString ListingBox::text() const
{
    return lines().text();
}

void ListingBox::setText(const QString& text)
{
    setLines(std::make_unique<TextLines>(text));
}

void ListingBox::setLines(std::unique_ptr<ListingLines> lines)
{
    view(widget())->setLines(std::move(lines));
}

const ListingLines& ListingBox::lines() const
{
    return view(widget())->lines();
}

} // namespace tav::platform
