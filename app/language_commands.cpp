// The unit form in the language of the user's choice: 表示 › 言語 offers
// Japanese and English, the choice is kept in the profile and takes effect
// at once, every text of the window named anew.
#include <QActionGroup>
#include <QEvent>
#include <QMenu>

#include "app/form/field_hints.h"
#include "app/form/form_widgets.h"
#include "app/framework/language.h"
#include "app/unit_editor_dlg.h"

namespace kelvor {

namespace {

constexpr const char* kSection = "InitData";
constexpr const char* kEntry = "Language";

}  // namespace

fw::Language CUnitEditorDlg::ChosenLanguage(fw::Profile& profile) {
    const std::optional<fw::Language> chosen = fw::LanguageOfCode(profile.GetProfileText(kSection, kEntry, ""));
    return chosen.value_or(fw::SystemLanguage());
}

void CUnitEditorDlg::BuildLanguageMenu(QMenu* menu) {
    auto* group = new QActionGroup(menu);
    // Each language is named in its own words, whatever the language in use.
    const auto offer = [&](fw::Language language, const QString& name) {
        QAction* action = menu->addAction(name, this, [this, language] { OnChooseLanguage(language); });
        action->setCheckable(true);
        action->setChecked(language == fw::LanguageInUse());
        group->addAction(action);
    };
    offer(fw::Language::Japanese, QStringLiteral("日本語(&J)"));
    offer(fw::Language::English, QStringLiteral("&English"));
}

void CUnitEditorDlg::OnChooseLanguage(fw::Language language) {
    m_platform.profile.WriteProfileText(kSection, kEntry, fw::LanguageCode(language));
    if (language != fw::LanguageInUse()) fw::UseLanguage(language);
}

// The menus are built anew (the menus of the last language go once their
// own events are done) and the tooltips given anew; the captions of the
// form name themselves (see fw::BuildTemplateWindow).
void CUnitEditorDlg::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        BuildMenus();
        form::SetFieldHints(m_widgets);
        form::RelabelOtherValues(m_widgets);
        UpdateTitle();
        ShowPanelProblems();
    }
    QMainWindow::changeEvent(event);
}

}  // namespace kelvor
