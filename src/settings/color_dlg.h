#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>

#include "color_edit_rules.h"
#include "element_color_table.h"

class CColorWindow;
class ColorElementHost;
class QWidget;

// The colour table of the 25 skin elements, owned for the whole run, and its
// editor, the modal "Color settings" tool window.
//
// While the window is open the element being edited is held lit; it gets its
// own state back when another element is chosen and when the window closes.
// Every change is stored and applied to the main window at once, so closing
// with cancel undoes nothing.
class CColorDlg : public QObject {
  Q_OBJECT

 public:
  // parent owns the window while it is open.
  explicit CColorDlg(QWidget* parent = nullptr);
  ~CColorDlg() override;

  // The table; indexes outside 0-24 read as black and are not stored.
  void SetColor(int index, ColorTriple colour) { m_colorTable.SetColor(index, colour); }
  ColorTriple GetColor(int index) const { return m_colorTable.GetColor(index); }
  const ElementColorTable& ColorTable() const { return m_colorTable; }

  // The window's top-left corner on the screen; it keeps its size.
  QPoint GetWindowPos() const { return m_ptWindow; }
  void SetWindowPos(QPoint pos) { m_ptWindow = pos; }

  // Runs the window modally and returns 1 for OK, 0 for cancel. The host
  // hears that the window is open until it closes, and after OK recolours
  // every element.
  int RunModal(ColorElementHost& host);
  // The same without waiting: the window opens modal and the call returns.
  // Both do nothing (RunModal returns 0) while the window is open.
  void Open(ColorElementHost& host);
  bool WindowExists() const;
  CColorWindow* Window() const;

  // The window's events.
  void OnInitDialog();
  void OnSelChange(int element);
  // The number field of a component has a new text, typed or set.
  void OnEditChange(ColorComponent component, const QString& text);
  void OnHScroll(ColorComponent component, ScrollRequest request, int thumbPosition);
  // OK (accepted) or cancel: the element's own state back, the place noted,
  // the window gone.
  void OnClose(bool accepted);

  int CurrentElement() const { return m_nCurrent; }

 private:
  void CreateWindow(ColorElementHost& host);
  void ShowCurrentColor();
  int Component(ColorComponent component) const;

  QWidget* m_pParent;
  QPoint m_ptWindow{10, 10};
  ColorElementHost* m_pHost = nullptr;  // set while the window is open
  ElementColorTable m_colorTable;
  int m_nSavedState = 0;  // the current element's own lit state
  int m_nCurrent = 0;
  QPointer<CColorWindow> m_pWindow;
};
