#include <cstdio>

#include "common/dialog_placement.h"
#include "common/plugin_globals.h"
#include "common/suite_pointers.h"
#include "geometry/numeric.h"
#include "resources/simple_grading_resource_ids.h"
#include "simple_grading/simple_grading_dialogs.h"
#include "store/text_fields.h"

namespace {

constexpr int kFieldTextSize = 80;  // 79 characters and a NUL

struct ProportionFields {
  double* values[4];
  int count;
  int16_t* choice;  // rotation or measure type
  int firstRadio;
  int radios;  // the last radio is taken when none before it is checked
};

void SetNumberField(HWND dialog, int id, double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%g", SinglePrecision(value));
  SetDlgItemText(dialog, id, text);
}

double ReadNumberField(HWND dialog, int id) {
  char text[kFieldTextSize] = {};
  GetDlgItemText(dialog, id, text, sizeof text);
  return TextToReal(text);
}

INT_PTR ProportionDialog(HWND dialog, UINT message, WPARAM wParam, const ProportionFields& f,
                         const int* edits) {
  if (message == WM_INITDIALOG) {
    PlaceDialogCentredOnTop(dialog);
    for (int i = 0; i < f.count; ++i) SetNumberField(dialog, edits[i], *f.values[i]);
    if (*f.choice >= 0 && *f.choice < f.radios) CheckDlgButton(dialog, f.firstRadio + *f.choice, BST_CHECKED);
    return TRUE;
  }
  if (message != WM_COMMAND) return FALSE;
  if (LOWORD(wParam) == IDOK) {
    for (int i = 0; i < f.count; ++i) *f.values[i] = ReadNumberField(dialog, edits[i]);
    int16_t choice = static_cast<int16_t>(f.radios - 1);
    for (int r = 0; r < f.radios - 1; ++r) {
      if (IsDlgButtonChecked(dialog, f.firstRadio + r) == BST_CHECKED) {
        choice = static_cast<int16_t>(r);
        break;
      }
    }
    *f.choice = choice;
    EndDialog(dialog, IDOK);
    return TRUE;
  }
  if (LOWORD(wParam) == IDCANCEL) {
    EndDialog(dialog, IDCANCEL);
    return TRUE;
  }
  return FALSE;
}

INT_PTR BodyDialog(HWND dialog, UINT message, WPARAM wParam, double* width, double* height, double* bust,
                   int16_t* rotation) {
  const ProportionFields f{{width, height, bust, nullptr}, 3, rotation, kRotationFirstRadio, 4};
  return ProportionDialog(dialog, message, wParam, f, kProportionEdits);
}

}  // namespace

INT_PTR FrontBodyDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  SimpleGradingSettings& s = gPlugin->simpleGrading;
  return BodyDialog(dialog, message, wParam, &s.grading_front_body_width, &s.grading_front_body_height,
                    &s.grading_front_bust_position, &s.grading_front_rotation);
}

INT_PTR BackBodyDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  SimpleGradingSettings& s = gPlugin->simpleGrading;
  return BodyDialog(dialog, message, wParam, &s.grading_back_body_width, &s.grading_back_body_height,
                    &s.grading_back_bust_position, &s.grading_back_rotation);
}

INT_PTR SleeveDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  SimpleGradingSettings& s = gPlugin->simpleGrading;
  const ProportionFields f{{&s.grading_sleeve_front_body_width, &s.grading_sleeve_back_body_width,
                            &s.grading_sleeve_cap_height, &s.grading_sleeve_depth},
                           4,
                           &s.grading_sleeve_rotation,
                           kRotationFirstRadio,
                           4};
  return ProportionDialog(dialog, message, wParam, f, kProportionEdits);
}

INT_PTR SimpleMeasurementDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  SimpleGradingSettings& s = gPlugin->simpleGrading;
  const ProportionFields f{{&s.measureLength, nullptr, nullptr, nullptr},
                           1,
                           &s.grading_measure_type,
                           kMeasureTypeFirstRadio,
                           kMeasureTypeCount};
  return ProportionDialog(dialog, message, wParam, f, &kMeasureLengthEdit);
}

INT_PTR RunSimpleGradingDialog(HINSTANCE instance, int32_t resourceId) {
  const int32_t base = resourceId >= kSizeTableDialogResource + 1000 ? resourceId - 1000 : resourceId;
  DLGPROC proc = nullptr;
  switch (base) {
    case kSizeTableDialogResource:
      proc = SizeTableDlgProc;
      break;
    case kFrontBodyDialogResource:
      proc = FrontBodyDlgProc;
      break;
    case kBackBodyDialogResource:
      proc = BackBodyDlgProc;
      break;
    case kSleeveDialogResource:
      proc = SleeveDlgProc;
      break;
    case kMeasurementDialogResource:
      proc = SimpleMeasurementDlgProc;
      break;
    default:
      return IDCANCEL;
  }
  HWND owner = nullptr;
  if (sAIContext != nullptr) sAIContext->GetPlatformAppWindow(&owner);
  const INT_PTR result = DialogBoxParam(instance, MAKEINTRESOURCE(resourceId), owner, proc, 0);
  return result == IDOK ? IDOK : IDCANCEL;
}
