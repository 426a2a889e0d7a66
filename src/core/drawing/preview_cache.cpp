#include "core/drawing/preview_cache.h"

#include <algorithm>
#include <utility>

namespace drawlot {

PreviewCache::PreviewCache(std::size_t capacity) : capacity_(std::max<std::size_t>(capacity, 1)) {}

// A linear search: 64 entries are looked through faster than a hash of the path is made.
std::shared_ptr<const DrawingPreview> PreviewCache::Find(const PreviewKey& key) {
  const auto found = std::find_if(entries_.begin(), entries_.end(),
                                  [&](const Entry& entry) { return entry.key == key; });
  if (found == entries_.end()) return nullptr;
  entries_.splice(entries_.begin(), entries_, found);
  return found->preview;
}

void PreviewCache::Put(const PreviewKey& key, std::shared_ptr<const DrawingPreview> preview) {
  const auto found = std::find_if(entries_.begin(), entries_.end(),
                                  [&](const Entry& entry) { return entry.key.path == key.path; });
  if (found != entries_.end()) {
    // One picture a path: the one of an older save of the drawing is of no more use.
    found->key = key;
    found->preview = std::move(preview);
    entries_.splice(entries_.begin(), entries_, found);
    return;
  }
  entries_.push_front(Entry{key, std::move(preview)});
  if (entries_.size() > capacity_) entries_.pop_back();
}

}  // namespace drawlot
