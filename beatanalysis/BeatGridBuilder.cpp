#include "BeatGridBuilder.h"

#include "BeatInfoAnalyzer.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace
{
constexpr int64_t phaseStepFrames = 96;

// a / b with a zero divisor giving an infinite ratio (or no ratio for 0 / 0), as IEEE division does.
double ratio (int64_t a, int64_t b)
{
    if (b == 0)
        return a > 0 ? std::numeric_limits<double>::infinity()
                     : (a < 0 ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::quiet_NaN());

    return static_cast<double> (a) / static_cast<double> (b);
}

int32_t toFrame (double position)
{
    return static_cast<int32_t> (std::trunc (position));
}

// The beats of one section as they are emitted into the shared list.
//
// The list never repeats or reorders a beat: a beat is appended only when it comes strictly after the
// list's last one (a list starts at frame 0). A section's anchor can snap onto or before the previous
// section's last beat; it is then left out of the list, but stays the section's reference: the
// section's own beats are counted from it, and the previous section's beats are never taken for them.
class SectionBeats
{
public:
    SectionBeats (std::vector<BeatRecord>& list, int64_t sectionEnd)
        : beats (list), first (list.size()), end (sectionEnd)
    {
    }

    void emit (int64_t position, float periodMs, uint8_t flag = 0)
    {
        const int64_t earliest = beats.empty() ? 0 : static_cast<int64_t> (beats.back().position) + 1;

        if (position >= earliest && position <= std::numeric_limits<int32_t>::max())
            beats.push_back ({ static_cast<int32_t> (position), 0.0f, periodMs, 0, 0, flag });
    }

    void emitAnchor (int64_t position, float periodMs)
    {
        anchor = position;
        const size_t before = beats.size();
        emit (position, periodMs, 1);
        anchorListed = beats.size() > before;
    }

    // Up to `count` beats at `from` + i x `step`, stopping at the section's end.
    void emitRun (double from, double step, int64_t count, float periodMs)
    {
        if (! (step > 0.0))
            return;

        for (int64_t i = 1; i <= count; ++i)
        {
            const double position = std::trunc (from + static_cast<double> (i) * step);

            if (position >= static_cast<double> (end))
                break;

            emit (static_cast<int64_t> (position), periodMs);
        }
    }

    // The section's last beat: its last one in the list, or its anchor while it has none there.
    int64_t lastPosition() const { return hasListedBeats() ? beats.back().position : anchor; }

    // Gives the section's last listed beat a newly measured period (nothing when it has none).
    void remeasureLast (float periodMs)
    {
        if (hasListedBeats())
            beats.back().periodMs = periodMs;
    }

    // The beat `back` places before the section's last one. Reaching past the start of the list, or
    // past an anchor that was left out of it, gives the anchor.
    int64_t positionBeforeLast (int64_t back) const
    {
        const int64_t index = static_cast<int64_t> (beats.size()) - 1 - back;
        const int64_t lowest = anchorListed ? 0 : static_cast<int64_t> (first);
        return index >= lowest ? beats[static_cast<size_t> (index)].position : anchor;
    }

    size_t firstIndex() const { return first; }

private:
    bool hasListedBeats() const { return beats.size() > first; }

    std::vector<BeatRecord>& beats;
    size_t first; // where the section's beats start in the list
    int64_t end;
    int64_t anchor = 0;
    bool anchorListed = false;
};
} // namespace

BeatGridBuilder::BeatGridBuilder (int32_t rate, int32_t frames, int32_t bar, int32_t lead, int32_t tail)
    : sampleRate (rate), totalFrames (frames), beatsPerBar (bar), leadBeats (lead), tailBeats (tail)
{
}

int32_t BeatGridBuilder::usableGridStep (int32_t step)
{
    return step == 4 || step == 8 || step == 16 ? step : 4;
}

int64_t BeatGridBuilder::searchBound (const std::vector<BeatRecord>& candidates, int64_t boundary, double periodFrames)
{
    const auto eighth = static_cast<int64_t> (std::trunc (periodFrames / 8.0));
    const int32_t j = BeatInfoAnalyzer::findRecordByPosition (candidates, boundary);

    if (j > 0)
        return static_cast<int64_t> (candidates[static_cast<size_t> (j) - 1].position) + eighth;

    return candidates.empty() ? boundary : static_cast<int64_t> (candidates.front().position) - eighth;
}

