// The variable table's rows: four parallel arrays (title, name, value and the
// private flag) that move together, row by row or as a whole table.
#pragma once

#include <cstdint>

#include "common/grading_records.h"

// One row held outside the table.
struct VariableRow {
  char title[kVarNameSize];
  char name[kVarNameSize];
  char value[kVarValueSize];
  uint32_t isPrivate;
};

void ReadVariableRow(const VariableTable& t, int32_t row, VariableRow* out);
void WriteVariableRow(VariableTable& t, int32_t row, const VariableRow& in);

// Rows above `row` move down one and the last row is cleared; titles move too
// when asked.
void RemoveVariableRow(VariableTable& t, int32_t row, bool withTitle);
// Row `from` moves to `to`, the rows between making room.
void MoveVariableRow(VariableTable& t, int32_t from, int32_t to);
// Every byte of every row zero.
void ClearVariableTable(VariableTable& t);

// The whole table set aside while a command changes it, and put back.
struct VariableTableCopy {
  char (*titles)[kVarNameSize];
  char (*names)[kVarNameSize];
  char (*values)[kVarValueSize];
  uint32_t* isPrivate;
};
// False, with nothing held, when the table or the copy has no storage.
bool SetVariableTableAside(const VariableTable& t, VariableTableCopy* copy);
void PutVariableTableBack(VariableTable& t, const VariableTableCopy& copy);
void FreeVariableTableCopy(VariableTableCopy* copy);
