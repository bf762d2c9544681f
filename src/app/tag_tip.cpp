#include "tag_tip.h"

#include <array>

std::string TagTipText(const MediaEntry& track, const CTagDisplayDlg& flags) {
  // Flag numbers 1-6 in order select these texts.
  const std::array<const std::string*, CTagDisplayDlg::kFlagCount> texts = {
      &track.m_strArtist, &track.m_strName,    &track.m_strGenre,
      &track.m_strDate,   &track.m_strComment, &track.m_strSource};
  std::string tip;
  for (int number = 1; number <= CTagDisplayDlg::kFlagCount; ++number) {
    if (flags.GetTagFlag(number) != 0) {
      tip += *texts[static_cast<std::size_t>(number - 1)];
      tip += " / ";
    }
  }
  return tip;
}