//==============================================================================
void BeatGridBuilder::fitGrids (const std::vector<BeatRecord>& candidates, std::vector<BeatRecord>& sections) const
{
    for (size_t k = 0; k < sections.size(); ++k)
    {
        BeatRecord& section = sections[k];
        const bool last = k + 1 == sections.size();
        double best = 0.0;
        bool found = false, accepted = false;
        double bestPhase = 0.0;
        float bestPeriod = section.periodMs;
        int32_t bestStep = 4;
        int64_t bestSkip = 0;

        for (const int32_t q : { 0, 1, -1, 2, -2 })
        {
            const float c = section.periodMs + static_cast<float> (q);
            const double P = static_cast<double> (c) * sampleRate * 0.001;

            if (! (P >= 1.0) || ! std::isfinite (P))
                continue;

            int64_t e = totalFrames;

            if (! last)
            {
                const int64_t next = sections[k + 1].position;
                e = std::min (std::max (searchBound (candidates, next, P), static_cast<int64_t> (section.position)), next);
                e = std::max<int64_t> (e, 0);
            }

            int64_t a = 0;

            if (k > 0)
            {
                a = std::max (searchBound (candidates, section.position, P), static_cast<int64_t> (sections[k - 1].position));
                a = std::max<int64_t> (std::min (a, static_cast<int64_t> (section.position)), 0);
            }

            const int64_t w = BeatInfoAnalyzer::snapWindow (P, sampleRate);

            for (const int32_t m : { 4, 2, 1 })
            {
                const double limit = std::min (static_cast<double> (a) + m * P, static_cast<double> (e));

                for (int64_t t = a; static_cast<double> (t) < limit; t += phaseStepFrames)
                {
                    const auto score = static_cast<double> (
                        BeatInfoAnalyzer::scoreGrid (candidates, static_cast<double> (t), static_cast<double> (e), m * P, w));

                    if (score > best)
                    {
                        best = score;
                        const double u = std::trunc (static_cast<double> (t - a) / P);
                        bestPhase = static_cast<double> (t) - u * P;
                        bestPeriod = c;
                        bestStep = 4 * m;
                        bestSkip = static_cast<int64_t> (u);
                        found = true;
                    }
                }

                // A grid that already catches half of what a perfect one would is taken at once.
                if (q == 0 && found && static_cast<double> (e - a) / P * static_cast<double> (w) * 0.5 < m * best)
                {
                    accepted = true;
                    break;
                }

                // A finer grid has more points: it must score twice as high to win.
                best *= 2.0;
            }

            if (accepted)
                break;

            best /= 8.0;
        }

        if (found)
        {
            section.position = toFrame (bestPhase);
            section.periodMs = bestPeriod;
            section.stamp = bestStep;
            section.band = static_cast<int32_t> (bestSkip);
        }
        else
        {
            // Whatever the earlier stages left in these fields is no grid step and no skip count.
            section.stamp = usableGridStep (section.stamp);
            section.band = 0;
        }
    }
}

//==============================================================================
std::vector<BeatRecord> BeatGridBuilder::placeBeats (const std::vector<BeatRecord>& candidates,
                                                     const std::vector<BeatRecord>& sections)
{
    std::vector<BeatRecord> beats;
    const int64_t span = static_cast<int64_t> (beatsPerBar) + leadBeats + tailBeats;
    const int64_t quartersPerSpan = 4 * span;
    const int64_t quartersPerBar = 4 * static_cast<int64_t> (beatsPerBar);
    const double framesPerMs = sampleRate * 0.001;
    float lastMeasuredMs = 0.0f;
    bool measuredAny = false;
    size_t measuredFrom = 0; // where the beats of the section measured last start in the list
    anchor = 0;

    if (span < 1)
        return beats;

    for (size_t k = 0; k < sections.size(); ++k)
    {
        const BeatRecord& section = sections[k];
        const int64_t end = k + 1 < sections.size() ? sections[k + 1].position : totalFrames;
        const double P = static_cast<double> (section.periodMs) * framesPerMs;

        if (! (P > 0.0) || ! std::isfinite (P))
            continue;

        const int64_t skip = std::max (section.band, 0);
        const int32_t step = usableGridStep (section.stamp);
        const int64_t w = BeatInfoAnalyzer::snapWindow (P, sampleRate);
        SectionBeats out (beats, end);

        double t = section.position, ref = section.position;

        for (int64_t i = 0; i < skip && t < static_cast<double> (end); ++i)
        {
            t += P;
            ref += P;
        }

        const auto snapAt = [&] (double at) -> bool
        {
            const BeatInfoAnalyzer::Snap s = BeatInfoAnalyzer::snapToOnset (candidates, static_cast<int64_t> (std::trunc (at)), w);

            if (s.position < 0)
                return false;

            t = s.position;
            return true;
        };

        if (snapAt (t))
            ref = t;

        if (k == 0)
            anchor = static_cast<int64_t> (std::trunc (ref));

        if (! (t < static_cast<double> (end)))
            continue;

        int64_t q = 0;
        bool anchored = false, leadEmitted = false;
        double newP = P;
        float measuredMs = section.periodMs;

        const auto measure = [&] (double beatsSinceRef)
        {
            newP = (t - ref) / beatsSinceRef;
            measuredMs = static_cast<float> (newP / framesPerMs);
            lastMeasuredMs = measuredMs;
            measuredAny = true;
            measuredFrom = out.firstIndex();
        };

        const auto emitBackFillAndAnchor = [&]
        {
            for (int64_t i = skip + 1; i >= 1; --i)
                out.emit (static_cast<int64_t> (std::trunc (ref - static_cast<double> (i) * newP)), measuredMs);

            out.emitAnchor (static_cast<int64_t> (std::trunc (ref)), measuredMs);
            anchored = true;
        };

        const auto emitLead = [&]
        {
            out.emitRun (ref, newP, leadBeats, measuredMs);
            leadEmitted = true;
        };

        while (t < static_cast<double> (end))
        {
            BeatInfoAnalyzer::yieldProcessor();

            for (int32_t quarter = 0; quarter < 4; ++quarter)
            {
                t += P / 4.0;
                ++q;

                if (q % step == 0)
                    snapAt (t);
            }

            // Measured after every whole beat, the one that crosses the section's end included.
            if (q % quartersPerSpan == 0)
            {
                measure (static_cast<double> (span));

                if (! anchored)
                    emitBackFillAndAnchor();

                if (! leadEmitted)
                    emitLead();

                ref = static_cast<double> (out.lastPosition());
                out.remeasureLast (measuredMs);
                out.emitRun (ref, newP, beatsPerBar, measuredMs);

                // The measuring span moves on by one bar.
                ref = static_cast<double> (out.positionBeforeLast (leadBeats));
                q -= quartersPerBar;
            }
        }

        if (q % quartersPerSpan != 0)
        {
            const int64_t n = q / 4;

            if (n > 0)
            {
                if (! anchored)
                {
                    measure (static_cast<double> (q) / 4.0);
                    emitBackFillAndAnchor();
                }

                if (! leadEmitted)
                {
                    measure (static_cast<double> (q) / 4.0);
                    emitLead();
                }

                out.emitRun (static_cast<double> (out.lastPosition()), newP, n - leadBeats, measuredMs);
            }
        }
    }

    // Only a beat of the section that was measured last takes its period.
    if (measuredAny && beats.size() > measuredFrom)
        beats.back().periodMs = lastMeasuredMs;

    return beats;
}

