#include <cmath>
#include <cstring>
#include <string>

#include "common/plugin_globals.h"
#include "expr/script.h"
#include "expr/script_internal.h"

namespace {

// Nested evaluations one top-level evaluation may start: enough for any real
// chain of variables, and it keeps a fan of self-references from running for ages.
constexpr int64_t kMaxEvaluations = 20000;
constexpr size_t kMaxVariableNameBytes = 79;

int64_t sEvaluations = 0;

enum class Op { Add, Sub, Mul, Div, Gt, Lt, Ge, Le, Eq, Ne, And, Or, Concat };

struct OpSpelling {
  const char* text;
  Op op;
};

// Two-character operators are tried first.
constexpr OpSpelling kOperators[] = {
    {">=", Op::Ge}, {"=>", Op::Ge}, {"<=", Op::Le}, {"=<", Op::Le},    {"==", Op::Eq}, {"&&", Op::And},
    {"||", Op::Or}, {"!=", Op::Ne}, {"+", Op::Add}, {"-", Op::Sub},    {"*", Op::Mul}, {"/", Op::Div},
    {">", Op::Gt},  {"<", Op::Lt},  {"=", Op::Eq},  {"&", Op::Concat},
};

size_t MatchOperator(const char* text, Op* op) {
  for (const OpSpelling& spelling : kOperators) {
    size_t length = std::strlen(spelling.text);
    if (std::strncmp(text, spelling.text, length) == 0) {
      *op = spelling.op;
      return length;
    }
  }
  return 0;
}

void Apply(Op op, const std::string& operand, std::string* acc) {
  if (op == Op::Add && acc->empty()) {
    *acc = operand;
    return;
  }
  if (op == Op::Concat) {
    *acc += operand;
    CapScriptValue(acc);
    return;
  }
  double a = ReadScriptNumber(acc->c_str());
  double b = ReadScriptNumber(operand.c_str());
  switch (op) {
    case Op::Add:
      *acc = FormatScriptNumber(a + b);
      return;
    case Op::Sub:
      *acc = FormatScriptNumber(a - b);
      return;
    case Op::Mul:
      *acc = FormatScriptNumber(a * b);
      return;
    case Op::Div:
      *acc = FormatScriptNumber(a / b);
      return;
    case Op::Gt:
      *acc = FormatScriptInteger(a > b);
      return;
    case Op::Lt:
      *acc = FormatScriptInteger(a < b);
      return;
    case Op::Ge:
      *acc = FormatScriptInteger(a >= b);
      return;
    case Op::Le:
      *acc = FormatScriptInteger(a <= b);
      return;
    case Op::Eq:
      *acc = FormatScriptInteger(a == b);
      return;
    case Op::Ne:
      *acc = FormatScriptInteger(a != b);
      return;
    case Op::And:
      *acc = FormatScriptInteger(a != 0 && b != 0);
      return;
    case Op::Or:
      *acc = FormatScriptInteger(a != 0 || b != 0);
      return;
    case Op::Concat:
      return;
  }
}

// Index of the closer that matches the opener at text[open], counted outside
// quoted texts; the end of the text when there is none.
size_t MatchingClose(const char* text, size_t open, char opener, char closer) {
  int depth = 0;
  bool inString = false;
  size_t i = open;
  while (text[i] != '\0') {
    int step = ScriptCharLength(text + i);
    if (step == 1) {
      char c = text[i];
      if (c == '"') {
        inString = !inString;
      } else if (!inString && c == opener) {
        ++depth;
      } else if (!inString && c == closer && --depth == 0) {
        return i;
      }
    }
    i += step;
  }
  return i;
}

bool StartsWith(const char* text, const char* word) {
  return std::strncmp(text, word, std::strlen(word)) == 0;
}

bool IsKeyword(const char* text, const char* upper, const char* lower) {
  return StartsWith(text, upper) || StartsWith(text, lower);
}

void RaiseAt(int32_t code, const char* text) { RaiseScriptError(code, text, std::strlen(text)); }

// IF (...) {...} ELSEIF (...) {...} ELSE {...}: the taken block's value
// replaces the accumulator and ends the evaluation.
void EvaluateConditional(const char* text, size_t at, int32_t depth, std::string* acc) {
  bool taken = false;
  bool needCondition = true;
  for (;;) {
    if (needCondition) {
      if (text[at] != '(') return RaiseAt(kScriptOutOfConstruction, text + at);
      size_t close = MatchingClose(text, at, '(', ')');
      std::string condition = ScriptWorkText(text + at + 1, close - at - 1);
      at = text[close] != '\0' ? close + 1 : close;
      taken = condition.empty();
      if (!taken) {
        std::string value;
        EvaluateScriptText(condition.c_str(), &value, depth + 1);
        taken = ReadScriptNumber(value.c_str()) != 0.0;
      }
    }
    if (text[at] != '{') return RaiseAt(kScriptOutOfConstruction, text + at);
    size_t close = MatchingClose(text, at, '{', '}');
    if (taken) {
      std::string block = ScriptWorkText(text + at + 1, close - at - 1);
      acc->clear();
      EvaluateScriptText(block.c_str(), acc, depth + 1);
      return;
    }
    at = text[close] != '\0' ? close + 1 : close;
    if (IsKeyword(text + at, "ELSEIF", "elseif") && text[at + 6] == '(') {
      at += 6;
      needCondition = true;
    } else if (IsKeyword(text + at, "ELSE", "else") && text[at + 4] == '{') {
      at += 4;
      needCondition = false;
      taken = true;
    } else {
      return RaiseAt(kScriptOutOfConstruction, text + at);
    }
  }
}

// The arguments of a call whose '(' is at text[open]: at most three, split at
// the commas directly inside the parentheses. Returns the index after the ')'.
size_t ReadArguments(const char* text, size_t open, std::string arguments[3]) {
  int depth = 0;
  bool inString = false;
  int count = 0;
  size_t start = open + 1;
  size_t i = open;
  auto take = [&](size_t end) {
    if (count < 3) arguments[count] = ScriptWorkText(text + start, end - start);
    ++count;
    start = end + 1;
  };
  while (text[i] != '\0') {
    int step = ScriptCharLength(text + i);
    char c = text[i];
    if (step == 1 && c == '"') {
      inString = !inString;
    } else if (step == 1 && !inString) {
      if (c == '(') {
        ++depth;
      } else if (c == ')' && --depth == 0) {
        take(i);
        return i + 1;
      } else if (c == ',' && depth == 1) {
        take(i);
      }
    }
    i += step;
  }
  take(i);
  return i;
}

enum class Outcome { Value, Skip, Stop, StopWithoutResult };

bool IsNumericLiteral(const char* literal, size_t length) {
  for (size_t i = 0; i < length; ++i) {
    char c = literal[i];
    if (!(c >= '0' && c <= '9') && c != '-' && c != ',' && c != '.') return false;
  }
  return true;
}

Outcome ReadOperand(const char* text, size_t at, int32_t depth, std::string* operand, size_t* next) {
  const char* p = text + at;
  size_t token = ScriptTokenLength(p, false);
  if (p[token] == '(') {
    std::string arguments[3];
    *next = ReadArguments(text, at + token, arguments);
    if (token == 0) {
      EvaluateScriptText(arguments[0].c_str(), operand, depth + 1);
      return Outcome::Value;
    }
    if (!CallScriptFunction(std::string(p, token), arguments, depth, operand)) {
      RaiseScriptError(kScriptCommandNotFound, p, token);
      return Outcome::StopWithoutResult;
    }
    return Outcome::Value;
  }

  // The number test ends at '-' too, so that 10-a subtracts a from 10.
  size_t name = ScriptTokenLength(p, true);
  if (!IsScriptPlainNumber(p, name) && p[name] != '(') {
    *next = at + name;
    if (name > kMaxVariableNameBytes) return Outcome::Value;
    std::string variable(p, name);
    std::string value(kScriptValueSize, '\0');  // off the stack: this recursion runs 256 deep
    if (LookupVariableValue(variable.c_str(), value.data()) != 0)
      EvaluateScriptText(value.c_str(), operand, depth + 1);
    return Outcome::Value;
  }

  if (p[0] == '"') {
    size_t end = 1;
    while (p[end] != '\0' && p[end] != '"') end += ScriptCharLength(p + end);
    *operand = ScriptWorkText(p + 1, end - 1);
    *next = at + end + (p[end] == '"' ? 1 : 0);
    return Outcome::Value;
  }
  if (token == 0) {
    // A character that cannot begin an operand, such as a stray ')'.
    *next = at + ScriptCharLength(p);
    return Outcome::Skip;
  }
  if (!IsNumericLiteral(p, token)) {
    RaiseScriptError(kScriptUndefinedVariable, p, token);
    return Outcome::Stop;
  }
  operand->assign(p, token);
  *next = at + token;
  return Outcome::Value;
}

void EvaluateOperands(const char* text, int32_t depth, std::string* result) {
  std::string acc;
  Op pending = Op::Add;
  size_t at = 0;
  while (text[at] != '\0') {
    Op op;
    size_t opLength = MatchOperator(text + at, &op);
    if (opLength != 0) {
      pending = op;
      at += opLength;
      continue;
    }
    if (static_cast<unsigned char>(text[at]) < 33) {
      ++at;
      continue;
    }
    if (IsKeyword(text + at, "IF", "if")) {
      EvaluateConditional(text, at + 2, depth, &acc);
      break;
    }
    std::string operand;
    size_t next = at;
    Outcome outcome = ReadOperand(text, at, depth, &operand, &next);
    if (outcome == Outcome::StopWithoutResult) return;
    if (outcome == Outcome::Stop) break;
    if (outcome == Outcome::Value) {
      Apply(pending, operand, &acc);
      pending = Op::Add;
    }
    at = next;
  }
  *result = acc;
}

}  // namespace

void EvaluateScriptText(const char* text, std::string* result, int32_t depth) {
  if (gPlugin == nullptr) return;
  if (depth == 0) sEvaluations = 0;
  // Once an error stands, nothing more is evaluated: only the first is reported.
  if (ScriptErrorPending()) return;
  if (depth > kScriptMaxDepth || ++sEvaluations > kMaxEvaluations) {
    RaiseScriptError(kScriptNestingLimit, text, std::strlen(text));
    return;
  }
  std::string work = ExpandScriptMacros(text);
  GroupScriptProducts(&work);
  EvaluateOperands(work.c_str(), depth, result);
}
