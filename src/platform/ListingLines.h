#pragma once

#include <QString>

#include <vector>

namespace tav::platform {

// The lines of a listing, each made when it is asked for: a listing of a million lines costs
// nothing until its lines come into view.
class ListingLines {
public:
    virtual ~ListingLines() = default;

    virtual qsizetype count() const = 0;
    // Line index (from 0), without its line end.
    virtual QString line(qsizetype index) const = 0;
    // The whole listing, each line followed by CR LF.
    virtual QString text() const;
};

// The lines of a text, each ended by CR LF or by the text's end; its text is the text as given.
class TextLines final : public ListingLines {
public:
    explicit TextLines(QString text);

    qsizetype count() const override { return static_cast<qsizetype>(starts_.size()); }
    QString line(qsizetype index) const override;
    QString text() const override { return text_; }

private:
    QString text_;
    // Where each line starts; a line ends two characters before the next one starts.
    std::vector<qsizetype> starts_;
};

} // namespace tav::platform
