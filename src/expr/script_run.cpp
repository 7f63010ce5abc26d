#include <cstdio>
#include <cstring>
#include <string>

#include "common/host_string.h"
#include "common/plugin_globals.h"
#include "expr/script.h"
#include "expr/script_alerts.h"
#include "expr/script_internal.h"

namespace {

constexpr size_t kExcerptBytes = 80;

const char* ErrorFormat(int32_t code) {
  switch (code) {
    case kScriptCommandNotFound:
      return "Script Error!\ncommand not found(%s)\n%s\n";
    case kScriptUndefinedVariable:
      return "Script Error!\nundefined variable(%s)\n%s\n";
    case kScriptNestingLimit:
      return "Script Error!\nnested functions limit(%s)\n%s\n";
    default:
      return "Script Error!\nout of construction(%s)\n%s\n";
  }
}

void ClearScriptError() {
  gPlugin->scriptError.code = kScriptOk;
  gPlugin->scriptError.token[0] = '\0';
}

}  // namespace

namespace {

uint32_t sErrorsRaised = 0;

}  // namespace

uint32_t ScriptErrorsRaised() { return sErrorsRaised; }

void RaiseScriptError(int32_t code, const char* token, size_t length) {
  ScriptErrorState& state = gPlugin->scriptError;
  if (state.code != kScriptOk) return;
  ++sErrorsRaised;
  state.code = code;
  size_t kept = ScriptFitLength(token, length, sizeof state.token - 1);
  std::memcpy(state.token, token, kept);
  state.token[kept] = '\0';
}

bool ScriptErrorPending() { return gPlugin != nullptr && gPlugin->scriptError.code != kScriptOk; }

std::string ScriptSourceExcerpt(const char* text, size_t length) {
  std::string excerpt(text, ScriptFitLength(text, length, kExcerptBytes));
  if (length >= kExcerptBytes) excerpt += "...";
  return excerpt;
}

void ShowScriptMessage(const char* text) {
  if (TakeScriptAlert()) ShowMessageAlert(text);
}

void RunScript(const char* text, char* result, int16_t report) {
  if (result == nullptr) return;
  result[0] = '\0';
  if (gPlugin == nullptr) return;
  if (text == nullptr) text = "";
  ClearScriptError();

  std::string value;
  EvaluateScriptText(text, &value, 0);
  CapScriptValue(&value);
  std::memcpy(result, value.c_str(), value.size() + 1);

  ScriptErrorState& state = gPlugin->scriptError;
  if (state.code == kScriptOk || report == 0) return;
  std::string source = ScriptSourceExcerpt(text, std::strlen(text));
  std::string message(std::strlen(ErrorFormat(state.code)) + std::strlen(state.token) + source.size() + 1,
                      '\0');
  std::snprintf(message.data(), message.size(), ErrorFormat(state.code), state.token, source.c_str());
  ShowScriptMessage(message.c_str());
  ClearScriptError();
  result[0] = '\0';
}

void EvaluateScript(const char* text, char* result, int32_t depth) {
  if (result == nullptr || text == nullptr || gPlugin == nullptr) return;
  std::string value;
  EvaluateScriptText(text, &value, depth);
  CapScriptValue(&value);
  std::memcpy(result, value.c_str(), value.size() + 1);
}

double EvaluateExpressionToNumber(const char* text) {
  char result[kScriptValueSize];
  RunScript(text, result, 1);
  return ReadScriptNumber(result);
}
