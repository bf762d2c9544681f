#include "tag_display_editor.h"

#include <utility>

#include "tag_display_window.h"
#include "window_placement.h"

CTagDisplayEditor::CTagDisplayEditor(GetFlag getFlag, SetFlag setFlag, QWidget* parent)
    : QObject(parent), m_getFlag(std::move(getFlag)), m_setFlag(std::move(setFlag)), m_pParent(parent) {}

CTagDisplayEditor::~CTagDisplayEditor() {
  if (m_pWindow) delete m_pWindow.data();
}

void CTagDisplayEditor::CreateWindow() {
  m_pWindow = new CTagDisplayWindow(*this, m_pParent);
  m_pWindow->setWindowModality(Qt::ApplicationModal);
  OnInitDialog();
}

int CTagDisplayEditor::RunModal() {
  if (WindowExists()) return 0;
  CreateWindow();
  return m_pWindow->exec() == QDialog::Accepted ? 1 : 0;
}

void CTagDisplayEditor::Open() {
  if (WindowExists()) return;
  CreateWindow();
  m_pWindow->show();
}

void CTagDisplayEditor::OnInitDialog() {
  m_pWindow->move(PlaceOnScreens(m_ptWindow, m_pWindow->size(), AvailableScreenAreas()));
  for (int number = 1; number <= CTagDisplayWindow::kFlagCount; ++number) {
    m_pWindow->SetMark(number, m_getFlag(number) == 1);
  }
}

void CTagDisplayEditor::OnCheck(int number) { m_setFlag(number, m_getFlag(number) == 0 ? 1 : 0); }

void CTagDisplayEditor::OnClose() {
  if (!m_pWindow) return;
  m_ptWindow = m_pWindow->pos();
  m_pWindow = nullptr;  // the window deletes itself once it has ended
}

bool CTagDisplayEditor::WindowExists() const { return m_pWindow != nullptr; }
CTagDisplayWindow* CTagDisplayEditor::Window() const { return m_pWindow; }
