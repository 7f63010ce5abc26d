#include "engine/piece_members.h"

#include <cstdio>

#include "common/plugin_globals.h"

bool HasCurrentPiece() { return gPlugin->pieceArts != nullptr && gPlugin->pieceArtCount > 0; }

int32_t PieceMemberIndex(ArtHandle art) {
  const PluginGlobals& g = *gPlugin;
  for (int32_t i = 0; art != nullptr && g.pieceArts != nullptr && i < g.pieceArtCount; ++i)
    if (g.pieceArts[i] == art) return i;
  return -1;
}

char HandleIndexToLetter(int32_t index) {
  if (index >= 0 && index < 26) return static_cast<char>('A' + index);
  if (index >= 26 && index < 52) return static_cast<char>('a' + (index - 26));
  return '-';
}

void FormatPointHandleName(ArtHandle art, int32_t anchorIndex, char* out, size_t outSize) {
  const int32_t member = PieceMemberIndex(art);
  std::snprintf(out, outSize, "%c-%d", HandleIndexToLetter(member < 0 ? 0 : member),
                static_cast<int>(anchorIndex + 1));
}
