#include "core/drawing/preview_worker.h"

#include <utility>

namespace drawlot {

PreviewWorker::PreviewWorker(PreviewReader reader, std::function<void()> result_ready)
    : reader_(std::move(reader)),
      result_ready_(std::move(result_ready)),
      thread_([this] { Work(); }) {}

PreviewWorker::~PreviewWorker() {
  {
    const std::lock_guard lock(mutex_);
    ending_ = true;
  }
  wake_.notify_one();
  thread_.join();
}

void PreviewWorker::Ask(std::string path) {
  {
    const std::lock_guard lock(mutex_);
    waiting_ = std::move(path);
    ++newest_;
    result_.reset();
  }
  wake_.notify_one();
}

std::optional<PreviewResult> PreviewWorker::TakeResult() {
  const std::lock_guard lock(mutex_);
  return std::exchange(result_, std::nullopt);
}

PreviewResult PreviewWorker::Find(const std::string& path) {
  PreviewResult result{path, reader_.stamp(path), nullptr};
  if (!result.stamp) return result;
  // Only this thread touches the cache, so it needs no lock.
  const PreviewKey key{path, result.stamp->size, result.stamp->last_write};
  result.preview = cache_.Find(key);
  if (result.preview) return result;
  result.preview = reader_.read(path);
  if (result.preview) cache_.Put(key, result.preview);
  return result;
}

void PreviewWorker::Work() {
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return ending_ || waiting_.has_value(); });
    if (ending_) return;
    const std::string path = std::move(*waiting_);
    waiting_.reset();
    const std::uint64_t number = newest_;
    lock.unlock();
    PreviewResult result = Find(path);
    lock.lock();
    if (number != newest_) continue;  // a newer request came while this one was read
    result_ = std::move(result);
    lock.unlock();
    result_ready_();
    lock.lock();
  }
}

}  // namespace drawlot
