#pragma once

#include <QObject>
#include <QString>

#include <optional>

class QLocale;
class QTranslator;

namespace lancefall {

// The languages of the interface. The built-in texts are those written in the code and the
// forms; English and Chinese are complete translations of them.
enum class Language { BuiltIn, English, Chinese };

// The language a locale asks for: Chinese for a Chinese locale, the built-in texts for the
// plain C or POSIX locale, English for any other.
Language languageForLocale(const QLocale &locale);
// "en" is English, "zh" (or "zh_CN") Chinese; none for anything else.
std::optional<Language> languageForCode(const QString &code);
QString codeOf(Language language);

// The translations the application has installed. Applying a language replaces the ones
// before, and every window gets a LanguageChange event to translate itself again.
class Translations : public QObject {
public:
    explicit Translations(QObject *parent);

    // False when the language's translation cannot be loaded; the texts then stay as they were.
    bool apply(Language language);
    Language language() const { return mLanguage; }

private:
    QTranslator *mEditor;
    QTranslator *mQt;
    Language mLanguage = Language::BuiltIn;
};

} // namespace lancefall
