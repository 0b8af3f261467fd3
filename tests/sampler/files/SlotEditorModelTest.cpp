#include "WavTestSupport.h"
#include "sampler/files/SlotEditorModel.h"

#include "JuceTestPrinters.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace wavtest;

namespace
{
/** A 48 kHz slot whose file need not exist: the model reads none until a file is loaded or OK pressed. */
SamplerSlot slotRecord (double sourceSeconds, int tempo = 0, SlotFixState fix = SlotFixState::none, int loop = 0)
{
    SamplerSlot slot {};
    initSamplerSlot (slot);
    setSlotPath (slot, "/samples/break.wav");
    slot.length = (int32_t) (sourceSeconds * 48000);
    slot.tempo = tempo;
    slot.fixState = (int32_t) fix;
    slot.loop = loop;
    return slot;
}
} // namespace

TEST (SlotEditorModel, TypedValuesAreLimitedAndShownAsTheyAreStored)
{
    EXPECT_EQ (SlotEditorModel::formatMilliseconds (62499.6), "1:02.500");
    EXPECT_EQ (SlotEditorModel::parseMilliseconds ("1:02.5"), 62500.0);

    SlotEditorModel m (slotRecord (90), 0, 0);
    EXPECT_EQ (m.getEndText(), "1:30.000");       // a 0..0 range opens as the whole source
    m.typeStart ("1:02.5");
    m.typeEnd ("12");
    EXPECT_EQ (m.getEndMs(), 62510.0);            // at least 10 ms after START
    m.typeEnd ("99:00");
    EXPECT_EQ (m.getEndMs(), 90000.0);            // no further than the source
    m.typeStart ("89.995");
    EXPECT_EQ (m.getLengthText(), "Time:000:00.010");

    // Tempi are limited to 40.00..999.99 and rounded, never cut ("40.05" is 4004.999... in binary).
    const std::pair<const char*, int> tempi[] = { { "1200", 99999 }, { "20", 4000 }, { "40.05", 4005 },
                                                  { "999.99", 99999 }, { "128.3 bpm", 12830 }, { "unknown", 0 } };

    for (auto [text, tempo] : tempi)
    {
        m.typeTempo (text);
        EXPECT_EQ (m.getTempo(), tempo) << text;
    }

    EXPECT_EQ (m.getTempoText(), "unknown");
    EXPECT_EQ (m.getBeatsText(), "unknown BEAT");
}

TEST (SlotEditorModel, CouplingFollowsTheFixState)
{
    // Nothing held: four beats over two seconds hold the beats at 120 BPM.
    SlotEditorModel m (slotRecord (30), 0, 0);
    m.typeEnd ("2");
    m.typeBeats ("4 BEAT");
    EXPECT_EQ (m.getFixState(), SlotFixState::beats);
    EXPECT_EQ (m.getTempoText(), "120.00");

    // Beats held: a range too short for them at 999.99 BPM settles at four of the shortest beats...
    m.setStart (1000);
    m.setEnd (1100);
    EXPECT_EQ (m.getTempo(), 99999);
    EXPECT_NEAR (m.getEndMs() - m.getStartMs(), 240.0024, 1e-3);

    // ...and within the limits the tempo follows the range.
    m.setEnd (m.getStartMs() + 3000);
    EXPECT_EQ (m.getTempo(), 8000);

    // Tempo held: the beats follow the range; typed beats move END, as far as the source goes.
    SlotEditorModel held (slotRecord (30, 12000, SlotFixState::tempo), 0, 0);
    held.typeEnd ("3");
    EXPECT_EQ (held.getBeatsText(), "6.00 BEAT");
    held.typeBeats ("2");
    EXPECT_DOUBLE_EQ (held.getEndMs(), 1000.0);
    held.typeBeats ("500");
    EXPECT_EQ (held.getEndMs(), 30000.0);
    EXPECT_DOUBLE_EQ (held.getBeats(), 60.0);
}

