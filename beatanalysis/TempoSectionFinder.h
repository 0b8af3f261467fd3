// First half of the grid analysis: keeps the candidates whose tempo runs on long enough, cuts the
// track into sections of one tempo each, measures each section's tempo to a tenth of a BPM, drops
// candidates that crowd each other, and picks the tempo of the longest section as the track's.
//
// Candidate stamps: bits 8..31 are the group (the collector call that offered the candidate), the
// low byte is its span (how many onsets that call offered).
#pragma once

#include "BeatRecord.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class TempoSectionFinder
{
public:
    TempoSectionFinder (int32_t sampleRate, int32_t totalFrames);

    static uint32_t groupOf (const BeatRecord& candidate) { return static_cast<uint32_t> (candidate.stamp) >> 8; }
    static int32_t spanOf (const BeatRecord& candidate) { return candidate.stamp & 0xff; }

    // One period per group (0: none): a group's first candidate sets it, except that a group met
    // after a later one only gets a period that continues the next group's.
    static std::vector<float> groupPeriods (const std::vector<BeatRecord>& candidates);

    // Removes the candidates of groups without a period and of groups whose tempo does not run on:
    // a run of groups breaks off when a group's period does not continue the previous one's; short
    // runs that break off are erased and the run before them resumes.
    static void eraseBrokenGroups (std::vector<BeatRecord>& candidates, const std::vector<float>& periods);

    // The same over consecutive candidates, with longer runs needed to stay.
    static void removeShortRuns (std::vector<BeatRecord>& candidates);

    // A section starts wherever the most common tempo of the next 8 seconds of candidates does not
    // continue the previous window's, at the earliest candidate near that tempo (or at half or double).
    std::vector<BeatRecord> findSections (const std::vector<BeatRecord>& candidates) const;

    // Each section's period from its candidates' tempo to a tenth of a BPM; a section whose tempo
    // continues the one before it is merged into it.
    void refineSectionTempi (const std::vector<BeatRecord>& candidates, std::vector<BeatRecord>& sections) const;

    // Of two candidates closer than an eighth of their section's beat, keeps the one whose group
    // offered more onsets (the earlier one on a tie).
    void thinNearCandidates (std::vector<BeatRecord>& candidates, const std::vector<BeatRecord>& sections) const;

    // The tempo in BPM of the first longest section (the first one counted from frame 0).
    float representativeTempo (const std::vector<BeatRecord>& sections) const;

private:
    // The end of section k: the next section's position, or the track's end.
    int64_t sectionEnd (const std::vector<BeatRecord>& sections, size_t k) const;

    int32_t sampleRate;
    int32_t totalFrames;
};
