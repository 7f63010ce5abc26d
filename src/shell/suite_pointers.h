// The module's pointers to the host suites, filled by AcquireSuites and
// cleared by ReleaseSuites. Null while a suite is not held.
#pragma once

#include "host_suites.h"

extern SPBasicSuite* sSPBasic;
extern const SPBlocksSuite* sSPBlocks;
extern const SPAccessSuite* sSPAccess;
extern const AIPluginSuite* sAIPlugin;
extern const AIRealMathSuite* sAIRealMath;
extern const AIArtSuite* sAIArt;
extern const AIUserInterfaceThemeSuite* sAIUITheme;
extern const AIPanelSuite* sAIPanel;
extern const AIPanelFlyoutMenuSuite* sAIPanelFlyoutMenu;
extern const AIUserSuite* sAIUser;
extern const AILayerSuite* sAILayer;
extern const AIPathStyleSuite* sAIPathStyle;
extern const AIPathSuite* sAIPath;
extern const AIMatchingArtSuite* sAIMatchingArt;
extern const AIDocumentSuite* sAIDocument;
extern const AIDocumentViewSuite* sAIDocumentView;
extern const AITransformArtSuite* sAITransformArt;
extern const AIGroupSuite* sAIGroup;
extern const AITagSuite* sAITag;
extern const AIRandomSuite* sAIRandom;
extern const AIActionManagerSuite* sAIActionManager;
extern const AITextFrameSuite* sAITextFrame;
extern const AIFontSuite* sAIFont;
extern const ATETextRangeSuite* sATETextRange;
extern const AIUndoSuite* sAIUndo;
extern const AIContextSuite* sAIContext;
extern const AIMenuSuite* sAIMenu;
extern const AIToolSuite* sAITool;
extern const AITimerSuite* sAITimer;
extern const AINotifierSuite* sAINotifier;
extern const AIFilePathSuite* sAIFilePath;
extern const AIUnicodeStringSuite* sAIUnicodeString;