//==============================================================================
void BeatGridBuilder::correctPositions (std::vector<BeatRecord>& beats)
{
    for (size_t i = 0; i + 3 < beats.size(); ++i)
    {
        const int64_t p0 = beats[i].position, p1 = beats[i + 1].position;
        const int64_t p2 = beats[i + 2].position, p3 = beats[i + 3].position;
        const int64_t g1 = p1 - p0, g2 = p2 - p1, g3 = p3 - p2;

        // Beats on one frame, or out of order, give no beat length to measure the window against:
        // the rules would take the empty gap as one and stack the window's beats on a single frame.
        if (g1 <= 0 || g2 <= 0 || g3 <= 0)
            continue;

        const int64_t M = std::max (g1, g3), n = std::min (g1, g3), S = p3 - p0;

        const auto setPosition = [&beats, i] (size_t offset, int64_t position)
        { beats[i + offset].position = static_cast<int32_t> (position); };

        const auto insertCopyAfterBeat2 = [&beats, i] (int64_t position)
        {
            BeatRecord copy = beats[i + 2];
            copy.position = static_cast<int32_t> (position);
            copy.flag = 0;
            beats.insert (beats.begin() + static_cast<std::ptrdiff_t> (i + 3), copy);
        };

        const auto removeBeat2 = [&beats, i] { beats.erase (beats.begin() + static_cast<std::ptrdiff_t> (i + 2)); };

        if (ratio (g2, M) > 1.1) // the middle gap is too long
        {
            if (g1 == M && ratio (g2 - M, M - n) < 4.0)
            {
                setPosition (2, p1 + M);
            }
            else if (g1 == n && 5 * n < 3 * M + g2)
            {
                setPosition (2, p1 + n);

                if (p1 + n + 2 * n < p3)
                    insertCopyAfterBeat2 (p1 + 2 * n);
            }
            else if (ratio (S, M) < 3.3)
            {
                setPosition (1, p0 + S / 3);
                setPosition (2, p0 + 2 * S / 3);
            }
            else
            {
                setPosition (1, p0 + S / 4);
                setPosition (2, p0 + S / 2);
                insertCopyAfterBeat2 (p0 + 3 * S / 4);
            }
        }
        else if (ratio (g2, n) < 0.9) // the middle gap is too short
        {
            if (g1 == n && ratio (n - g2, M - n) < 4.0)
            {
                setPosition (2, p1 + n);
            }
            else if (g1 == M && 4 * M > 4 * n + g2)
            {
                if (p1 + M < p3)
                    setPosition (2, p1 + M);
                else
                    removeBeat2();
            }
            else if (ratio (S, n) <= 2.7)
            {
                setPosition (1, (p0 + p3) / 2);
                removeBeat2();
            }
            else
            {
                setPosition (1, p0 + S / 3);
                setPosition (2, p0 + 2 * S / 3);
            }
        }
    }
}
