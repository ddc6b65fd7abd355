#include "TextPool.h"

#include "KeyIndex.h"

namespace tav::records {

TextPool::TextPool()
{
    clear();
}

void TextPool::clear()
{
    texts_.assign(1, QString());
    hashes_.assign(1, saltedHash(QStringView()));
    slots_.assign(16, 0);
    slots_[slotOf(QStringView(), hashes_[0])] = 1;
}

size_t TextPool::slotOf(QStringView text, size_t hash) const
{
    const size_t mask = slots_.size() - 1;
    size_t i = hash & mask;
    for (; slots_[i]; i = (i + 1) & mask) {
        const Id id = slots_[i] - 1;
        if (hashes_[id] == hash && texts_[id] == text)
            break;
    }
    return i;
}

std::optional<TextPool::Id> TextPool::find(QStringView text) const
{
    const Id slot = slots_[slotOf(text, saltedHash(text))];
    return slot ? std::optional<Id>(slot - 1) : std::nullopt;
}

TextPool::Id TextPool::intern(QStringView text)
{
    const size_t hash = saltedHash(text);
    size_t slot = slotOf(text, hash);
    if (slots_[slot])
        return slots_[slot] - 1;
    const auto id = static_cast<Id>(texts_.size());
    texts_.push_back(text.toString());
    hashes_.push_back(hash);
    if (texts_.size() * 2 > slots_.size()) {
        grow();
        slot = slotOf(text, hash);
    }
    slots_[slot] = id + 1;
    return id;
}

void TextPool::grow()
{
    slots_.assign(slots_.size() * 2, 0);
    const size_t mask = slots_.size() - 1;
    // The newest text is placed by the caller.
    for (size_t id = 0; id + 1 < texts_.size(); ++id) {
        size_t i = hashes_[id] & mask;
        while (slots_[i])
            i = (i + 1) & mask;
        slots_[i] = static_cast<Id>(id + 1);
    }
}

} // namespace tav::records
