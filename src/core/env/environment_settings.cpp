#include "core/env/environment_settings.h"

#include "core/model/script_item.h"
#include "core/platform/settings_file.h"
#include "core/text/cp932.h"
#include "core/text/fields.h"
#include "core/text/file_io.h"
#include "core/text/line_reader.h"

namespace drawlot {
namespace {

constexpr std::size_t kHintReadBytes = 512;
constexpr std::size_t kHintLastEqualsPosition = 256;
constexpr std::size_t kHintValueBytes = 256;
constexpr std::size_t kSettingsLineBytes = 511;

constexpr std::string_view kDefaultFileFolder = "c:\\";
constexpr std::string_view kDefaultAutoCadFile = "c:\\Program Files\\ACAD LT 2000\\aclt.exe";
constexpr std::string_view kDefaultProhibitedPrinter = "Foxit";

// "file_set.fp_ps[%d].search=" and its siblings, made once.
struct IndexedKeys {
  std::array<std::string, kPrinterPaperRuleCount> search, printer, paper;
};
const IndexedKeys& RuleKeys() {
  static const IndexedKeys keys = [] {
    IndexedKeys k;
    for (int i = 0; i < kPrinterPaperRuleCount; ++i) {
      const std::string prefix = "file_set.fp_ps[" + std::to_string(i) + "].";
      k.search[i] = prefix + "search=";
      k.printer[i] = prefix + "printer=";
      k.paper[i] = prefix + "paper=";
    }
    return k;
  }();
  return keys;
}

// Calls `visit(key, field)` for every key of "plot_set.ini" in the order of its lines. The
// reader and the writer both walk this one list, so they cannot drift apart.
template <class Settings, class Visitor>
void VisitKeys(Settings& s, Visitor&& visit) {
  visit("file_folder=", s.file_folder);
  visit("autocad_file=", s.autocad_file);
  visit("temp_file=", s.temp_file);
  visit("end_file_dwg=", s.end_file_dwg);
  visit("autocad_type=", s.autocad_type);
  visit("file_set.ps=", s.file_set.ps);
  const IndexedKeys& rule = RuleKeys();
  for (int i = 0; i < kPrinterPaperRuleCount; ++i) {
    visit(rule.search[i], s.file_set.fp_ps[i].search);
    visit(rule.printer[i], s.file_set.fp_ps[i].printer);
    visit(rule.paper[i], s.file_set.fp_ps[i].paper);
  }
  visit("file_set.ds=", s.file_set.ds);
  visit("file_set.search_d1=", s.file_set.search_d1);
  visit("file_set.search_d2=", s.file_set.search_d2);
  visit("file_set.ss=", s.file_set.ss);
  visit("file_set.search_s1=", s.file_set.search_s1);
  visit("file_set.search_s2=", s.file_set.search_s2);
  visit("file_set.search_s3=", s.file_set.search_s3);
  visit("file_set.chg_on=", s.file_set.chg_on);
  visit("prohibition_print=", s.prohibition_print);
  visit("print_paper_ab=", s.print_paper_ab);
}

struct LineWriter {
  std::string& out;

  template <std::size_t N>
  void operator()(std::string_view key, const FixedText<N>& text) {
    out.append(key);
    AppendLine(out, text.view());
  }
  void operator()(std::string_view key, const char& byte) {
    out.append(key);
    AppendLine(out, std::string_view(&byte, 1));
  }
  void operator()(std::string_view key, const ProhibitedPrinters& entries) {
    for (const auto& entry : entries) (*this)(key, entry);
  }
};

struct LineReaderVisitor {
  std::string_view line;
  int& prohibition_count;

