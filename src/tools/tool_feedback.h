// Inverted-pixel feedback of the revision tools in the document window: the
// last drawing is erased by drawing it again, then the current one is drawn.
#pragma once

#include <cstdint>
#include <functional>

#include "host_types.h"
#include "win_types.h"

// Marker modes: 0 origin marks, 1..6 by RevisionToolIndex (3 point), -1 marquee.
constexpr int16_t kMarkerOrigin = 0;
constexpr int16_t kMarkerPoint = 3;
constexpr int16_t kMarkerMarquee = -1;

// Erases what trackingPrev drew, draws what tracking describes, then saves
// tracking into trackingPrev.
void DrawToolFeedback(ToolMessage* message, int16_t toolIndex);
// The markers of one drawing, p1 and p2 in window pixels.
void DrawSnapMarkers(HDC dc, POINT p1, POINT p2, int16_t mode);
// 1 when the window point lies on an anchor of the current piece; it then moves onto it.
int16_t SnapViewPointToPieceAnchor(POINT* point);
void DrawRectOutline(HDC dc, const RECT& rect);
// Called after every feedback drawing.
void RevisionToolIdle();
// Runs `draw` with the document window's device context set for inverted
// pixels (null when there is no window to draw in), and releases it after.
void DrawInvertedInDocumentWindow(const std::function<void(HDC)>& draw);
