#pragma once

#include "app/LocalisedText.h"
#include "core/BodyColor.h"
#include "widgets/LanguageTypefaces.h"

/** Menu and command names. They read the same English text in every language, so a shortcut or a
    menu path in a manual is the same whatever language the user picked. */
enum class MenuName
{
    file,
    load,
    save,
    settings,
    quit,
    edit,
    undo,
    redo,
    sync,
    importData,
    exportData,
    updateSetting,
    effectBrowser,
    loadDefaultSettings,
    launchMirocrate,
    help,
    version,
    manual,
    numNames
};

/** The table of a menu or command name. A value outside the enum (a programming error) gives an
    empty table. */
const LocalisedText& menuText (MenuName name) noexcept;

/** The name of a language in its own language and script; a value outside the twelve gives
    English, as everywhere else. */
juce::String languageName (UiLanguage language);

/** The typeface that alerts, menus and some labels use for each language; the skin owns the names. */
inline constexpr LocalisedText uiFontNames { LanguageTypefaces::typefaceNames };

/** The body-colour choices of the Settings panel, in the order of the body-colour modes ("Auto"
    follows the unit). */
inline constexpr std::array<std::string_view, numBodyColorModes> bodyColorNames { "Auto", "Black", "White", "Platinum" };

/** The name of a body-colour mode; an empty string for a value outside the four. */
juce::String bodyColorName (BodyColorMode mode);
