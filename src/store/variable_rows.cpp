#include "store/variable_rows.h"

#include <cstdlib>
#include <cstring>

namespace {

constexpr size_t kNames = sizeof(char[kVarNameSize]) * kMaxVariables;
constexpr size_t kValues = sizeof(char[kVarValueSize]) * kMaxVariables;
constexpr size_t kFlags = sizeof(uint32_t) * kMaxVariables;

void CopyRow(VariableTable& t, int32_t to, int32_t from, bool withTitle) {
  std::memcpy(t.varNames[to], t.varNames[from], kVarNameSize);
  std::memcpy(t.varValues[to], t.varValues[from], kVarValueSize);
  if (withTitle) std::memcpy(t.varTitles[to], t.varTitles[from], kVarNameSize);
  t.varPrivate[to] = t.varPrivate[from];
}

}  // namespace

void ReadVariableRow(const VariableTable& t, int32_t row, VariableRow* out) {
  std::memcpy(out->title, t.varTitles[row], kVarNameSize);
  std::memcpy(out->name, t.varNames[row], kVarNameSize);
  std::memcpy(out->value, t.varValues[row], kVarValueSize);
  out->isPrivate = t.varPrivate[row];
}

void WriteVariableRow(VariableTable& t, int32_t row, const VariableRow& in) {
  std::memcpy(t.varTitles[row], in.title, kVarNameSize);
  std::memcpy(t.varNames[row], in.name, kVarNameSize);
  std::memcpy(t.varValues[row], in.value, kVarValueSize);
  t.varPrivate[row] = in.isPrivate;
}

void RemoveVariableRow(VariableTable& t, int32_t row, bool withTitle) {
  if (row < 0 || row >= kMaxVariables) return;
  for (int32_t r = row; r < kMaxVariables - 1; ++r) CopyRow(t, r, r + 1, withTitle);
  std::memset(t.varNames[kMaxVariables - 1], 0, kVarNameSize);
  std::memset(t.varValues[kMaxVariables - 1], 0, kVarValueSize);
  if (withTitle) std::memset(t.varTitles[kMaxVariables - 1], 0, kVarNameSize);
  t.varPrivate[kMaxVariables - 1] = 0;
}

void MoveVariableRow(VariableTable& t, int32_t from, int32_t to) {
  VariableRow moved;
  ReadVariableRow(t, from, &moved);
  RemoveVariableRow(t, from, true);
  for (int32_t r = kMaxVariables - 1; r > to; --r) CopyRow(t, r, r - 1, true);
  WriteVariableRow(t, to, moved);
}

void ClearVariableTable(VariableTable& t) {
  std::memset(t.varNames, 0, kNames);
  std::memset(t.varValues, 0, kValues);
  std::memset(t.varTitles, 0, kNames);
  std::memset(t.varPrivate, 0, kFlags);
}

bool SetVariableTableAside(const VariableTable& t, VariableTableCopy* copy) {
  *copy = VariableTableCopy{};
  if (t.varNames == nullptr || t.varValues == nullptr || t.varTitles == nullptr || t.varPrivate == nullptr)
    return false;
  *copy = {static_cast<char(*)[kVarNameSize]>(std::malloc(kNames)),
           static_cast<char(*)[kVarNameSize]>(std::malloc(kNames)),
           static_cast<char(*)[kVarValueSize]>(std::malloc(kValues)), static_cast<uint32_t*>(std::malloc(kFlags))};
  if (copy->titles == nullptr || copy->names == nullptr || copy->values == nullptr || copy->isPrivate == nullptr) {
    FreeVariableTableCopy(copy);
    return false;
  }
  std::memcpy(copy->titles, t.varTitles, kNames);
  std::memcpy(copy->names, t.varNames, kNames);
  std::memcpy(copy->values, t.varValues, kValues);
  std::memcpy(copy->isPrivate, t.varPrivate, kFlags);
  return true;
}

void PutVariableTableBack(VariableTable& t, const VariableTableCopy& copy) {
  std::memcpy(t.varTitles, copy.titles, kNames);
  std::memcpy(t.varNames, copy.names, kNames);
  std::memcpy(t.varValues, copy.values, kValues);
  std::memcpy(t.varPrivate, copy.isPrivate, kFlags);
}

void FreeVariableTableCopy(VariableTableCopy* copy) {
  std::free(copy->titles);
  std::free(copy->names);
  std::free(copy->values);
  std::free(copy->isPrivate);
  *copy = VariableTableCopy{};
}
