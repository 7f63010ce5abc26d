// The expression language of handle amounts and variable values: every value
// is a Shift-JIS text, numbers are written with "%g".
#pragma once

#include <cstddef>
#include <cstdint>

#include "host_types.h"

// Every value of the language fits in this many bytes with its NUL.
constexpr size_t kScriptValueSize = 4096;
// Nesting beyond this depth raises "nested functions limit".
constexpr int32_t kScriptMaxDepth = 256;

enum ScriptErrorCode : int32_t {
  kScriptOk = 0,
  kScriptCommandNotFound = -1,
  kScriptUndefinedVariable = -2,
  kScriptNestingLimit = -3,
  kScriptOutOfConstruction = -4,
};

// Evaluates text into result (kScriptValueSize bytes). With report set, an
// error is shown (unless silent), then cleared, and result is emptied.
void RunScript(const char* text, char* result, int16_t report);

// The recursive evaluator; result receives kScriptValueSize bytes at most.
// The text is not changed. Nothing is evaluated while an error stands
// (RunScript clears it first).
void EvaluateScript(const char* text, char* result, int32_t depth);

// The value of an amount as a number; a failing expression gives 0.
double EvaluateExpressionToNumber(const char* text);

// Errors raised so far, shown or not: a count that moved tells a caller that
// something it evaluated failed.
uint32_t ScriptErrorsRaised();

// out: kScriptValueSize bytes. 1 when the name has a value, else 0 and out empty.
// "title:name" reads the variable of the piece titled so in the document.
int32_t LookupVariableValue(const char* name, char* out);
// "title:name" lookups so far: what they read lies in the document, outside
// the grading group.
uint32_t StoredVariableReads();

// First group or path at or below art (children before the art) whose grading
// title is title; found stays untouched when there is none.
void FindArtByGradingTitle(ArtHandle art, const char* title, ArtHandle* found);

// Expands the blocks in braces of a template text; name,expression blocks set
// local variables.
void RunTemplateScript(const char* text);

// 1, or 0 when every variable row holds another name.
int32_t SetLocalVariable(const char* name, const char* value);

// Grows the heap text *string (null for a new one) by count bytes and a NUL.
// 0 when memory runs out; the text is then unchanged.
int32_t AppendToGrowingString(char** string, size_t count, const char* bytes);
