#pragma once

#include <QHashFunctions>
#include <QStringView>

#include <vector>

namespace tav::records {

// Finds entries by their key in constant time: open addressing with linear probing. Each slot
// keeps the key's hash beside the entry, so that probing and growing read the keys only when the
// hashes agree; with a million invoice records every other memory access would show in a load.
// Entry is any type with a QString member key that does not change while the entry is indexed.
template <typename Entry>
class KeyIndex {
public:
    qsizetype count() const { return static_cast<qsizetype>(count_); }

    Entry* find(QStringView key) const
    {
        if (slots_.empty())
            return nullptr;
        const size_t hash = hashOf(key);
        for (size_t i = hash & mask(); slots_[i].entry; i = (i + 1) & mask()) {
            if (slots_[i].hash == hash && slots_[i].entry->key == key)
                return slots_[i].entry;
        }
        return nullptr;
    }

    // Adds the entry under its key unless an entry with that key is there already; returns
    // whether it was added.
    bool insert(Entry* entry)
    {
        if ((count_ + 1) * 4 > slots_.size() * 3)
            resize(slots_.empty() ? 16 : slots_.size() * 2);
        const size_t hash = hashOf(entry->key);
        size_t i = hash & mask();
        for (; slots_[i].entry; i = (i + 1) & mask()) {
            if (slots_[i].hash == hash && slots_[i].entry->key == entry->key)
                return false;
        }
        slots_[i] = Slot{hash, entry};
        ++count_;
        return true;
    }

    void remove(QStringView key)
    {
        if (slots_.empty())
            return;
        const size_t hash = hashOf(key);
        size_t hole = hash & mask();
        for (; slots_[hole].entry; hole = (hole + 1) & mask()) {
            if (slots_[hole].hash == hash && slots_[hole].entry->key == key)
                break;
        }
        if (!slots_[hole].entry)
            return;
        // Moves back every later slot of the run that the hole would cut off from its home slot.
        for (size_t next = (hole + 1) & mask(); slots_[next].entry; next = (next + 1) & mask()) {
            const size_t home = slots_[next].hash & mask();
            const bool homeBetween = hole <= next ? (home > hole && home <= next) : (home > hole || home <= next);
            if (!homeBetween) {
                slots_[hole] = slots_[next];
                hole = next;
            }
        }
        slots_[hole] = Slot();
        --count_;
    }

    void clear()
    {
        slots_.clear();
        count_ = 0;
    }

    void reserve(qsizetype count)
    {
        size_t size = 16;
        while (static_cast<size_t>(count) * 4 > size * 3)
            size *= 2;
        if (size > slots_.size())
            resize(size);
    }

private:
    struct Slot {
        size_t hash = 0;
        Entry* entry = nullptr;
    };

    static size_t hashOf(QStringView key) { return qHash(key, 0); }
    size_t mask() const { return slots_.size() - 1; }

    void resize(size_t size)
    {
        std::vector<Slot> old(size);
        old.swap(slots_);
        for (const Slot& slot : old) {
            if (!slot.entry)
                continue;
            size_t i = slot.hash & mask();
            while (slots_[i].entry)
                i = (i + 1) & mask();
            slots_[i] = slot;
        }
    }

    std::vector<Slot> slots_; // a power of two in size, at most three quarters full
    size_t count_ = 0;
};

} // namespace tav::records
