#include "store/damaged_file_notice.h"

#include <cstdio>

#include "common/host_string.h"
#include "common/plugin_globals.h"
#include "resources/localized_texts.h"
#include "text/localize.h"

namespace {

constexpr char kBackupSuffix[] = ".bak";
constexpr int kDamagedFileKeptText = 67;
constexpr int kDamagedFileHeldText = 68;
constexpr int kDamagedImportText = 69;

void Tell(int pair, const char* path, int line, const char* copy) {
  char format[512];
  LocalizeUiString(gPlugin != nullptr ? gPlugin->pluginRef : nullptr, kLocalizedTexts[pair].japanese, format,
                   sizeof format);
  char text[3 * kTextFilePathSize + 512];
  std::snprintf(text, sizeof text, format, path, line, copy);
  ShowMessageAlert(text);
}

}  // namespace

void NoteDamagedLine(FileDamage* damage, int line) {
  if (damage->lines++ == 0) damage->firstLine = line;
}

int KeepDamagedFile(const char* path, const TextFileRead& read, const FileDamage& damage) {
  char copy[kTextFilePathSize];
  if (WriteNewTextFile(path, kBackupSuffix, read.bytes, read.byteCount, copy)) {
    Tell(kDamagedFileKeptText, path, damage.firstLine, copy);
    return 1;
  }
  HoldTextFile(path);
  Tell(kDamagedFileHeldText, path, damage.firstLine, "");
  return 0;
}

void TellDamagedImport(const char* path, const FileDamage& damage) {
  Tell(kDamagedImportText, path, damage.firstLine, "");
}
