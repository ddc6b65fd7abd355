#pragma once

#include <QHashFunctions>
#include <QRandomGenerator>
#include <QStringView>

#include <algorithm>
#include <bit>
#include <span>
#include <vector>

namespace tav::records {

// The hash of every table index. Salted per process, so that no file can be made whose keys all
// fall on one slot. Qt's own seeded hash is not used: for short keys it is many times slower than
// the unseeded one.
inline size_t saltedHash(quint64 value)
{
    static const quint64 salt = QRandomGenerator::system()->generate64();
    quint64 hash = value ^ salt;
    hash = (hash ^ (hash >> 33)) * 0xff51afd7ed558ccdull;
    hash = (hash ^ (hash >> 33)) * 0xc4ceb9fe1a85ec53ull;
    return static_cast<size_t>(hash ^ (hash >> 33));
}

inline size_t saltedHash(QStringView text)
{
    return saltedHash(static_cast<quint64>(qHash(text, 0)));
}

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
        return insertHashed(entry, hashOf(entry->key));
    }

    // Adds the entries as insert() would one after the other, and tells for each whether it was
    // added. They go in in the order of their slots, so that a million of them fill the index by
    // walking through it rather than jumping about in it; equal keys keep their order, so the
    // first of them is the one added.
    std::vector<bool> insertAll(std::span<Entry* const> entries)
    {
        reserve(count() + static_cast<qsizetype>(entries.size()));
        std::vector<size_t> hashes(entries.size());
        for (size_t i = 0; i < entries.size(); ++i)
            hashes[i] = hashOf(entries[i]->key);
        const int slotBits = std::countr_zero(slots_.size());
        const int bucketBits = std::min(slotBits, 12);
        const auto bucketOf = [&](size_t hash) { return (hash & mask()) >> (slotBits - bucketBits); };
        std::vector<size_t> bucketStarts((size_t(1) << bucketBits) + 1);
        for (const size_t hash : hashes)
            ++bucketStarts[bucketOf(hash) + 1];
        for (size_t b = 1; b < bucketStarts.size(); ++b)
            bucketStarts[b] += bucketStarts[b - 1];
        std::vector<size_t> order(entries.size());
        for (size_t i = 0; i < entries.size(); ++i)
            order[bucketStarts[bucketOf(hashes[i])]++] = i;
        std::vector<bool> added(entries.size());
        for (const size_t i : order)
            added[i] = insertHashed(entries[i], hashes[i]);
        return added;
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

    static size_t hashOf(QStringView key) { return saltedHash(key); }
    size_t mask() const { return slots_.size() - 1; }

    // Needs a free slot.
    bool insertHashed(Entry* entry, size_t hash)
    {
        size_t i = hash & mask();
        for (; slots_[i].entry; i = (i + 1) & mask()) {
            if (slots_[i].hash == hash && slots_[i].entry->key == entry->key)
                return false;
        }
        slots_[i] = Slot{hash, entry};
        ++count_;
        return true;
    }

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
