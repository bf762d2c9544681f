#pragma once

#include <QString>
#include <QStringList>

// Where the user's guide is looked for, in order: "help/help.html" below the
// current folder (the album's folder), the guide installed beside the
// program (share/velmora/help), and the source tree's when the program runs
// from a build.
QStringList HelpPageCandidates(const QString& currentFolder, const QString& programFolder);

// The first candidate that exists, or an empty text.
QString FindHelpPage(const QStringList& candidates);
