// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>

// What compute() gives for a key, worked out once and kept for the rest of
// the run. Only the program's own texts and captions are asked for, so the
// store stays small, but it is emptied should it ever hold `most` entries.
// The reference is good until the next call on the same store.
template<typename Key, typename Value, typename Compute>
const Value& Remembered(QHash<Key, Value>& store, const Key& key, qsizetype most, Compute compute)
{
    auto found = store.constFind(key);
    if (found != store.constEnd())
        return *found;
    if (store.size() >= most)
        store.clear();
    return *store.insert(key, compute());
}
