#pragma once

#include <array>

#include <QDialog>

class CTagDisplayEditor;
class QCheckBox;
class QPushButton;

// Control identifiers of the tag display window; each control carries its
// name as object name.
enum TagDisplayWindowId : int {
  IDD_TAGDISPLAY = 112,
  IDC_TAGS_OK = 1,
  IDC_TAG_ARTIST = 1090,
  IDC_TAG_NAME = 1091,
  IDC_TAG_GENRE = 1092,
  IDC_TAG_DATE = 1093,
  IDC_TAG_COMMENT = 1094,
  IDC_TAG_SOURCE = 1095,
};

// The window of CTagDisplayEditor: OK and one check box per tag flag. Each
// click is handed to the editor, which changes the flag at once.
class CTagDisplayWindow : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kFlagCount = 6;

  CTagDisplayWindow(CTagDisplayEditor& owner, QWidget* parent);

  // The box of flag number 1-6.
  QCheckBox& Box(int number) const { return *m_boxes[static_cast<std::size_t>(number - 1)]; }
  QPushButton& OkButton() const { return *m_pOk; }
  void SetMark(int number, bool on);

  void done(int result) override;

 private:
  CTagDisplayEditor& m_owner;
  QPushButton* m_pOk = nullptr;
  std::array<QCheckBox*, kFlagCount> m_boxes{};  // by flag number - 1
};
