#pragma once

#include <QUrl>
#include <functional>

// Opens a document or link with whatever the desktop associates with it (the
// browser for a page, the mail program for "mailto:"). A missing file or a
// desktop that cannot open it is not reported: the user sees nothing happen.
void LaunchDocument(const QUrl& target);

// Where documents go instead of the desktop; tests install a recorder.
using DocumentLauncher = std::function<void(const QUrl&)>;

// Replaces the launcher (an empty one restores the desktop's) and returns the
// previous one.
DocumentLauncher SetDocumentLauncher(DocumentLauncher launcher);
