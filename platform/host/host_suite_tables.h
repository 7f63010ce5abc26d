// The function tables the host hands out through the basic suite.
#pragma once

#include "host_suites.h"

extern SPBasicSuite gBasicSuite;
extern const SPBlocksSuite kBlocksSuite;
extern const SPAccessSuite kAccessSuite;
extern const AIPluginSuite kPluginSuite;
extern const AIRealMathSuite kRealMathSuite;
extern const AIArtSuite kArtSuite;
extern const AIUserInterfaceThemeSuite kThemeSuite;
extern const AIPanelSuite kPanelSuite;
extern const AIPanelFlyoutMenuSuite kFlyoutMenuSuite;
extern const AIUserSuite kUserSuite;
extern const AILayerSuite kLayerSuite;
extern const AIPathStyleSuite kPathStyleSuite;
extern const AIPathSuite kPathSuite;
extern const AIMatchingArtSuite kMatchingArtSuite;
extern const AIDocumentSuite kDocumentSuite;
extern const AIDocumentViewSuite kDocumentViewSuite;
extern const AITransformArtSuite kTransformArtSuite;
extern const AIGroupSuite kGroupSuite;
extern const AITagSuite kTagSuite;
extern const AIRandomSuite kRandomSuite;
extern const AIActionManagerSuite kActionManagerSuite;
extern const AITextFrameSuite kTextFrameSuite;
extern const AIFontSuite kFontSuite;
extern const ATETextRangeSuite kTextRangeSuite;
extern const AIUndoSuite kUndoSuite;
extern const AIContextSuite kContextSuite;
extern const AIMenuSuite kMenuSuite;
extern const AIToolSuite kToolSuite;
extern const AITimerSuite kTimerSuite;
extern const AINotifierSuite kNotifierSuite;
extern const AIFilePathSuite kFilePathSuite;
extern const AIUnicodeStringSuite kUnicodeStringSuite;
