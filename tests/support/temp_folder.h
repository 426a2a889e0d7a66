// A fresh folder for one test, removed with everything in it at the end. Works natively and
// under Wine, with code page 932 names.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace drawlot::testing {

class TempFolder {
 public:
  // A new folder below the system's temporary folder; `leaf` (CP932 bytes) ends its name.
  explicit TempFolder(std::string_view leaf = "drawlot");
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& path() const { return path_; }
  std::string File(std::string_view name) const;

  void Write(std::string_view name, std::string_view bytes) const;
  std::string Read(std::string_view name) const;  // empty when missing
  bool Exists(std::string_view name) const;
  void MakeFolder(std::string_view name) const;
  // The names of everything in the folder, sorted.
  std::vector<std::string> Names() const;

 private:
  std::string base_;  // made for this instance alone; removed with everything in it
  std::string path_;
};

// Bytes shown as text with escapes for control bytes, for readable failure messages.
std::string Visible(std::string_view bytes);

}  // namespace drawlot::testing
