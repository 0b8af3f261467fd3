#pragma once

/** Every message the program shows in an alert. The core names them; the application owns their
    texts in all languages and shows them, so nothing here depends on the GUI. */
enum class UserMessage
{
    noCardLoaded,               // "No SD card is loaded. Load an SD card."
    cardWriteProtected,         // "The SD card is write-protected. Cancel the write-protection."
    cardFull,                   // "There is no free space on the SD card. ..."
    rsdCorrupt,                 // "The RSD file is corrupt. Loading has failed."
    unsupportedWav,             // "Non-supported WAV format."
    selectExportData,           // "Select the data to be exported."
    selectImportData,           // "Select the data to be imported."
    confirmLoadDefaults,        // "The default settings will be called out. OK?"
    confirmQuitUnsaved,         // "The current customized data has not been saved. Quit anyway?"
    someSamplesFailed,          // "Some sampled data has failed to load."
    bankOver16Seconds,          // "There is a “BANK” for which the total sampled data time exceeds 16 seconds. ..."
    selectorAtDefault,          // "The QZT-7200’s SETTING selector switch is set to “DEFAULT”. ..."
    rsdIncorrect,               // "The settings cannot be reflected because the RSD file is incorrect."
    rsdVersionDiffers,          // "The RSD file’s version is different, so only compatible parameters will be reflected."
    portInUse,                  // "The QZT-7200 is already being used with a different application. ..."
    version,                    // "tessalin : Ver %s\n\nQZT-7200 : Ver %s"
    noExportedData,             // "There  is no exported data on the specified drive."
    importingCompleted,         // "Importing completed."
    exportingCompleted,         // "Exporting completed."
    loadingCompleted,           // "Loading completed."
    savingCompleted,            // "Saving completed."
    updateSettingCompleted,     // "Update Setting completed."
    updateSettingFailed,        // "Update Setting failed."
    savingFailed,               // "Saving has failed."
    confirmReplaceFile,         // "A file named “%s” already exists. Replace it?"
    samplePathTooLong,          // "The file path is longer than 1,023 characters. ..."
    noAudioOutput,              // "No audio output device is available. The sample cannot be played."
    numMessages
};

/** The kinds of modal alert: a question has OK and CANCEL, the others only OK. */
enum class AlertKind
{
    question = 1,
    warning = 2,
    information = 3
};
