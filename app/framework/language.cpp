#include "app/framework/language.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QWidget>

#include <memory>
#include <vector>

#include "app/framework/codec.h"

namespace kelvor::fw {

namespace {

Language g_inUse = Language::Japanese;

// The translators installed for the language in use, owned here so that a
// change of language can take them out again.
std::vector<std::unique_ptr<QTranslator>>& Installed() {
    static std::vector<std::unique_ptr<QTranslator>> installed;
    return installed;
}

// The program's English translation is built into the program: the texts of
// its code, and those of its resources (window templates, string table).
constexpr const char* kProgramTranslations[] = {":/i18n/kelvor_en.qm", ":/i18n/kelvor_res_en.qm"};

// Calls a function when the widget it watches is told the language changed.
class LanguageWatch : public QObject {
public:
    LanguageWatch(QWidget* widget, std::function<void()> name) : QObject(widget), name_(std::move(name)) {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::LanguageChange) name_();
        return false;
    }

private:
    std::function<void()> name_;
};

bool Install(std::unique_ptr<QTranslator> translator, bool loaded) {
    if (!loaded) return false;
    QCoreApplication::installTranslator(translator.get());
    Installed().push_back(std::move(translator));
    return true;
}

}  // namespace

Language SystemLanguage() {
    // The locale for messages, as the C library finds it: the first of
    // LC_ALL, LC_MESSAGES and LANG that is set; where none is (Windows), the
    // system's own list of languages.
    QString name;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (name.isEmpty()) name = qEnvironmentVariable(variable);
    if (name.isEmpty()) name = QLocale::system().uiLanguages().value(0);
    // "C" and "POSIX" name no language; QLocale reads them as its C locale.
    return QLocale(name).language() == QLocale::English ? Language::English : Language::Japanese;
}

const char* LanguageCode(Language language) { return language == Language::English ? "en" : "ja"; }

std::optional<Language> LanguageOfCode(std::string_view code) {
    if (code == "en") return Language::English;
    if (code == "ja") return Language::Japanese;
    return std::nullopt;
}

bool UseLanguage(Language language) {
    g_inUse = language;
    for (const std::unique_ptr<QTranslator>& translator : Installed())
        QCoreApplication::removeTranslator(translator.get());
    Installed().clear();

    bool complete = true;
    if (language == Language::English) {
        // Qt's own texts are written in English: no translation of them.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        for (const char* file : kProgramTranslations) {
            auto translator = std::make_unique<QTranslator>();
            const bool loaded = translator->load(QString::fromLatin1(file));
            complete = Install(std::move(translator), loaded) && complete;
        }
    } else {
        // The program's texts are written in Japanese: only Qt's are translated.
        const QLocale japanese(QLocale::Japanese, QLocale::Japan);
        QLocale::setDefault(japanese);
        auto translator = std::make_unique<QTranslator>();
        const bool loaded = translator->load(japanese, QStringLiteral("qtbase"), QStringLiteral("_"),
                                             QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        complete = Install(std::move(translator), loaded);
    }
    return complete;
}

Language LanguageInUse() { return g_inUse; }

void WhenLanguageChanges(QWidget* widget, std::function<void()> name) { new LanguageWatch(widget, std::move(name)); }

std::string TranslatedCp932(const char* context, const char* source) {
    return ToCp932(QCoreApplication::translate(context, source));
}

}  // namespace kelvor::fw
