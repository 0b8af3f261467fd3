#pragma once

#include "app/FileChoosers.h"
#include "core/DeviceSettings.h"
#include "core/EditController.h"
#include "core/transfer/DocumentFiles.h"
#include "core/UserMessage.h"

/** What the document commands need of the window besides what loading and saving files need. */
class DocumentCommandsHost : public DocumentFileHost
{
public:
    /** Asks a question in the user's language, each "%s" of the text filled with the next of `fill`;
        true when it was answered OK. */
    virtual bool askQuestion (UserMessage message, const juce::StringArray& fill) = 0;
};

/** The File menu's Load and Save and the Edit menu's Load Default Settings, acting on the current
    document, its flags and the last document path.

    The window owns everything these act on and builds one of these whenever a command runs; a test
    builds one over its own documents, host and choosers.
*/
class DocumentCommands
{
public:
    /** What the document choosers offer. */
    static constexpr const char* documentPatterns = "*.RSD;*.rsd";

    DocumentCommands (DeviceSettings& current, EditController& editing, bool& samplerModified,
                      juce::String& lastFilePath, DocumentCommandsHost& host, FileChoosers& choosers);

    /** Asks for a document and loads it into the current document, which then becomes the
        reference for what is sent next; nothing is sent and no undo entry is made. True when a
        document was loaded. */
    bool load();

    /** Asks for a name and saves the current document with its sample files under it, its extension
        made ".RSD" first. An existing file of that name is replaced only when the user says so. True
        when the document was saved. */
    bool save();

    /** After the user confirms: the current document becomes the last-sent one and is reset to the
        factory defaults, sampler slots kept. Nothing is sent, no undo entry is made, and the
        modified flag stays as it was, so the next commit sends the whole difference. True when the
        user confirmed. */
    bool loadDefaultSettings();

    /** Where the choosers start: the last document if it still exists, else the working folder. */
    juce::File initialLocation() const;

    /** The name a document is saved under: the chosen one when its extension is already RSD in any
        letter case, else the same name with the extension "RSD". */
    static juce::File withDocumentExtension (const juce::File& chosen);

private:
    DeviceSettings& current;
    EditController& editing;
    bool& samplerModified;
    juce::String& lastFilePath;
    DocumentCommandsHost& host;
    FileChoosers& choosers;

    JUCE_DECLARE_NON_COPYABLE (DocumentCommands)
};
