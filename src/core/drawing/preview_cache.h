// The pictures the preview pane showed last, so that going back to a drawing is instant. A
// picture is known by the file's path, size and last-write time: a drawing saved again since
// is read again. The least recently used picture makes room for a new one.
//
// Not synchronised: the pane's worker (preview_worker.h) keeps it under its own lock.
#pragma once

#include <cstddef>
#include <cstdint>
#include <list>
#include <memory>
#include <string>

#include "core/drawing/drawing_file.h"

namespace drawlot {

struct PreviewKey {
  std::string path;  // as the list holds it
  std::uint64_t size = 0;
  std::uint64_t last_write = 0;  // the platform's file time, compared for equality only

  bool operator==(const PreviewKey&) const = default;
};

class PreviewCache {
 public:
  static constexpr std::size_t kDefaultCapacity = 64;

  explicit PreviewCache(std::size_t capacity = kDefaultCapacity);

  // The picture kept for `key`, now the most recently used; nullptr when there is none. The
  // pointer stays valid after the cache lets the picture go.
  std::shared_ptr<const DrawingPreview> Find(const PreviewKey& key);

  // Keeps `preview` for `key` as the most recently used, in place of what the key had.
  void Put(const PreviewKey& key, std::shared_ptr<const DrawingPreview> preview);

  std::size_t Count() const { return entries_.size(); }

 private:
  struct Entry {
    PreviewKey key;
    std::shared_ptr<const DrawingPreview> preview;
  };

  std::size_t capacity_;
  std::list<Entry> entries_;  // the most recently used first
};

}  // namespace drawlot
