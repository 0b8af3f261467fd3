#pragma once

#include "core/DeviceSettings.h"
#include "core/UserMessage.h"

#include <juce_core/juce_core.h>

/** What saving and loading "*.RSD" documents need from the rest of the program: alerts, the
    sampler's temporary files, and refreshing what shows the document. */
class DocumentFileHost
{
public:
    virtual ~DocumentFileHost() = default;

    virtual void showAlert (UserMessage message, AlertKind kind) = 0;

    /** Builds every slot's temporary file (a modal job). */
    virtual void buildTemporaryFiles() = 0;

    /** The prepared temporary file of a slot, or File() when the slot has none. */
    virtual juce::File temporaryFileForSlot (int slotIndex) = 0;

    /** A loaded document replaced the values behind the effect panel. */
    virtual void refreshPanel() = 0;

    /** The slots of a loaded document were restored: the sampler mirrors them again. */
    virtual void samplesReloaded() = 0;
};

namespace DocumentFiles
{
    /** Documents larger than this are not documents. */
    constexpr juce::int64 maximumDocumentBytes = 16 * 1024 * 1024;

    /** "Sampler%d%d.wav" for bank and slot 1..4. */
    juce::String sampleFileName (int bank, int slot);

    /** The folder beside a document that holds its sample files. */
    juce::File sampleFolderFor (const juce::File& documentFile);

    /** Writes the document and its sample files; shows the outcome; false when anything failed. */
    bool saveSettingsFile (const DeviceSettings& document, const juce::File& file, DocumentFileHost& host);

    /** Reads a document into `document` (applied only when it parsed) and restores its samples;
        shows the outcome; false when nothing was applied. */
    bool loadSettingsFile (DeviceSettings& document, const juce::File& file, DocumentFileHost& host);

    /** Finds each used slot's sample at its stored path, else beside the document; a slot whose file
        is found nowhere is emptied and the result becomes false. documentFile may be File(). */
    bool loadSamplerWavFiles (DeviceSettings& document, const juce::File& documentFile);
}
