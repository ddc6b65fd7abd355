#pragma once

#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

namespace tav::records {

// Keeps each text once and names it by a number: a million invoice records repeat a few thousand
// period names, customer names and numbers, and one copy of each is all they need. Number 0 is
// the empty text. Texts stay until the pool is cleared.
class TextPool {
public:
    using Id = quint32;
    static constexpr Id Empty = 0;

    TextPool();

    // The number of the text, which is added when the pool lacks it.
    Id intern(QStringView text);
    std::optional<Id> find(QStringView text) const;
    const QString& text(Id id) const { return texts_[id]; }
    qsizetype count() const { return static_cast<qsizetype>(texts_.size()); }
    void clear();

private:
    size_t slotOf(QStringView text, size_t hash) const;
    void grow();

    std::vector<QString> texts_;
    std::vector<size_t> hashes_;
    std::vector<Id> slots_; // number + 1 (0 is free), a power of two in size, at most half full
};

} // namespace tav::records