TEST (SlotEditorModel, AnyEditSequenceKeepsTheRangeInsideTheSourceAndTheValuesFinite)
{
    // Every control at random, on sources down to nothing and shorter than the smallest range. A
    // coupling that recursed (a beat count of 0.005), divided by a zero range or tempo, pushed START
    // before the file or END past it, or looped without a tempo shows here.
    juce::Random random (1234);
    const char* beatTexts[] = { "0.005", "0.3", "1", "4 BEAT", "32", "1000", "0", "unknown BEAT", "" };
    const char* tempoTexts[] = { "unknown", "", "40", "999.99", "120", "20", "0", "77.777" };

    for (double seconds : { 30.0, 1.0, 0.3, 0.015, 0.004, 0.0 })
    {
        SlotEditorModel m (slotRecord (seconds, 12000, SlotFixState::tempo, 1), 0, 0);
        const auto length = seconds * 1000.0;

        for (int step = 0; step < 3000; ++step)
        {
            const auto ms = random.nextDouble() * (length + 100.0) - 50.0;

            switch (random.nextInt (6))
            {
                case 0:  m.setStart (ms); break;
                case 1:  m.setEnd (ms); break;
                case 2:  m.typeBeats (beatTexts[random.nextInt ((int) std::size (beatTexts))]); break;
                case 3:  m.typeTempo (tempoTexts[random.nextInt ((int) std::size (tempoTexts))]); break;
                case 4:  m.chooseFixState (random.nextBool() ? SlotFixState::beats : SlotFixState::tempo); break;
                default: m.setLooping (true); break;
            }

            SCOPED_TRACE ("source " + std::to_string (seconds) + " s, step " + std::to_string (step));
            ASSERT_GE (m.getStartMs(), 0.0);
            ASSERT_LE (m.getEndMs(), m.getSourceLengthMs());
            ASSERT_GE (m.getEndMs() - m.getStartMs(), juce::jmin (SlotEditorModel::minRangeMs, length) - 1e-9);
            ASSERT_TRUE (std::isfinite (m.getBeats()) && m.getBeats() >= 0);
            ASSERT_TRUE (m.getTempo() == 0 || (m.getTempo() >= SlotEditorModel::minTempo && m.getTempo() <= SlotEditorModel::maxTempo));
            ASSERT_TRUE (! m.isLooping() || m.getTempo() != 0);
        }
    }
}

TEST (SlotEditorModel, ClearingTheTempoTurnsTheSlotOneShot)
{
    // With the beats held the tempo comes straight back from the range, but the slot still turns one-shot.
    SlotEditorModel m (slotRecord (10, 12000, SlotFixState::tempo, 1), 0, 0);
    EXPECT_TRUE (m.isLooping());
    m.chooseFixState (SlotFixState::beats);
    m.typeTempo ("");
    EXPECT_EQ (m.getTempo(), 12000);
    EXPECT_FALSE (m.isLooping());

    SlotEditorModel second (slotRecord (10, 12000, SlotFixState::tempo, 1), 1, 0);
    second.setLooping (true);
    EXPECT_FALSE (second.isLooping());
}

TEST (SlotEditorModel, FilesAreTakenOnlyWhenAcceptedAndOkChecksThemAgain)
{
    ScratchFolder scratch;
    const auto wav = scratch.file ("loop.wav");
    ASSERT_TRUE (writeQztWav (wav, 2, 44100, 16, 1, 12800, 44100 * 4, [] (int, int i) { return (float) (i % 100) / 200.0f; }));

    SlotEditorModel m (slotRecord (0), 4, 10.0);
    m.clearSource();
    EXPECT_FALSE (m.setGainIndex (200));                // no source: 0 dB stays
    ASSERT_TRUE (m.loadFile (wav).isAccepted());
    EXPECT_EQ (m.getEndMs(), 4000.0);
    EXPECT_TRUE (m.isLooping());
    EXPECT_EQ (m.getFixState(), SlotFixState::tempo);
    EXPECT_EQ (m.getBeatsText(), "8.53 BEAT");
    EXPECT_EQ (m.getTimeSpaceText(), "Time Space:2.000sec");

    // A path the slot could only keep cut is refused before the file is read; refusals change nothing.
    const auto longPath = scratch.folder.getChildFile (juce::String::repeatedString ("d/", 520) + "x.wav");
    EXPECT_EQ (m.loadFile (longPath).alert(), UserMessage::samplePathTooLong);
    EXPECT_EQ (m.getPath(), wav.getFullPathName());

    m.typeStart ("0.5");
    m.typeEnd ("2.5");
    m.typeTempo ("90");
    m.setGainIndex (140);
    auto record = slotRecord (0);
    ASSERT_EQ (m.store (record), SlotEditorModel::StoreResult::stored);
    EXPECT_EQ (getSlotPath (record), wav.getFullPathName());
    EXPECT_EQ (record.start, 22050);
    EXPECT_EQ (record.end, 110250);
    EXPECT_EQ (record.length, 176400);
    EXPECT_EQ (record.sampleRate, 44100);
    EXPECT_EQ (record.tempo, 9000);
    EXPECT_EQ (record.fixState, 2);
    EXPECT_EQ (record.loop, 1);
    EXPECT_EQ (record.gainIndex, 140);

    // The file turned bad or went away since it was chosen: the slot is emptied.
    wav.replaceWithText ("not a wav file");
    EXPECT_EQ (m.store (record), SlotEditorModel::StoreResult::clearedUnsupported);
    EXPECT_TRUE (slotPathIsEmpty (record));
    wav.deleteFile();
    EXPECT_EQ (m.store (record), SlotEditorModel::StoreResult::cleared);
}
