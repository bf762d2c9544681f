#include "qt_profile_store.h"

#include <QVariant>

#include "profile_int_text.h"

namespace {

QString Key(const std::string& section, const std::string& name) {
  return QString::fromStdString(section) + u'/' + QString::fromStdString(name);
}

// A file gives text, the registry and values written in this run give
// numbers; anything else (a list, a hand-written type) is not an integer.
std::optional<int> AsProfileInt(const QVariant& value) {
  switch (value.typeId()) {
    case QMetaType::QString:
    case QMetaType::QByteArray:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
      return ParseProfileInt(value.toString().toStdString());
    default:
      return std::nullopt;
  }
}

}  // namespace

QtProfileStore::QtProfileStore() : m_settings(QStringLiteral("Orvane"), QStringLiteral("Velmora")) {}

QtProfileStore::QtProfileStore(const QString& iniPath) : m_settings(iniPath, QSettings::IniFormat) {}

int QtProfileStore::GetProfileInt(const std::string& section, const std::string& name, int defaultValue) {
  return AsProfileInt(m_settings.value(Key(section, name))).value_or(defaultValue);
}

void QtProfileStore::WriteProfileInt(const std::string& section, const std::string& name, int value) {
  m_settings.setValue(Key(section, name), value);
}

bool QtProfileStore::Flush() {
  m_settings.sync();
  return m_settings.status() == QSettings::NoError;
}
