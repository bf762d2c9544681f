#pragma once

#include <QSettings>
#include <QString>

#include "profile_store.h"

// The profile on QSettings: by default the user's own settings of
// "Orvane"/"Velmora" (on Linux ~/.config/Orvane/Velmora.conf, on Windows the
// registry key Software\Orvane\Velmora). A section is a group, each value an
// integer under its name.
class QtProfileStore : public ProfileStore {
 public:
  QtProfileStore();
  // An ini file at the given path, for tests and portable set-ups.
  explicit QtProfileStore(const QString& iniPath);

  int GetProfileInt(const std::string& section, const std::string& name, int defaultValue) override;
  void WriteProfileInt(const std::string& section, const std::string& name, int value) override;

  // QSettings keeps writes in memory and writes its file later (at the
  // latest when it goes): this writes it now and says whether that worked.
  bool Flush() override;
  QString FileName() const { return m_settings.fileName(); }

 private:
  QSettings m_settings;
};
