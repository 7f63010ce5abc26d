// The host's state: documents, the art tree and undo transactions.
#include <algorithm>
#include <cstdlib>

#include "host_model.h"

HostState gHost;

namespace {
// After gHost in this file, so the host state exists when the defaults go in.
struct DefaultsAtLoad {
  DefaultsAtLoad() { AddHostDefaults(); }
} gDefaultsAtLoad;
}  // namespace

void ResetHostState() {
  for (auto& [block, size] : gHost.blocks) std::free(block);
  for (auto& doc : gHost.documents) CloseDocumentWindow(doc.get());
  for (auto& panel : gHost.panels) ClosePanelWindow(panel.get());
  gHost = HostState();
}

PathStyle DefaultPathStyle() {
  PathStyle s{};
  s.fillPaint = 0;
  s.fillColor = HostColor{ColorKind::Gray, 0, 0, 0, 0, 0};
  s.strokePaint = 1;
  s.strokeColor = HostColor{ColorKind::Gray, 1.0, 0, 0, 0, 0};
  s.strokeWidth = 1.0;
  s.miterLimit = 4.0;
  return s;
}

HostArt* NewHostArt(HostDocument* doc, int16_t type) {
  auto art = std::make_unique<HostArt>();
  art->doc = doc;
  art->d.type = type;
  art->d.style = DefaultPathStyle();
  HostArt* raw = art.get();
  doc->artPool.push_back(std::move(art));
  return raw;
}

HostLayer* NewHostLayer(HostDocument* doc, const std::u16string& title, size_t position) {
  auto layer = std::make_unique<HostLayer>();
  layer->doc = doc;
  layer->d.title = title;
  HostArt* group = NewHostArt(doc, kGroupArt);
  group->layer = layer.get();
  layer->group = group;
  HostLayer* raw = layer.get();
  doc->layerPool.push_back(std::move(layer));
  position = std::min(position, doc->d.layers.size());
  doc->d.layers.insert(doc->d.layers.begin() + static_cast<ptrdiff_t>(position), raw);
  if (!doc->d.current) doc->d.current = raw;
  return raw;
}

HostDocument* NewHostDocument(const std::string& name) {
  auto doc = std::make_unique<HostDocument>();
  doc->name = name;
  doc->view.doc = doc.get();
  HostDocument* raw = doc.get();
  gHost.documents.push_back(std::move(doc));
  gHost.current = raw;
  OpenDocumentWindow(raw);
  return raw;
}

void CloseHostDocument(HostDocument* doc) {
  if (gHost.txDoc == doc) {
    gHost.txDoc = nullptr;
    gHost.txSnapshotTaken = false;
    gHost.txBefore = DocSnapshot();
  }
  auto& docs = gHost.documents;
  auto it = std::find_if(docs.begin(), docs.end(), [doc](const auto& d) { return d.get() == doc; });
  if (it == docs.end()) return;
  CloseDocumentWindow(doc);
  doc->open = false;
  gHost.closedDocuments.push_back(std::move(*it));
  docs.erase(it);
  if (gHost.current == doc) gHost.current = docs.empty() ? nullptr : docs.back().get();
}

// Every call on art asks this first: it answers without a search.
bool IsLiveArt(const HostArt* art) { return art && art->doc && art->doc->open && art->d.alive; }

bool IsLiveLayer(const HostLayer* layer) { return layer && layer->doc && layer->doc->open && layer->d.alive; }

void UnlinkArt(HostArt* art) {
  HostArt* parent = art->d.parent;
  if (!parent) return;
  ForgetKeptCopy(parent);
  ForgetKeptCopy(art);
  auto& kids = parent->d.children;
  kids.erase(std::remove(kids.begin(), kids.end(), art), kids.end());
  art->d.parent = nullptr;
}

static bool IsContainer(const HostArt* art) {
  return art->d.type == kGroupArt || art->d.type == kCompoundPathArt;
}

