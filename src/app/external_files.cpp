#include "external_files.h"

#include "main_dlg.h"

void AddExternalFiles(CMainDlg& mainDlg, const DropList& files) {
  if (files.empty()) return;
  if (mainDlg.TracklistDlg().WindowExists()) {
    mainDlg.TracklistDlg().OnDropFiles(files);
  } else {
    mainDlg.OnDropFiles(files);
  }
}
