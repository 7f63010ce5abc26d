// A graded piece in the stand-in host taken through what a grader does, with
// everything the module shows or writes on the way recorded as text: the
// preview of every preset, the Information list, the tags after a tool is
// chosen and after a new handle is drawn, and the copies "Update grading"
// writes. The record is compared with a committed file.
#pragma once

#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

#include "support/module_fixture.h"
#include "win_driver.h"

namespace vmtest {

class GoldenScene : public ModuleTest {
 protected:
  void SetUp() override;

  // ---- building the document (outside any host call) ----
  static ArtHandle LayerGroup();
  // A circle in `arcs` equal arcs, the first anchor at `startAngle`.
  static ArtHandle Circle(ArtHandle parent, RealPoint centre, double radius, int arcs, double startAngle);

  // A two-point handle; `amounts` go to the scale indexes in turn (index t
  // takes amounts[t % count]).
  RevisionHandle& Line(int slot, int16_t kind, ArtHandle art1, int32_t i1, ArtHandle art2, int32_t i2,
                       std::initializer_list<const char*> amounts);
  RevisionHandle& Point(int slot, ArtHandle art, int32_t index, std::initializer_list<const char*> xs,
                        std::initializer_list<const char*> ys);
  void Variable(int row, const char* name, const std::string& value, uint32_t isPrivate = 0);
  // The grading origin, angle (radians), compilation scale, unit and arrow length of the next group.
  void Settings(RealPoint origin, double angle, double compscale, int16_t unit, double length);
  // Writes the handles, variables and settings of the globals onto the arts
  // as the group titled `title`, then clears the handles and variables.
  void StoreGroup(const std::vector<ArtHandle>& arts, const char* title);

  // ---- what the grader does, recorded ----
  // Selects the arts, picks the distance tool and records the tags and the preview.
  void ChooseToolOn(ArtHandle art) { ChooseToolOn(std::vector<ArtHandle>{art}); }
  void ChooseToolOn(const std::vector<ArtHandle>& arts);
  // Picks every preset from the Information flyout and records its graded
  // copies; records the whole preview and the Information list in the last.
  void RecordEveryPreset();
  // The user picks a row of the Information list and deletes its handles.
  void DeleteRow(int row);
  // A new distance handle drawn from one anchor to another; records the document.
  void DrawHandle(RealPoint from, RealPoint to);
  // "Update grading" from the Information panel, the dialog answered with
  // Enter; records the dialog's preview, the layers the run made and, when
  // the copies went beside the piece or replaced it, the piece's layers.
  void RunUpdate(const UpdateGradingSettings& options, std::initializer_list<int> chosenSlots);
  // The same from the Variable panel with no revision tool in hand: every
  // titled piece of the document is previewed and written.
  void RunDocumentUpdate(const UpdateGradingSettings& options, std::initializer_list<int> chosenSlots);
  void RecordAlerts();

  // Compares the record with data/<name>.txt, or writes that file anew
  // when VESTAMARK_GOLDEN_WRITE is set.
  void CheckRecord(const char* name);

  std::string record;

 private:
  void Section(const std::string& title);
  void RecordInfList();
  void RunUpdateFrom(HWND button, const UpdateGradingSettings& options, std::initializer_list<int> chosenSlots);
  int HandleCount();
  std::vector<std::string> LayerTitles();
  std::string Layers(bool preview, const std::vector<std::string>& skipped = {});

  std::vector<std::string> madeLayers_;  // by earlier runs of Update grading
};

}  // namespace vmtest
