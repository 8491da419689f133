#pragma once

#include <QHash>
#include <QString>

#include <iterator>
#include <list>
#include <utility>

namespace lumari {

// Values kept by key, the least recently used dropped first so that the
// bytes they hold never exceed a bound. Each value's bytes are given when it
// is kept.
template <typename Value>
class BoundedCache {
public:
    explicit BoundedCache(qsizetype maxBytes) : maxBytes_(maxBytes) {}

    // The value kept under the key, or null; a hit becomes the most recently used.
    const Value* Find(const QString& key)
    {
        const auto found = index_.constFind(key);
        if (found == index_.cend()) return nullptr;
        entries_.splice(entries_.begin(), entries_, found.value());
        return &entries_.front().value;
    }

    // Keeps a value in place of any under the same key; one larger than the
    // whole bound is not kept.
    void Insert(const QString& key, Value value, qsizetype bytes)
    {
        if (const auto found = index_.constFind(key); found != index_.cend()) Drop(found.value());
        if (bytes > maxBytes_) return;
        while (bytes_ + bytes > maxBytes_ && !entries_.empty()) Drop(std::prev(entries_.end()));
        entries_.push_front({key, std::move(value), bytes});
        index_.insert(key, entries_.begin());
        bytes_ += bytes;
    }

    qsizetype bytes() const { return bytes_; }
    qsizetype count() const { return qsizetype(entries_.size()); }
    qsizetype maxBytes() const { return maxBytes_; }

private:
    struct Entry {
        QString key;
        Value value;
        qsizetype bytes;
    };

    void Drop(typename std::list<Entry>::iterator it)
    {
        bytes_ -= it->bytes;
        index_.remove(it->key);
        entries_.erase(it);
    }

    qsizetype maxBytes_;
    qsizetype bytes_ = 0;
    std::list<Entry> entries_;  // most recently used first
    QHash<QString, typename std::list<Entry>::iterator> index_;
};

}  // namespace lumari
