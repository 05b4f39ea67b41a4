#include "ui/editor_settings.h"

#include <QCoreApplication>
#include <QSettings>

namespace lancefall {

namespace {

const QString kRecentKey = QStringLiteral("recentFolders");
const QString kConfirmKey = QStringLiteral("confirmUpdates");
const QString kGeometryKey = QStringLiteral("window/geometry");
const QString kStateKey = QStringLiteral("window/state");
const QString kLanguageKey = QStringLiteral("language");

bool remembers()
{
    return !QCoreApplication::organizationName().isEmpty();
}

} // namespace

EditorSettings::EditorSettings()
{
    if (!remembers())
        return;
    const QSettings settings;
    mRecent = settings.value(kRecentKey).toStringList().mid(0, kRecentFolders);
    mConfirmUpdates = settings.value(kConfirmKey, true).toBool();
    mGeometry = settings.value(kGeometryKey).toByteArray();
    mState = settings.value(kStateKey).toByteArray();
    mLanguage = settings.value(kLanguageKey).toString();
}

void EditorSettings::setLanguage(const QString &code)
{
    mLanguage = code;
    store(kLanguageKey, code);
}

void EditorSettings::store(const QString &key, const QVariant &value) const
{
    if (remembers())
        QSettings().setValue(key, value);
}

void EditorSettings::addRecentFolder(const QString &folder)
{
    mRecent.removeAll(folder);
    mRecent.prepend(folder);
    mRecent = mRecent.mid(0, kRecentFolders);
    store(kRecentKey, mRecent);
}

void EditorSettings::setConfirmUpdates(bool confirm)
{
    mConfirmUpdates = confirm;
    store(kConfirmKey, confirm);
}

void EditorSettings::setWindow(const QByteArray &geometry, const QByteArray &state)
{
    mGeometry = geometry;
    mState = state;
    store(kGeometryKey, geometry);
    store(kStateKey, state);
}

} // namespace lancefall
