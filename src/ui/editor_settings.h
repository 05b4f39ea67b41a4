#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace lancefall {

// What the editor remembers between runs: the recent module folders (the last one first),
// whether each update is confirmed by a message, the window's place and size. Stored with
// QSettings only when the application has an organisation name, as the editor sets at
// start; tests and tools without one remember nothing beyond the running window.
class EditorSettings {
public:
    EditorSettings();

    static constexpr int kRecentFolders = 8;

    const QStringList &recentFolders() const { return mRecent; }
    QString lastFolder() const { return mRecent.value(0); }
    // Puts folder first, once; the oldest ones beyond kRecentFolders are forgotten.
    void addRecentFolder(const QString &folder);

    bool confirmUpdates() const { return mConfirmUpdates; }
    void setConfirmUpdates(bool confirm);

    // The language chosen in View > Language ("en", "zh"), empty when none was chosen.
    QString language() const { return mLanguage; }
    void setLanguage(const QString &code);

    QByteArray windowGeometry() const { return mGeometry; }
    QByteArray windowState() const { return mState; }
    void setWindow(const QByteArray &geometry, const QByteArray &state);

private:
    void store(const QString &key, const QVariant &value) const;

    QStringList mRecent;
    bool mConfirmUpdates = true;
    QByteArray mGeometry, mState;
    QString mLanguage;
};

} // namespace lancefall
