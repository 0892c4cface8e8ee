#include "platform/qsettings_store.h"

#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <stdexcept>

namespace tamrel {

namespace {

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

std::string Text(const QVariant& v) {
  // A value the INI reader took for a list (an unquoted comma written by
  // another program) is joined back into its text.
  if (v.metaType().id() == QMetaType::QStringList) return v.toStringList().join(", ").toStdString();
  return v.toString().toStdString();
}

}  // namespace

std::string QSettingsStore::GetSetting(const std::string& app, const std::string& section,
                                       const std::string& key) const {
  QSettings s(QSettings::NativeFormat, QSettings::UserScope, Q(app));
  s.beginGroup(Q(section));
  return Text(s.value(Q(key), QString()));
}

SettingsStore::Pairs QSettingsStore::GetAllSettings(const std::string& app,
                                                    const std::string& section) const {
  QSettings s(QSettings::NativeFormat, QSettings::UserScope, Q(app));
  s.beginGroup(Q(section));
  Pairs pairs;
  for (const QString& key : s.childKeys())
    pairs.emplace_back(key.toStdString(), Text(s.value(key)));
  return pairs;
}

void QSettingsStore::SaveSetting(const std::string& app, const std::string& section,
                                 const std::string& key, const std::string& value) {
  QSettings s(QSettings::NativeFormat, QSettings::UserScope, Q(app));
  s.beginGroup(Q(section));
  s.setValue(Q(key), Q(value));
  s.endGroup();
  s.sync();
  if (s.status() != QSettings::NoError) {
    throw std::runtime_error("can't write the settings of " + app + " (" +
                             s.fileName().toStdString() + ")");
  }
}

}  // namespace tamrel
