#include "app/DocumentCommands.h"

namespace
{
constexpr const char* loadTitle = "Select file to load...";
constexpr const char* saveTitle = "Select file to save...";
} // namespace

DocumentCommands::DocumentCommands (DeviceSettings& currentDocument, EditController& editController,
                                    bool& samplerModifiedFlag, juce::String& lastDocumentPath,
                                    DocumentCommandsHost& hostToUse, FileChoosers& choosersToUse)
    : current (currentDocument),
      editing (editController),
      samplerModified (samplerModifiedFlag),
      lastFilePath (lastDocumentPath),
      host (hostToUse),
      choosers (choosersToUse)
{
}

juce::File DocumentCommands::initialLocation() const
{
    // The settings file may hold anything, a relative path or one from another system among it.
    if (juce::File::isAbsolutePath (lastFilePath))
    {
        const juce::File last (lastFilePath);
        if (last.existsAsFile())
            return last;
    }

    return juce::File::getCurrentWorkingDirectory();
}

juce::File DocumentCommands::withDocumentExtension (const juce::File& chosen)
{
    return chosen.hasFileExtension ("rsd") ? chosen : chosen.withFileExtension ("RSD");
}

bool DocumentCommands::load()
{
    const auto file = choosers.chooseFileToOpen (loadTitle, initialLocation(), documentPatterns);

    if (file == juce::File() || ! DocumentFiles::loadSettingsFile (current, file, host))
        return false;

    editing.adoptCurrentAsLastSent();
    lastFilePath = file.getFullPathName();
    editing.setSettingsModified (false);
    samplerModified = false;
    return true;
}

bool DocumentCommands::save()
{
    const auto chosen = choosers.chooseFileToSave (saveTitle, initialLocation(), documentPatterns);

    if (chosen == juce::File())
        return false;

    // The question is asked about the file that is really written: a name typed as "set.txt" is
    // saved as "set.RSD", and that one may be a different document of the user's.
    const auto target = withDocumentExtension (chosen);

    // A folder of that name is not replaced at all: saving reports the failure.
    if (target.exists() && ! target.isDirectory()
        && ! host.askQuestion (UserMessage::confirmReplaceFile, { target.getFileName() }))
        return false;

    if (! DocumentFiles::saveSettingsFile (current, target, host))
        return false;

    lastFilePath = target.getFullPathName();
    editing.setSettingsModified (false);
    samplerModified = false;
    return true;
}

bool DocumentCommands::loadDefaultSettings()
{
    if (! host.askQuestion (UserMessage::confirmLoadDefaults, {}))
        return false;

    editing.adoptCurrentAsLastSent();
    resetDeviceSettings (current, true);
    host.refreshPanel();
    return true;
}
