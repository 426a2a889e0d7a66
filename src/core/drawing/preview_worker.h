// Reads the preview pane's pictures off the window's thread, so that a drawing on a slow drive
// never holds up the list. Only the newest request counts: a request that comes while another
// is read replaces the one waiting, and a result that is no longer the newest is dropped. The
// pictures read last are kept by path, size and last-write time, so going back is instant.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "core/drawing/preview_cache.h"
#include "core/drawing/preview_pane.h"

namespace drawlot {

// How the worker finds a file and reads its preview; both are called on the worker's thread.
struct PreviewReader {
  // The file's size and times, or nullopt when it is not there.
  std::function<std::optional<PreviewFileStamp>(const std::string& path)> stamp;
  // Its preview, or nullptr when it cannot be read.
  std::function<std::shared_ptr<const DrawingPreview>(const std::string& path)> read;
};

class PreviewWorker {
 public:
  // `result_ready` is called on the worker's thread when the newest request has its result;
  // the owner then calls TakeResult on its own thread.
  PreviewWorker(PreviewReader reader, std::function<void()> result_ready);
  // Waits for the file being read, if any, and ends the thread.
  ~PreviewWorker();
  PreviewWorker(const PreviewWorker&) = delete;
  PreviewWorker& operator=(const PreviewWorker&) = delete;

  void Ask(std::string path);
  // The result of the newest request, once; nullopt while it is being read or when taken.
  std::optional<PreviewResult> TakeResult();

 private:
  void Work();
  PreviewResult Find(const std::string& path);

  PreviewReader reader_;
  std::function<void()> result_ready_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::optional<std::string> waiting_;  // asked, not yet taken up by the thread
  std::uint64_t newest_ = 0;            // the number of the newest request
  std::optional<PreviewResult> result_;
  PreviewCache cache_;  // the worker's thread's alone
  bool ending_ = false;
  std::thread thread_;  // last: it starts once everything above is there
};

}  // namespace drawlot
