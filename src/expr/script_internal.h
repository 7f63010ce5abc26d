// Pieces the evaluator's passes share. Texts are Shift-JIS; a lead byte and
// the byte after it always travel together.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Operands, arguments, blocks and values are held to this many bytes.
constexpr size_t kScriptWorkBytes = 4095;

// Bytes of the character at text: 2 for a Shift-JIS pair, else 1 (also for a
// lead byte just before the NUL).
int ScriptCharLength(const char* text);

// 1 for the bytes that end names and tokens.
int IsScriptDelimiter(unsigned char c);

// Bytes of the token at text, up to the first blank or delimiter; with
// colonInName a ':' stays part of it.
size_t ScriptTokenLength(const char* text, bool colonInName);

// Whole characters of text[0..length) that fit in limit bytes.
size_t ScriptFitLength(const char* text, size_t length, size_t limit);

// text[0..length) cut to kScriptWorkBytes without splitting a character.
std::string ScriptWorkText(const char* text, size_t length);
void CapScriptValue(std::string* value);

// Decimal conversion of the leading part; 0 when the text does not start with a number.
double ReadScriptNumber(const char* text);
std::string FormatScriptNumber(double value);    // "%g"
std::string FormatScriptInteger(int64_t value);  // "%d"

// Raises an error unless one is already pending; token is cut to 31 bytes.
void RaiseScriptError(int32_t code, const char* token, size_t length);
bool ScriptErrorPending();

// The passes and the recursive evaluator on working texts.
std::string ExpandScriptMacros(const char* text);
void GroupScriptProducts(std::string* text);
void EvaluateScriptText(const char* text, std::string* result, int32_t depth);

// A call of a built-in function; name is the token before '('. False when the
// name is unknown.
bool CallScriptFunction(const std::string& name, const std::string* arguments, int32_t depth,
                        std::string* result);

// The distance a distance handle would move, for "moving_distance(".
bool MovingDistanceOfHandle(double millimetres, double* distance);

// Shows a "Script Error!" text as a modal alert unless errors are silent or
// the user action under way has shown one already.
void ShowScriptMessage(const char* text);
// The first 80 bytes of a source text, with "..." when it has 80 bytes or more.
std::string ScriptSourceExcerpt(const char* text, size_t length);

// 1 when text[0..length) is a plain number: digits and '.' only (also when empty).
bool IsScriptPlainNumber(const char* text, size_t length);

// The text a template expands to, on the heap (free it); null when memory runs out.
char* ExpandTemplateText(const char* text);