static bool IsInside(const HostArt* art, const HostArt* ancestor) {
  for (const HostArt* a = art; a; a = a->d.parent)
    if (a == ancestor) return true;
  return false;
}

HostErr LinkArt(HostArt* art, int16_t paintOrder, HostArt* prep) {
  HostDocument* doc = art->doc;
  HostArt* parent = nullptr;
  size_t index = 0;
  switch (paintOrder) {
    case kPlaceAboveAll:
    case kPlaceBelowAll:
      if (!doc->d.current) return kNoDocumentErr;
      parent = doc->d.current->group;
      index = paintOrder == kPlaceAboveAll ? 0 : parent->d.children.size();
      break;
    case kPlaceInsideOnTop:
    case kPlaceInsideOnBottom:
      if (!prep) {
        if (!doc->d.current) return kNoDocumentErr;
        prep = doc->d.current->group;
      }
      if (!IsLiveArt(prep) || prep->doc != doc) return kBadParameterErr;
      if (!IsContainer(prep)) return kWrongTypeErr;
      parent = prep;
      index = paintOrder == kPlaceInsideOnTop ? 0 : parent->d.children.size();
      break;
    case kPlaceAbove:
    case kPlaceBelow: {
      if (!IsLiveArt(prep) || prep->doc != doc || !prep->d.parent) return kBadParameterErr;
      if (prep == art) return kBadParameterErr;
      parent = prep->d.parent;
      break;
    }
    default:
      return kBadParameterErr;
  }
  if (IsInside(parent, art)) return kBadParameterErr;
  if (parent->d.type == kCompoundPathArt && art->d.type != kPathArt) return kWrongTypeErr;
  UnlinkArt(art);
  ForgetKeptCopy(parent);
  ForgetKeptCopy(art);
  auto& kids = parent->d.children;
  if (paintOrder == kPlaceAbove || paintOrder == kPlaceBelow) {
    index = static_cast<size_t>(std::find(kids.begin(), kids.end(), prep) - kids.begin());
    if (paintOrder == kPlaceBelow) index++;
  }
  index = std::min(index, kids.size());
  kids.insert(kids.begin() + static_cast<ptrdiff_t>(index), art);
  art->d.parent = parent;
  return kNoErr;
}

HostErr PlaceMadeArt(HostArt* made, int16_t paintOrder, HostArt* prep, bool wasNoted, ArtHandle* out) {
  const HostErr err = LinkArt(made, paintOrder, prep);
  if (err != kNoErr) {
    KillArtTree(made);
    ForgetRefusedChange(wasNoted);
    return err;
  }
  if (out) *out = made;
  return kNoErr;
}

void ForEachArt(HostArt* root, const std::function<void(HostArt*)>& visit) {
  visit(root);
  // Copy: a visitor may unlink children.
  std::vector<HostArt*> kids = root->d.children;
  for (HostArt* kid : kids) ForEachArt(kid, visit);
}

void KillArtTree(HostArt* art) {
  ForEachArt(art, [](HostArt* a) {
    ForgetKeptCopy(a);
    a->d.alive = false;
  });
}

void KillArt(HostArt* art) {
  UnlinkArt(art);
  std::vector<HostArt*> tree;
  ForEachArt(art, [&tree](HostArt* a) { tree.push_back(a); });
  KillArtTree(art);
  // Undo brings art back from the copies its snapshots hold, never from this.
  for (HostArt* a : tree) {
    const int16_t type = a->d.type;
    a->d = ArtData();
    a->d.type = type;
    a->d.alive = false;
  }
}

HostArt* DuplicateArtTree(const HostArt* art, HostDocument* doc) {
  HostArt* copy = NewHostArt(doc, art->d.type);
  copy->d = art->d;
  copy->d.parent = nullptr;
  copy->d.id.clear();
  copy->d.children.clear();
  for (HostArt* kid : art->d.children) {
    HostArt* k = DuplicateArtTree(kid, doc);
    k->d.parent = copy;
    copy->d.children.push_back(k);
  }
  return copy;
}

