#include "color_dlg.h"

#include <QComboBox>
#include <QSlider>

#include "color_element_host.h"
#include "color_window.h"
#include "window_placement.h"

namespace {

constexpr std::array<ColorComponent, 3> kComponents = {ColorComponent::Red, ColorComponent::Green,
                                                       ColorComponent::Blue};

std::uint8_t& Channel(ColorTriple& colour, ColorComponent component) {
  switch (component) {
    case ColorComponent::Red:
      return colour.red;
    case ColorComponent::Green:
      return colour.green;
    case ColorComponent::Blue:
      break;
  }
  return colour.blue;
}

}  // namespace

CColorDlg::CColorDlg(QWidget* parent) : QObject(parent), m_pParent(parent) {}

CColorDlg::~CColorDlg() {
  if (m_pWindow) delete m_pWindow.data();
}

void CColorDlg::CreateWindow(ColorElementHost& host) {
  m_pHost = &host;
  m_pHost->SetColorDlgOpen(true);
  m_pWindow = new CColorWindow(*this, m_pParent);
  m_pWindow->setWindowModality(Qt::ApplicationModal);
  OnInitDialog();
}

int CColorDlg::RunModal(ColorElementHost& host) {
  if (WindowExists()) return 0;
  CreateWindow(host);
  return m_pWindow->exec() == QDialog::Accepted ? 1 : 0;
}

void CColorDlg::Open(ColorElementHost& host) {
  if (WindowExists()) return;
  CreateWindow(host);
  m_pWindow->show();
}

void CColorDlg::OnInitDialog() {
  m_pWindow->move(PlaceOnScreens(m_ptWindow, m_pWindow->size(), AvailableScreenAreas()));
  m_nCurrent = 0;
  m_pWindow->ElementList().setCurrentIndex(0);
  m_nSavedState = m_pHost->GetElementState(0);
  m_pHost->SetElementState(0, 1);
  ShowCurrentColor();
}

void CColorDlg::OnSelChange(int element) {
  if (!m_pWindow || element < 0) return;
  m_pHost->SetElementState(m_nCurrent, m_nSavedState);
  m_nCurrent = element;
  m_nSavedState = m_pHost->GetElementState(m_nCurrent);
  m_pHost->SetElementState(m_nCurrent, 1);
  ShowCurrentColor();
}

void CColorDlg::ShowCurrentColor() {
  for (ColorComponent component : kComponents) m_pWindow->ShowComponent(component, Component(component));
}

int CColorDlg::Component(ColorComponent component) const {
  ColorTriple colour = GetColor(m_nCurrent);
  return Channel(colour, component);
}

void CColorDlg::OnEditChange(ColorComponent component, const QString& text) {
  if (!m_pWindow) return;
  const int value = ComponentFromText(text.toStdString());
  ColorTriple colour = GetColor(m_nCurrent);
  Channel(colour, component) = static_cast<std::uint8_t>(value);
  SetColor(m_nCurrent, colour);
  m_pHost->ApplyColor(m_nCurrent);
  m_pWindow->Slider(component).setValue(value);
}

void CColorDlg::OnHScroll(ColorComponent component, ScrollRequest request, int thumbPosition) {
  if (!m_pWindow) return;
  m_pWindow->ShowComponent(component, ScrolledComponent(request, Component(component), thumbPosition));
}

void CColorDlg::OnClose(bool accepted) {
  if (!m_pWindow) return;
  m_pHost->SetElementState(m_nCurrent, m_nSavedState);
  m_ptWindow = m_pWindow->pos();
  m_pWindow = nullptr;  // the window deletes itself once it has ended
  if (accepted) m_pHost->ApplyColor(-1);
  m_pHost->SetColorDlgOpen(false);
  m_pHost = nullptr;
}

bool CColorDlg::WindowExists() const { return m_pWindow != nullptr; }
CColorWindow* CColorDlg::Window() const { return m_pWindow; }
