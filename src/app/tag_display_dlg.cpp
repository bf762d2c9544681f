#include "tag_display_dlg.h"

namespace {

bool IsFlagNumber(int number) { return number >= 1 && number <= CTagDisplayDlg::kFlagCount; }

}  // namespace

void CTagDisplayDlg::SetTagFlag(int number, int value) {
  if (IsFlagNumber(number)) {
    m_nFlags[static_cast<std::size_t>(number - 1)] = value;
  }
}

int CTagDisplayDlg::GetTagFlag(int number) const {
  if (!IsFlagNumber(number)) {
    if (m_messageSink) {
      m_messageSink("Bad tag parameter");
    }
    return 0;
  }
  return m_nFlags[static_cast<std::size_t>(number - 1)];
}
