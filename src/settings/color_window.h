#pragma once

#include <array>

#include <QDialog>

#include "color_edit_rules.h"

class CColorDlg;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSlider;

// Control identifiers of the colour window; each control carries its name as
// object name.
enum ColorWindowId : int {
  IDD_COLOR = 111,
  IDC_COLOR_OK = 1,
  IDC_EDIT_RED = 1080,
  IDC_EDIT_GREEN = 1081,
  IDC_EDIT_BLUE = 1082,
  IDC_ELEMENT_LIST = 1083,
  IDC_SLIDER_BLUE = 1084,
  IDC_SLIDER_GREEN = 1085,
  IDC_SLIDER_RED = 1086,
};

// The window of CColorDlg: the element list, OK, and a slider and a number
// field per component. It reports every selection, text change and slider
// request to its owner, which keeps the colours.
class CColorWindow : public QDialog {
  Q_OBJECT

 public:
  CColorWindow(CColorDlg& owner, QWidget* parent);

  QComboBox& ElementList() const { return *m_pList; }
  QSlider& Slider(ColorComponent component) const { return *m_sliders[Index(component)]; }
  QLineEdit& Edit(ColorComponent component) const { return *m_edits[Index(component)]; }
  QPushButton& OkButton() const { return *m_pOk; }

  // Puts the number into the field; the field's change notification follows
  // as for typing.
  void ShowComponent(ColorComponent component, int value);

  void done(int result) override;

 private:
  static std::size_t Index(ColorComponent component) { return static_cast<std::size_t>(component); }
  void BuildList();
  void BuildRow(ColorComponent component);
  void OnSliderAction(ColorComponent component, int action);

  CColorDlg& m_owner;
  QComboBox* m_pList = nullptr;
  QPushButton* m_pOk = nullptr;
  std::array<QSlider*, 3> m_sliders{};
  std::array<QLineEdit*, 3> m_edits{};
};
