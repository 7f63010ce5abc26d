#include "panels/var_piece_tags.h"

#include <cstdio>
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "common/grading_records.h"
#include "store/art_tags.h"
#include "store/grading_group_tags.h"
#include "store/module_layers.h"
#include "store/piece_queries.h"
#include "store/text_fields.h"

namespace {

constexpr int kValueChunks = 32;

void NameKey(char (&key)[64], int32_t k) { std::snprintf(key, sizeof key, "vmk_grading_var_name_%03d", k); }

void PrivateKey(char (&key)[64], int32_t k) { std::snprintf(key, sizeof key, "vmk_grading_var_private_%03d", k); }

void ChunkKey(char (&key)[64], int32_t k, int32_t chunk) {
  std::snprintf(key, sizeof key, "vmk_grading_var_value_%03d%03d", k, chunk);
}

}  // namespace

void CollectDocumentTitledArts(ArtHandle** arts, int32_t* count) {
  *arts = nullptr;
  *count = 0;
  ForEachSearchedLayer([&](ArtHandle first) { CollectTitledArt(first, arts, count); });
}

void ReadPieceTitle(ArtHandle art, char* out, size_t outSize) {
  const char* title = ReadStringTag(art, kGradingTitleKey);
  CopyTextCutValidTrail(out, outSize < kNameSize ? outSize : kNameSize, title != nullptr ? title : "");
}

bool ReadPieceVariableName(ArtHandle art, int32_t k, char* out, size_t outSize) {
  char key[64];
  NameKey(key, k);
  const char* tag = ReadStringTag(art, key);
  if (tag == nullptr) return false;
  char field[kCsvFieldSize];
  GetCsvField(tag, 0, field);
  CopyTextCutValidTrail(out, outSize, field);
  return true;
}

int32_t ReadPieceVariablePrivate(ArtHandle art, int32_t k) {
  char key[64];
  PrivateKey(key, k);
  return ReadTagInteger(art, key, 0);
}

void ReadPieceVariableValue(ArtHandle art, int32_t k, char* out, size_t outSize) {
  // Chunks may part a double-byte character, so they are joined before the cut.
  std::string value;
  ReadStoredVariableValue(art, k, &value);
  CopyTextCutValidTrail(out, outSize, value.c_str());
}

int32_t FindPieceVariable(ArtHandle art, const char* name) {
  char found[kVarNameSize];
  for (int32_t k = 0; k < kMaxVariables && ReadPieceVariableName(art, k, found, sizeof found); ++k)
    if (std::strcmp(found, name) == 0) return k;
  return -1;
}

void WritePieceVariableValue(ArtHandle art, int32_t k, const char* value) {
  char key[64];
  for (int32_t chunk = 0; chunk < kValueChunks; ++chunk) {
    ChunkKey(key, k, chunk);
    RemoveTag(art, key);
  }
  WriteStoredVariableValue(art, k, value);
}

void WritePieceVariableName(ArtHandle art, int32_t k, const char* name) {
  char key[64];
  NameKey(key, k);
  WriteStringTag(art, key, name);
}

void MovePieceVariable(ArtHandle art, int32_t from, int32_t to) {
  struct Variable {
    char name[kVarNameSize];
    int32_t isPrivate;
    std::string value;
  };
  const int32_t first = from < to ? from : to, last = from < to ? to : from;
  std::vector<Variable> moved(static_cast<size_t>(last - first + 1));
  for (int32_t k = first; k <= last; ++k) {
    Variable& v = moved[static_cast<size_t>(k - first)];
    if (!ReadPieceVariableName(art, k, v.name, sizeof v.name)) return;
    v.isPrivate = ReadPieceVariablePrivate(art, k);
    ReadStoredVariableValue(art, k, &v.value);
  }
  if (from < to) {
    std::rotate(moved.begin(), moved.begin() + 1, moved.end());
  } else {
    std::rotate(moved.begin(), moved.end() - 1, moved.end());
  }
  char key[64];
  for (int32_t k = first; k <= last; ++k) {
    const Variable& v = moved[static_cast<size_t>(k - first)];
    WritePieceVariableName(art, k, v.name);
    PrivateKey(key, k);
    if (v.isPrivate != 0) {
      WriteStringTag(art, key, "1");
    } else {
      RemoveTag(art, key);
    }
    WritePieceVariableValue(art, k, v.value.c_str());
  }
}
