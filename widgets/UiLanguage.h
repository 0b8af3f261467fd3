#pragma once

#include <array>

/** The user-interface language. The values are each language's place in every LocalisedText and in
    the settings file ("messageLanguage"). */
enum class UiLanguage : int
{
    english,
    french,
    german,
    spanish,
    italian,
    dutch,
    russian,
    portuguese,
    simplifiedChinese,
    traditionalChinese,
    korean,
    japanese
};

constexpr int numUiLanguages = 12;

/** A language's place in language order, 0 (English) to 11 (Japanese). */
constexpr int uiLanguageIndex (UiLanguage language) noexcept
{
    return static_cast<int> (language);
}

/** The language at a place when the place is one of the twelve, else English: a value read back from
    a settings file or handed over by a caller may be anything, and English is always there to read. */
constexpr UiLanguage clampUiLanguage (int index) noexcept
{
    return index >= 0 && index < numUiLanguages ? static_cast<UiLanguage> (index) : UiLanguage::english;
}

/** The same for a value that claims to be a language: one made from a stray integer reads English. */
constexpr UiLanguage clampUiLanguage (UiLanguage language) noexcept
{
    return clampUiLanguage (uiLanguageIndex (language));
}

/** The twelve languages in language order. */
constexpr std::array<UiLanguage, numUiLanguages> allUiLanguages {
    UiLanguage::english, UiLanguage::french, UiLanguage::german, UiLanguage::spanish, UiLanguage::italian,
    UiLanguage::dutch, UiLanguage::russian, UiLanguage::portuguese, UiLanguage::simplifiedChinese,
    UiLanguage::traditionalChinese, UiLanguage::korean, UiLanguage::japanese
};

static_assert (uiLanguageIndex (allUiLanguages.back()) == numUiLanguages - 1);
