#include "engine/titled_pieces.h"

#include <cstdlib>

#include "common/plugin_globals.h"
#include "store/piece_queries.h"

bool EnterTitledPiece(ArtHandle titled, PieceListsAside* aside) {
  ArtHandle* members = nullptr;
  int32_t memberCount = 0;
  if (!CollectTitledPieceMembers(titled, 0, &members, &memberCount)) return false;
  PluginGlobals& g = *gPlugin;
  *aside = {g.pieceArts, g.pieceArtCount, g.previewArts, g.previewArtCount};
  g.pieceArts = members;
  g.pieceArtCount = memberCount;
  g.previewArts = static_cast<ArtHandle*>(std::calloc(static_cast<size_t>(memberCount) + 1, sizeof(ArtHandle)));
  g.previewArtCount = 0;
  return true;
}

void LeaveTitledPiece(const PieceListsAside& aside) {
  PluginGlobals& g = *gPlugin;
  std::free(g.pieceArts);
  std::free(g.previewArts);
  g.pieceArts = aside.pieceArts;
  g.pieceArtCount = aside.pieceArtCount;
  g.previewArts = aside.previewArts;
  g.previewArtCount = aside.previewArtCount;
}
