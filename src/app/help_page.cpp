#include "help_page.h"

#include <QDir>
#include <QFileInfo>

QStringList HelpPageCandidates(const QString& currentFolder, const QString& programFolder) {
  QStringList candidates = {QDir(currentFolder).filePath(QStringLiteral("help/help.html")),
                            QDir(programFolder).filePath(QStringLiteral("../share/velmora/help/help.html"))};
#ifdef VELMORA_SOURCE_HELP_DIR
  candidates.append(QDir(QStringLiteral(VELMORA_SOURCE_HELP_DIR)).filePath(QStringLiteral("help.html")));
#endif
  for (QString& candidate : candidates) candidate = QDir::cleanPath(candidate);
  return candidates;
}

QString FindHelpPage(const QStringList& candidates) {
  for (const QString& candidate : candidates) {
    if (QFileInfo(candidate).isFile()) return candidate;
  }
  return {};
}