  bool Take(std::string_view key, std::string_view& value) const {
    if (!line.starts_with(key)) return false;
    value = line.substr(key.size());
    return true;
  }
  template <std::size_t N>
  void operator()(std::string_view key, FixedText<N>& text) const {
    std::string_view value;
    if (Take(key, value)) text = value;
  }
  void operator()(std::string_view key, char& byte) const {
    std::string_view value;
    if (Take(key, value)) byte = value.empty() ? '\0' : value[0];
  }
  void operator()(std::string_view key, ProhibitedPrinters& entries) const {
    std::string_view value;
    if (Take(key, value) && prohibition_count < kProhibitedPrinterCount) {
      entries[prohibition_count++] = value;
    }
  }
};

// `base`\`name`. A path cut to the field would name another file (".\endfile." for
// "...\endfile.dwg"), so one that does not fit falls back to the start-up folder, and when
// that does not fit either the path stays empty for the user to set.
std::string DefaultFilePath(std::string_view base, std::string_view startup_folder,
                            std::string_view name) {
  for (std::string_view folder : {base, startup_folder}) {
    std::string path = std::string(folder) + "\\" + std::string(name);
    if (path.size() <= FixedText<260>::kCapacity) return path;
  }
  return std::string();
}

}  // namespace

int CurrentSetIndex(const EnvironmentSettings& settings) {
  return SetIndexFromType(settings.autocad_type);
}

const ScriptItemSet& CurrentSet(const ScriptItemTable& table, const EnvironmentSettings& settings) {
  return table.sets[CurrentSetIndex(settings)];
}

std::string BaseFolderFromHint(std::string_view hint_bytes, std::string_view fallback) {
  const std::size_t equals = hint_bytes.substr(0, kHintLastEqualsPosition + 1).find('=');
  if (equals == std::string_view::npos) return std::string(fallback);
  std::string_view value = hint_bytes.substr(equals + 1);
  const std::size_t cr = value.find('\r');
  if (cr == std::string_view::npos) return std::string(fallback);
  value = UpToNul(value.substr(0, cr));
  return std::string(value.substr(0, Cp932PrefixLength(value, kHintValueBytes)));
}

void ApplyEnvironmentDefaults(EnvironmentSettings& settings, std::string_view startup_folder) {
  const auto hint = ReadFileHead(JoinPath(startup_folder, kBaseFolderHintFileName), kHintReadBytes);
  const std::string base =
      hint ? BaseFolderFromHint(*hint, startup_folder) : std::string(startup_folder);
  settings.temp_file = DefaultFilePath(base, startup_folder, "atcprint.scr");
  settings.end_file_dwg = DefaultFilePath(base, startup_folder, "endfile.dwg");

  settings.file_folder = kDefaultFileFolder;
  settings.autocad_file = kDefaultAutoCadFile;
  settings.autocad_type = '0';
  const Flag keep_chg_on = settings.file_set.chg_on;
  settings.file_set = FileNameRules{};
  settings.file_set.chg_on = keep_chg_on;
  for (auto& entry : settings.prohibition_print) entry.Clear();
  settings.prohibition_print[0] = kDefaultProhibitedPrinter;
  settings.print_paper_ab = '1';
}

void ParseEnvironmentSettings(EnvironmentSettings& settings, std::string_view bytes) {
  LineReader reader(bytes, CarriageReturns::kDropAll);
  std::string line;
  int prohibition_count = 0;
  while (reader.ReadLine(kSettingsLineBytes, line) && !UpToNul(line).empty()) {
    VisitKeys(settings, LineReaderVisitor{line, prohibition_count});
  }
}

std::string SerializeEnvironmentSettings(const EnvironmentSettings& settings) {
  std::string out;
  VisitKeys(settings, LineWriter{out});
  return out;
}

int LoadEnvironmentSettings(EnvironmentSettings& settings, std::string_view startup_folder) {
  ApplyEnvironmentDefaults(settings, startup_folder);
  std::string bytes;
  const int result = ReadSettingsFile(startup_folder, kEnvironmentFileName, bytes);
  if (result == kSettingsRead) ParseEnvironmentSettings(settings, bytes);
  return result;
}

void SaveEnvironmentSettings(const EnvironmentSettings& settings, std::string_view startup_folder,
                             Prompter& prompter) {
  SaveSettingsFile(startup_folder, kEnvironmentFileName, SerializeEnvironmentSettings(settings),
                   prompter);
}

}  // namespace drawlot