HostLayer* LayerOfArt(const HostArt* art) {
  while (art && art->d.parent) art = art->d.parent;
  return art ? art->layer : nullptr;
}

// ---- undo ---------------------------------------------------------------------

namespace {

// Every live art of the document: the layers' groups and what is in them.
template <typename Visit>
void ForEachLiveArt(const HostDocument* doc, Visit visit) {
  std::vector<HostArt*> pending;
  for (auto it = doc->d.layers.rbegin(); it != doc->d.layers.rend(); ++it) pending.push_back((*it)->group);
  while (!pending.empty()) {
    HostArt* art = pending.back();
    pending.pop_back();
    visit(art);
    pending.insert(pending.end(), art->d.children.rbegin(), art->d.children.rend());
  }
}

uint64_t gRestoreMark = 0;

}  // namespace

void ForgetKeptCopy(HostArt* art) { art->kept.reset(); }

void NoteArtChange(HostArt* art) {
  NoteChange(art->doc);
  ForgetKeptCopy(art);
}

// Art unchanged since the last snapshot shares that snapshot's copy.
DocSnapshot TakeSnapshot(const HostDocument* doc) {
  DocSnapshot s;
  s.doc = doc->d;
  for (HostLayer* layer : doc->d.layers) s.layers.emplace_back(layer, layer->d);
  ForEachLiveArt(doc, [&s](HostArt* art) {
    if (!art->kept) art->kept = std::make_shared<const ArtData>(art->d);
    s.arts.emplace_back(art, art->kept);
  });
  return s;
}

// Only art whose data is not the snapshot's very copy is written back.
void RestoreSnapshot(HostDocument* doc, const DocSnapshot& snap) {
  const uint64_t mark = ++gRestoreMark;
  for (auto& [art, data] : snap.arts) art->restoreMark = mark;
  ForEachLiveArt(doc, [mark](HostArt* art) {
    if (art->restoreMark == mark) return;
    ForgetKeptCopy(art);
    art->d.alive = false;
  });
  for (HostLayer* layer : doc->d.layers) layer->d.alive = false;
  doc->d = snap.doc;
  for (auto& [layer, data] : snap.layers) layer->d = data;
  for (auto& [art, data] : snap.arts) {
    if (art->kept == data) continue;
    art->d = *data;
    art->kept = data;
  }
}

// Each entry holds a whole document (sharing the copies of art that did not
// change); like any host, keep a bounded history.
constexpr size_t kUndoLimit = 100;

void NoteChange(HostDocument* doc) {
  if (gHost.callDepth == 0 || gHost.txSnapshotTaken || !doc) return;
  gHost.txDoc = doc;
  gHost.txBefore = TakeSnapshot(doc);
  gHost.txSnapshotTaken = true;
}

void ForgetRefusedChange(bool wasNoted) {
  if (wasNoted || !gHost.txSnapshotTaken) return;
  gHost.txDoc = nullptr;
  gHost.txSnapshotTaken = false;
  gHost.txBefore = DocSnapshot();
}

void BeginHostCall() {
  if (gHost.callDepth++ > 0) return;
  gHost.txDoc = nullptr;
  gHost.txSnapshotTaken = false;
  gHost.txSilent = false;
  gHost.txUndoText.clear();
  gHost.txRedoText.clear();
}

void EndHostCall() {
  if (--gHost.callDepth > 0) return;
  if (gHost.txSnapshotTaken && gHost.txDoc && !gHost.txSilent) {
    UndoEntry entry{gHost.txUndoText, gHost.txRedoText, std::move(gHost.txBefore)};
    auto& stack = gHost.txDoc->undoStack;
    stack.push_back(std::move(entry));
    if (stack.size() > kUndoLimit) stack.pop_front();
    gHost.txDoc->redoStack.clear();
    gHost.undoRecords.push_back({ToUtf8(gHost.txUndoText), ToUtf8(gHost.txRedoText)});
  }
  gHost.txDoc = nullptr;
  gHost.txSnapshotTaken = false;
  gHost.txBefore = DocSnapshot();
}
