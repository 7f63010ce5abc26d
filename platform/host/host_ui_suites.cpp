// User alerts, undo, context, host strings, file paths and the theme.
#include <cstring>

#include "host_model.h"
#include "host_suite_tables.h"

namespace {

std::string TextOf(UnicodeStringHandle s) { return s ? ToUtf8(s->text) : std::string(); }

// The next queued answer, or the first button (1) when none is queued.
int32_t NextAnswer() {
  if (gHost.alertAnswers.empty()) return 1;
  int32_t answer = gHost.alertAnswers.front();
  gHost.alertAnswers.pop_front();
  return answer;
}

HostErr MessageAlert(UnicodeStringHandle text) {
  gHost.alerts.push_back({"message", TextOf(text), 1});
  return kNoErr;
}

HostErr OKCancelAlert(UnicodeStringHandle text, int32_t, int32_t* result) {
  int32_t answer = NextAnswer();
  gHost.alerts.push_back({"okcancel", TextOf(text), answer});
  if (result) *result = answer;
  return kNoErr;
}

HostErr YesNoAlert(UnicodeStringHandle text, int32_t* result) {
  int32_t answer = NextAnswer();
  gHost.alerts.push_back({"yesno", TextOf(text), answer});
  if (result) *result = answer;
  return kNoErr;
}

// With no answer queued the dialog is cancelled: nothing is written by surprise.
HostErr PutFileDialog(UnicodeStringHandle title, const char*, UnicodeStringHandle, char* path,
                      size_t pathSize) {
  std::string answer;
  if (!gHost.putFileAnswers.empty()) {
    answer = gHost.putFileAnswers.front();
    gHost.putFileAnswers.pop_front();
  }
  gHost.alerts.push_back({"putfile", TextOf(title), answer.empty() ? 0 : 1});
  if (answer.empty()) return kCanceledErr;
  if (!path || answer.size() + 1 > pathSize) return kOutOfRangeErr;
  std::memcpy(path, answer.c_str(), answer.size() + 1);
  return kNoErr;
}

// ---- undo ------------------------------------------------------------------------

HostErr SetUndoTextUS(UnicodeStringHandle undoText, UnicodeStringHandle redoText) {
  gHost.txUndoText = undoText ? undoText->text : std::u16string();
  gHost.txRedoText = redoText ? redoText->text : std::u16string();
  return kNoErr;
}

HostErr SetSilent(int32_t silent) {
  gHost.txSilent = silent != 0;
  return kNoErr;
}

HostErr UndoChanges() {
  if (gHost.txSnapshotTaken && gHost.txDoc) {
    RestoreSnapshot(gHost.txDoc, gHost.txBefore);
    gHost.txSnapshotTaken = false;
    gHost.txBefore = DocSnapshot();
  }
  return kNoErr;
}

// ---- context ---------------------------------------------------------------------

HostErr GetPlatformAppWindow(HWND__** window) {
  if (!window) return kBadParameterErr;
  *window = HostMainWindow();
  return kNoErr;
}

// ---- host strings -----------------------------------------------------------------

HostErr NewFromCodePage(const char* text, int32_t codePage, UnicodeStringHandle* str) {
  if (!str) return kBadParameterErr;
  *str = NewHostString(text ? DecodeCodePage(text, std::strlen(text), codePage) : std::u16string());
  return kNoErr;
}

HostErr NewFromUtf16(const uint16_t* text, int32_t length, UnicodeStringHandle* str) {
  if (!str) return kBadParameterErr;
  std::u16string s;
  if (text) {
    if (length < 0)
      for (const uint16_t* p = text; *p; p++) s.push_back(static_cast<char16_t>(*p));
    else
      for (int32_t i = 0; i < length; i++) s.push_back(static_cast<char16_t>(text[i]));
  }
  *str = NewHostString(s);
  return kNoErr;
}

// Cut to the buffer, never in the middle of a character.
HostErr GetCodePageText(UnicodeStringHandle str, int32_t codePage, char* out, size_t outSize) {
  if (!str || !out || outSize == 0) return kBadParameterErr;
  std::string text = EncodeCodePage(str->text, codePage, outSize - 1);
  std::memcpy(out, text.c_str(), text.size() + 1);
  return kNoErr;
}

HostErr GetUtf16(UnicodeStringHandle str, const uint16_t** text, int32_t* length) {
  if (!str || !text || !length) return kBadParameterErr;
  *text = reinterpret_cast<const uint16_t*>(str->text.c_str());
  *length = static_cast<int32_t>(str->text.size());
  return kNoErr;
}

HostErr Dispose(UnicodeStringHandle str) {
  delete str;
  return kNoErr;
}

// ---- file paths --------------------------------------------------------------------

HostErr NewFilePath(const char* platformPath, FilePathHandle* path) {
  if (!platformPath || !path) return kBadParameterErr;
  *path = new HostFilePath{platformPath};
  return kNoErr;
}

HostErr GetPlatformPath(FilePathHandle path, char* out, size_t outSize) {
  if (!path || !out || outSize == 0) return kBadParameterErr;
  if (path->path.size() + 1 > outSize) {
    out[0] = 0;
    return kOutOfRangeErr;
  }
  std::memcpy(out, path->path.c_str(), path->path.size() + 1);
  return kNoErr;
}

HostErr DisposeFilePath(FilePathHandle path) {
  delete path;
  return kNoErr;
}

// ---- theme ---------------------------------------------------------------------------

HostErr GetUIThemeColor(int32_t, int32_t type, ThemeColor* color) {
  if (!color) return kBadParameterErr;
  // type 0 background, any other the text colour
  double bg = gHost.darkTheme ? 0.2 : 0.94, fg = gHost.darkTheme ? 0.9 : 0.1;
  double v = type == 0 ? bg : fg;
  *color = ThemeColor{v, v, v, 1.0};
  return kNoErr;
}

HostErr IsDarkTheme(int32_t* dark) {
  if (!dark) return kBadParameterErr;
  *dark = gHost.darkTheme ? 1 : 0;
  return kNoErr;
}

}  // namespace

const AIUserSuite kUserSuite = {MessageAlert, OKCancelAlert, YesNoAlert, PutFileDialog};
const AIUndoSuite kUndoSuite = {SetUndoTextUS, SetSilent, UndoChanges};
const AIContextSuite kContextSuite = {GetPlatformAppWindow};
const AIUnicodeStringSuite kUnicodeStringSuite = {NewFromCodePage, NewFromUtf16, GetCodePageText, GetUtf16,
                                                  Dispose};
const AIFilePathSuite kFilePathSuite = {NewFilePath, GetPlatformPath, DisposeFilePath};
const AIUserInterfaceThemeSuite kThemeSuite = {GetUIThemeColor, IsDarkTheme};
