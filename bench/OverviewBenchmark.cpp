// What the wave overview costs, and how far its curves move between the 44,100 Hz and 48,000 Hz
// versions of the same music. Prints one `name: value` line per figure.
//
// Cost: the band bank runs a three-minute drum track with and without the overview builder attached
// (the difference is the builder's share), and the builder runs alone with its own three filters;
// each is timed five times and the fastest run counts, reported per minute of audio.
//
// Agreement, per test track (44.1 kHz against 48 kHz):
// - loud_window_max_diff_pct: the loud curve summed over windows of 20 points (a twentieth of the
//   track); the largest difference of a window's sum, in percent of the larger sum;
// - loud_point_median_diff_pct: the median over points of |a - b| / max(a, b);
// - loud_total_diff_pct: the same for the sums of the whole curves;
// - loud_point_correlation, loud_window_correlation: of the points, and of the 20-point sums;
// - loud_same_zero_points_pct: points that are 0 at both rates or at neither;
// - level_db_mean_diff, level_db_max_diff, level_db_within_1db_pct: the band levels (low, mid,
//   high) of every point;
// - kind_agreement_pct: points with the same class;
// - dots_window_max_diff_pct: the dots curve summed over windows of 10 dots, as for the loud curve;
// - dots_total_diff_pct: the whole dots curve's sum;
// - dots_point_correlation, dots_window_correlation: of the dots, and of the 10-dot sums.
#include "BandBank.h"
#include "OverviewBuilder.h"
#include "OverviewTracks.h"
#include "SyntheticAudio.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace
{
using Clock = std::chrono::steady_clock;

double relativeDiffPct (double a, double b)
{
    const double m = std::max (std::fabs (a), std::fabs (b));
    return m > 0.0 ? 100.0 * std::fabs (a - b) / m : 0.0;
}

double windowMaxDiffPct (const std::vector<BA_WaveInfo>& a, const std::vector<BA_WaveInfo>& b, size_t window)
{
    double worst = 0.0;

    for (size_t start = 0; start + window <= a.size(); start += window)
    {
        double sa = 0.0, sb = 0.0;

        for (size_t i = start; i < start + window; ++i)
        {
            sa += a[i].value;
            sb += b[i].value;
        }

        worst = std::max (worst, relativeDiffPct (sa, sb));
    }

    return worst;
}

// Pearson correlation of two curves, each first summed over windows of `window` points.
double correlation (const std::vector<BA_WaveInfo>& a, const std::vector<BA_WaveInfo>& b, size_t window)
{
    std::vector<double> x, y;

    for (size_t start = 0; start + window <= a.size(); start += window)
    {
        double sa = 0.0, sb = 0.0;

        for (size_t i = start; i < start + window; ++i)
        {
            sa += a[i].value;
            sb += b[i].value;
        }

        x.push_back (sa);
        y.push_back (sb);
    }

    const double n = static_cast<double> (x.size());
    double mx = 0.0, my = 0.0;

    for (size_t i = 0; i < x.size(); ++i)
    {
        mx += x[i] / n;
        my += y[i] / n;
    }

    double sxy = 0.0, sxx = 0.0, syy = 0.0;

    for (size_t i = 0; i < x.size(); ++i)
    {
        sxy += (x[i] - mx) * (y[i] - my);
        sxx += (x[i] - mx) * (x[i] - mx);
        syy += (y[i] - my) * (y[i] - my);
    }

    return sxx > 0.0 && syy > 0.0 ? sxy / std::sqrt (sxx * syy) : (sxx == syy ? 1.0 : 0.0);
}

double fastestMs (int32_t runs, const std::function<void()>& work)
{
    double best = 1.0e30;

    for (int32_t r = 0; r < runs; ++r)
    {
        const auto start = Clock::now();
        work();
        best = std::min (best, std::chrono::duration<double, std::milli> (Clock::now() - start).count());
    }

    return best;
}

void measureCost (int32_t rate)
{
    SyntheticAudio audio (rate, 21);
    audio.addDrumPattern (0.0, 124.0, 93, 0.2);
    audio.extendTo (180.0);
    const OverviewTracks::Track track = OverviewTracks::fromAudio (audio);
    const std::vector<float> mono = OverviewTracks::monoOf (track);
    const int32_t total = track.frameCount();
    const double minutes = total / static_cast<double> (rate) / 60.0;

    auto runBank = [&] (bool withOverview)
    {
        BandBank bank;
        OverviewBuilder overview;
        bank.build (rate, 8, 6);
        overview.init (rate, total);

        for (int32_t done = 0; done < total; done += BandBank::blockSize)
            bank.processBlock (mono.data() + done, std::min (BandBank::blockSize, total - done),
                               withOverview ? &overview : nullptr);
    };

    const double bankOnly = fastestMs (5, [&] { runBank (false); });
    const double bankWithOverview = fastestMs (5, [&] { runBank (true); });
    const double alone = fastestMs (5, [&]
    {
        OverviewBuilder overview;
        overview.init (rate, total);

        for (int32_t done = 0; done < total; done += BandBank::blockSize)
            overview.processBlock (mono.data() + done, nullptr, nullptr, nullptr,
                                   std::min (BandBank::blockSize, total - done));
    });
    const double initMs = fastestMs (5, [&] { OverviewBuilder overview; overview.init (rate, total); });

    const int32_t khz = rate / 1000;
    std::printf ("cost_%dk_track_minutes: %.1f\n", khz, minutes);
    std::printf ("cost_%dk_bank_only_ms_per_minute: %.2f\n", khz, bankOnly / minutes);
    std::printf ("cost_%dk_bank_with_overview_ms_per_minute: %.2f\n", khz, bankWithOverview / minutes);
    std::printf ("cost_%dk_overview_share_ms_per_minute: %.2f\n", khz, (bankWithOverview - bankOnly) / minutes);
    std::printf ("cost_%dk_overview_alone_ms_per_minute: %.2f\n", khz, alone / minutes);
    std::printf ("cost_%dk_overview_init_ms: %.3f\n", khz, initMs);
}

void measureAgreement (const OverviewTracks::Named& named)
{
    const OverviewTracks::Track t44 = named.make (44100), t48 = named.make (48000);
    const OverviewTracks::Curves c44 = OverviewTracks::analyse (t44), c48 = OverviewTracks::analyse (t48);
    const std::unique_ptr<OverviewBuilder> o44 = OverviewTracks::buildOverview (t44);
    const std::unique_ptr<OverviewBuilder> o48 = OverviewTracks::buildOverview (t48);

    std::vector<double> pointDiffs;
    int32_t sameKind = 0, levelsWithin1 = 0, levelMaxDiff = 0, sameSupport = 0;
    double levelDiffSum = 0.0;

    for (int32_t j = 0; j < BA_LOUD_WAVE_POINTS; ++j)
    {
        pointDiffs.push_back (relativeDiffPct (c44.loud[j].value, c48.loud[j].value));
        sameKind += c44.loud[j].kind == c48.loud[j].kind ? 1 : 0;
        sameSupport += (c44.loud[j].value > 0.0f) == (c48.loud[j].value > 0.0f) ? 1 : 0;

        for (int32_t b = 0; b < OverviewBuilder::bandCount; ++b)
        {
            const int32_t d = std::abs (o44->getPointLevel (j, b) - o48->getPointLevel (j, b));
            levelMaxDiff = std::max (levelMaxDiff, d);
            levelsWithin1 += d <= 1 ? 1 : 0;
            levelDiffSum += d;
        }
    }

    std::nth_element (pointDiffs.begin(), pointDiffs.begin() + pointDiffs.size() / 2, pointDiffs.end());
    double dots44 = 0.0, dots48 = 0.0;

    for (int32_t k = 0; k < BA_DOTS_WAVE_POINTS; ++k)
    {
        dots44 += c44.dots[k].value;
        dots48 += c48.dots[k].value;
    }

    const char* n = named.name;
    std::printf ("%s_loud_window_max_diff_pct: %.1f\n", n, windowMaxDiffPct (c44.loud, c48.loud, 20));
    std::printf ("%s_loud_point_median_diff_pct: %.1f\n", n, pointDiffs[pointDiffs.size() / 2]);
    std::printf ("%s_loud_total_diff_pct: %.1f\n", n, windowMaxDiffPct (c44.loud, c48.loud, 400));
    std::printf ("%s_loud_point_correlation: %.3f\n", n, correlation (c44.loud, c48.loud, 1));
    std::printf ("%s_loud_window_correlation: %.3f\n", n, correlation (c44.loud, c48.loud, 20));
    std::printf ("%s_loud_same_zero_points_pct: %.1f\n", n, 100.0 * sameSupport / BA_LOUD_WAVE_POINTS);
    std::printf ("%s_level_db_mean_diff: %.2f\n", n, levelDiffSum / (3.0 * BA_LOUD_WAVE_POINTS));
    std::printf ("%s_level_db_max_diff: %d\n", n, levelMaxDiff);
    std::printf ("%s_level_db_within_1db_pct: %.1f\n", n, 100.0 * levelsWithin1 / (3.0 * BA_LOUD_WAVE_POINTS));
    std::printf ("%s_kind_agreement_pct: %.1f\n", n, 100.0 * sameKind / BA_LOUD_WAVE_POINTS);
    std::printf ("%s_dots_window_max_diff_pct: %.1f\n", n, windowMaxDiffPct (c44.dots, c48.dots, 10));
    std::printf ("%s_dots_total_diff_pct: %.1f\n", n, relativeDiffPct (dots44, dots48));
    std::printf ("%s_dots_point_correlation: %.3f\n", n, correlation (c44.dots, c48.dots, 1));
    std::printf ("%s_dots_window_correlation: %.3f\n", n, correlation (c44.dots, c48.dots, 10));
}
} // namespace

int main (int argc, char**)
{
    // Any argument: the agreement figures only.
    if (argc < 2)
    {
        measureCost (44100);
        measureCost (48000);
    }

    for (const OverviewTracks::Named& named : OverviewTracks::all())
        measureAgreement (named);

    return 0;
}
