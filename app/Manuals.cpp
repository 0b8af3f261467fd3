#include "app/Manuals.h"

#include "core/FileChecks.h"

#include <array>

namespace
{
// In language order.
constexpr std::array<const char*, numUiLanguages> manualPaths {
    "Manual/English/Manual_tessalin_en.pdf",
    "Manual/French/Manual_tessalin_fr.pdf",
    "Manual/German/Manual_tessalin_de.pdf",
    "Manual/Spanish/Manual_tessalin_es.pdf",
    "Manual/Italian/Manual_tessalin_it.pdf",
    "Manual/Dutch/Manual_tessalin_nl.pdf",
    "Manual/Russian/Manual_tessalin_ru.pdf",
    "Manual/Portuguese/Manual_tessalin_pt-pt.pdf",
    "Manual/Simplified Chinese/Manual_tessalin_zh-cn.pdf",
    "Manual/Traditional Chinese/Manual_tessalin_zh-tw.pdf",
    "Manual/Korean/Manual_tessalin_ko.pdf",
    "Manual/Japanese/Manual_tessalin_ja.pdf",
};

constexpr const char* installedDataFolder = "../share/tessalin";
} // namespace

namespace Manuals
{
juce::String relativePath (UiLanguage language)
{
    return manualPaths[(size_t) clampUiLanguage (language)];
}

juce::File find (UiLanguage language, const juce::File& folder)
{
    const auto path = relativePath (language);

    for (const auto& base : { folder, folder.getChildFile (installedDataFolder) })
    {
        const auto manual = base.getChildFile (path);
        if (FileChecks::isRegularFile (manual))
            return manual;
    }

    return {};
}

bool open (UiLanguage language, const juce::File& folder, ProgramStarter& starter)
{
    const auto manual = find (language, folder);
    return manual != juce::File() && starter.openDocument (manual);
}

juce::File programFolder()
{
    return juce::File::getSpecialLocation (juce::File::currentExecutableFile).getParentDirectory();
}
} // namespace Manuals
