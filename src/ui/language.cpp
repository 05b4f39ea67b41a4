#include "ui/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace lancefall {

Language languageForLocale(const QLocale &locale)
{
    if (locale.language() == QLocale::C)
        return Language::BuiltIn;
    return locale.language() == QLocale::Chinese ? Language::Chinese : Language::English;
}

std::optional<Language> languageForCode(const QString &code)
{
    if (code == QLatin1String("en"))
        return Language::English;
    if (code == QLatin1String("zh") || code == QLatin1String("zh_CN"))
        return Language::Chinese;
    return std::nullopt;
}

QString codeOf(Language language)
{
    switch (language) {
    case Language::English:
        return QStringLiteral("en");
    case Language::Chinese:
        return QStringLiteral("zh");
    case Language::BuiltIn:
        break;
    }
    return {};
}

Translations::Translations(QObject *parent)
    : QObject(parent)
    , mEditor(new QTranslator(this))
    , mQt(new QTranslator(this))
{
}

bool Translations::apply(Language language)
{
    QString editor;
    QString qt;
    switch (language) {
    case Language::English:
        editor = QStringLiteral(":/translations/lancefall_en.qm");
        break;
    case Language::Chinese:
        editor = QStringLiteral(":/translations/lancefall_zh_CN.qm");
        qt = QStringLiteral("qtbase_zh_CN");
        break;
    case Language::BuiltIn:
        break;
    }
    auto *next = new QTranslator(this);
    if (!editor.isEmpty() && !next->load(editor)) {
        delete next;
        return false;
    }
    QCoreApplication::removeTranslator(mQt);
    QCoreApplication::removeTranslator(mEditor);
    delete mEditor;
    mEditor = next;
    // Qt's own texts (the buttons of its dialogs), where the system has them.
    if (!qt.isEmpty() && mQt->load(qt, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(mQt);
    if (!editor.isEmpty())
        QCoreApplication::installTranslator(mEditor);
    mLanguage = language;
    return true;
}

} // namespace lancefall
