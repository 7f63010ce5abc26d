#include "dialog_notes.h"

namespace headless {

namespace {

constexpr const char* kOk = "closes the dialog and keeps what it shows";
constexpr const char* kCancel = "closes the dialog and changes nothing";
constexpr const char* kVariableButton =
    "opens \"Variable list\" and types the name picked there into the expression field that had the focus last "
    "(a beep when none had)";

// How the Information list opens a handle's dialog; the kind of the handle chooses which.
constexpr const char* kHandleRow =
    "double-click the handle's row of the Information list (`panel Vestamark_INF_PANEL double-click 1 ROW`, "
    "row 1 and on), or pick the row and click Edit (`click 4`)";

ControlNote Ok() { return {1, 0, nullptr, kOk}; }
ControlNote Cancel() { return {2, 0, nullptr, kCancel}; }

std::vector<DialogNote> Dialogs() {
  return {
      {16152,
       KoreanCopy::Japanese,
       "double-click row 0 of the Information list (`panel Vestamark_INF_PANEL double-click 1 0`), the "
       "Information panel's flyout item \"Basic settings...\", or `tool-options`, each while a revision tool is "
       "chosen. Row 0 is there while a piece is selected, after a `tick`; OK keeps the settings with that piece, "
       "and its standard scale for the current size",
       {Ok(),
        Cancel(),
        {4, 3, "(x)",
         "x of the grading origin, in the unit chosen in \"Unit\", as `--list` gives coordinates: the standard "
         "scale and the grading direction work from this point"},
        {5, 3, "(y)", "y of the grading origin (y upwards)"},
        {7, 6, nullptr,
         "the grading angle in degrees: it turns the frame in which \"Horizontal direction\" and \"Vertical "
         "direction\" are taken. Disabled while \"Aspect ratio fixation\" is checked"},
        {9, 8, "(horizontal)",
         "the standard scale of the current size across, in percent of the drawing: the whole piece is scaled "
         "by it about the origin before any handle moves it. 100 leaves the drawing's size; a new size starts "
         "at 120"},
        {10, 8, "(vertical)",
         "the standard scale of the current size up and down, in percent; while \"Aspect ratio fixation\" is "
         "checked it follows the horizontal one and cannot be typed"},
        {11, 0, nullptr, "checked: one standard scale both ways (checked for a new piece)"},
        {19, 18, nullptr,
         "the scale the pattern is drawn at, in percent (pick 10 to 500 or type one): lengths shown and typed "
         "in every dialog are divided by it. 100: drawn full size. 0 or no number is refused with a beep"},
        {21, 20, nullptr,
         "the piece's name (a new piece gets one like \"GR_dnfr\"); another piece's expressions reach its "
         "variables as NAME:variable"},
        {24, 23, nullptr,
         "the unit of lengths in every dialog and in the Information list: rows 0 mm, 1 cm, 2 in"}}},
      {16154,
       KoreanCopy::Japanese,
       kHandleRow,
       {Ok(),
        Cancel(),
        {4, 6, "Percent",
         "the distance between the handle's ends for the current size, in percent of the distance before this "
         "handle: 100 leaves it, 110 makes it a tenth longer. An expression may be typed"},
        {5, 7, "Length",
         "the same amount as the new distance between the ends, in the unit of \"Basic settings\" (shown "
         "beside it): the whole new distance, not the change; with \"Moving distance\" checked, how far the end "
         "moves"},
        {9, 8, nullptr, "the handle's name, shown in its row"},
        {11, 10, nullptr,
         "which way the handle's end (the one on the piece) moves: row 0 \"Angle of handle\" along the handle, "
         "1 \"Horizontal direction\" across only, 2 \"Vertical direction\" up and down only, 3 \"Grading "
         "direction\" along the line from the grading origin; after a \"-\" row, the angle of each measurement "
         "handle that names one. Across and up and down, the end keeps its side of the handle's start"},
        {12, 0, nullptr, "checked: both ends move, sharing the change"},
        {13, 0, nullptr, kVariableButton},
        {21, 0, nullptr, "checked: \"Length\" is how far the end moves, not the new distance"},
        {22, 0, nullptr,
         "checked: in a handle group, each member moves in proportion to where it lies along the first one"}}},
      {16155,
       KoreanCopy::Japanese,
       kHandleRow,
       {Ok(),
        Cancel(),
        {4, 6, "Percent",
         "the length of the outline between the handle's ends for the current size, in percent of its length "
         "before this handle; the anchors stay and the curves between them are reshaped"},
        {5, 7, "Length",
         "the same amount as the new length along the outline, in the unit of \"Basic settings\" (shown beside "
         "it)"},
        {9, 8, nullptr, "the handle's name, shown in its row"},
        {13, 0, nullptr, kVariableButton}}},
      {16160,
       KoreanCopy::Japanese,
       kHandleRow,
       {Ok(),
        Cancel(),
        {4, 6, "Percent", "the radius of the arc between the handle's ends for the current size, in percent"},
        {5, 7, "Length", "the same amount as the new radius, in the unit of \"Basic settings\" (shown beside it)"},
        {9, 8, nullptr, "the handle's name, shown in its row"},
        {13, 0, nullptr, kVariableButton}}},
      {16162,
       KoreanCopy::Japanese,
       kHandleRow,
       {Ok(),
        Cancel(),
        {4, 6, "Degrees",
         "how far the handle's end turns about its start for the current size, in degrees, counter-clockwise "
         "(y upwards); 0 turns nothing"},
        {9, 8, nullptr, "the handle's name, shown in its row"},
        {13, 0, nullptr, kVariableButton}}},
      {16153,
       KoreanCopy::Japanese,
       kHandleRow,
       {Ok(),
        Cancel(),
        {4, 3, "(X)",
         "how far this handle moves its anchor across for the current size, in the unit of \"Basic settings\"; "
         "an expression may be typed"},
        {5, 3, "(Y)", "how far it moves the anchor up (y upwards)"},
        {7, 6, "(X)", "the anchor's whole move across from where it is drawn, earlier handles included"},
        {8, 6, "(Y)", "the anchor's whole move up"},
        {10, 9, "(X)", "where the anchor ends up across (coordinates as `--list` gives them)"},
        {11, 9, "(Y)", "where the anchor ends up, y upwards"},
        {13, 12, nullptr, "the handle's name, shown in its row"},
        {23, 0, nullptr, kVariableButton}}},
      {16158,
       KoreanCopy::Japanese,
       kHandleRow,
       {Ok(),
        Cancel(),
        {4, 3, nullptr,
         "the name of the variable that receives the distance between the handle's ends (empty: none)"},
        {6, 5, nullptr, "the name of the variable that receives the handle's angle, in degrees"},
        {8, 7, nullptr, "the name of the variable that receives the length along the outline between the ends"},
        {10, 9, nullptr, "the name of the variable that receives the radius, when the ends bound one arc"}}},
      {16070,
       KoreanCopy::Japanese,
       "the Information panel's Update (`panel Vestamark_INF_PANEL click 6`: the selected piece, while a "
       "revision tool is chosen) or the Variable panel's Update (`panel Vestamark_VAR_PANEL click 6`: every "
       "graded piece, while none is chosen); each is enabled by the panels' timer (`tick 40`)",
       {{1, 0, nullptr, "writes the graded copies as the dialog says"},
        Cancel(),
        {3, 0, nullptr, "writes the current size"},
        {4, 0, nullptr, "writes every size"},
        {5, 0, nullptr, "writes the sizes ticked in \"Sets\""},
        {6, 0, nullptr,
         "checked: the drawn piece stays; cleared (only with \"Output current set\"): the copy replaces it"},
        {7, 0, "Sets",
         "one row per enabled size, each ticked to begin with; only with \"Output choice sets\" (disabled "
         "otherwise) a click on a row's square ticks or clears it: `click-at 7 12 Y`, Y = 20 x row + 10"},
        {8, 0, nullptr,
         "checked: the copies go on a layer of their own, made below every layer; cleared: beside the piece"},
        {9, 0, nullptr, "checked (with the box above): one layer per size, named after it"},
        {11, 10, nullptr, "the layer's name when the copies share one layer"},
        {12, 0, nullptr, "checked: the copies are shown while the dialog is open"}}},
      {16161,
       KoreanCopy::Japanese,
       "the Information panel's flyout item \"Preset setting...\"",
       {Ok(),
        Cancel(),
        {3, 0, "Presets",
         "the sizes, in the order the flyouts list them; a click on a row's right end (20 px) enables or "
         "disables the size (the last enabled one stays); a double-click renames it"},
        {4, 0, nullptr,
         "removes the selected size after an alert (`alert ok` or `alert cancel`); the last size cannot be "
         "removed: a beep"},
        {5, 0, nullptr, "opens \"Rename preset\" for the selected size"},
        {6, 0, nullptr,
         "opens \"New preset\"; the new size goes in place of the selected row, or last, with a standard scale of "
         "120 % until \"Basic settings\" changes it"},
        {8, 7, nullptr,
         "the preset files: their names, \"Untitled\", then \"Save\", \"Save As...\" (opens \"Save File As\") "
         "and \"Delete\" (`pick-text 8 \"Save As...\"`)"}}},
      {16062,
       KoreanCopy::Japanese,
       "\"Add...\" of \"Preset config\"",
       {Ok(), Cancel(), {4, 5, nullptr, "the new size's name (proposed: UNTITLED-1, ...); empty or taken is refused"}}},
      {16064,
       KoreanCopy::Japanese,
       "\"Edit...\" of \"Preset config\", or a double-click on a size there",
       {Ok(), Cancel(), {4, 5, nullptr, "the size's new name; empty or taken is refused"}}},
      {16061,
       KoreanCopy::English,
       "the row \"Save As...\" of the preset files in \"Preset config\"",
       {Ok(), Cancel(), {3, 4, nullptr, "the name of the preset file the sizes are saved in"}}},
      {16063,
       KoreanCopy::Japanese,
       "the Information panel's flyout item \"Copy preset...\", while a revision tool is chosen",
       {{1, 0, nullptr,
         "copies every amount of the current size into the chosen size, which becomes the current size"},
        Cancel(),
        {4, 5, nullptr, "the enabled sizes"}}},
      {16157,
       KoreanCopy::Japanese,
       "the Variable panel's New (`panel Vestamark_VAR_PANEL click 5`) or Edit (`click 4`), or a double-click "
       "on a variable's row",
       {Ok(),
        Cancel(),
        {4, 0, "Value", "the variable's value: a number or an expression"},
        {5, 3, nullptr, "the variable's name"},
        {6, 0, nullptr, kVariableButton},
        {7, 0, nullptr,
         "checked: other pieces cannot use it (enabled only while a revision tool is chosen)"}}},
      {16159,
       KoreanCopy::Japanese,
       "\"Variable...\" of a handle's dialog or of \"Variable\"",
       {{1, 0, nullptr, "types the picked name (enabled while a name is picked)"},
        Cancel(),
        {3, 0, "Source",
         "whose names \"Names\" lists: row 0 this piece's variables, 1 the grading macros (%%GR_SCALE_H%%, ...), "
         "then, after a \"-\" row, each graded piece by its name"},
        {4, 0, "Names", "the names of the chosen source; another piece's is typed as PIECE:name"}}},
      {16150, KoreanCopy::English, "the menu item \"Vestamark...\" (`menu Vestamark...`)", {Ok()}},
      // The simple-grading tools that open these are not registered with the host.
      {16163, KoreanCopy::English, nullptr, {}},
      {16164, KoreanCopy::English, nullptr, {}},
      {16165, KoreanCopy::English, nullptr, {}},
      {16166, KoreanCopy::English, nullptr, {}},
      {16167, KoreanCopy::English, nullptr, {}},
  };
}

std::vector<PanelNote> Panels() {
  return {
      {"Vestamark_INF_PANEL",
       "Vestamark Inf.",
       "shown from the start",
       {{1, "list", "List", "",
         "the selected piece, while a revision tool is chosen (after a `tick`): row 0 its basic settings "
         "(origin, angle, standard scale of the current size), then one row per handle or handle group in the "
         "order drawn. A double-click opens the row's dialog; a pick selects the handle"},
        {3, "button", "Delete", "\xE5\x89\x8A\xE9\x99\xA4", "deletes the selected handles (never row 0)"},
        {4, "button", "Edit", "\xE7\xB7\xA8\xE9\x9B\x86", "opens the dialog of the picked row"},
        {5, "button", "Lock revision handle",
         "\xE8\xA3\x9C\xE6\xAD\xA3\xE3\x83\x8F\xE3\x83\xB3\xE3\x83\x89\xE3\x83\xAB\xE3\x81\xAE\xE3\x83\xAD\xE3"
         "\x83\x83\xE3\x82\xAF",
         "locks the handles, or unlocks them: while locked the tools do not snap to the handles' points"},
        {6, "button", "Update", "\xE6\x9B\xB4\xE6\x96\xB0",
         "opens \"Update grading\" for the selected piece; enabled while a revision tool is chosen and a piece "
         "selected (the panel's timer checks every 30 ticks)"}}},
      {"Vestamark_VAR_PANEL",
       "Vestamark Var.",
       "shown from the start",
       {{1, "list", "List", "",
         "the selected piece's variables while a revision tool is chosen; without one, the public variables of "
         "the selected graded pieces. A double-click edits the row's variable"},
        {3, "button", "Delete", "\xE5\x89\x8A\xE9\x99\xA4", "deletes the picked variable (with a revision tool)"},
        {4, "button", "Edit", "\xE7\xB7\xA8\xE9\x9B\x86", "opens \"Variable\" for the picked variable"},
        {5, "button", "New", "\xE6\x96\xB0\xE8\xA6\x8F", "opens \"Variable\" for a new variable of the piece"},
        {6, "button", "Update", "\xE6\x9B\xB4\xE6\x96\xB0",
         "opens \"Update grading\" for every graded piece of the document; enabled while no revision tool is "
         "chosen and a graded piece is selected"}}},
  };
}

}  // namespace

const std::vector<DialogNote>& DialogNotes() {
  static const std::vector<DialogNote> notes = Dialogs();
  return notes;
}

const std::vector<PanelNote>& PanelNotes() {
  static const std::vector<PanelNote> notes = Panels();
  return notes;
}

const DialogNote* FindDialogNote(int japaneseId) {
  for (const DialogNote& d : DialogNotes())
    if (d.japaneseId == japaneseId) return &d;
  return nullptr;
}

const ControlNote* FindControlNote(const DialogNote& dialog, int control) {
  for (const ControlNote& c : dialog.controls)
    if (c.control == control) return &c;
  return nullptr;
}

}  // namespace headless
