#pragma once

#include <juce_events/juce_events.h>

class AnimImageButtonTimer;

/** Steps a fading widget's opacity by a tenth every 33 ms, up to 1 or down to 0, and tells the
    widget's AnimImageButtonTimer (its applier) to put the new opacity on the children.

    The opacity is counted in whole tenths, so ten steps land exactly on 0 and on 1 and a fade
    reversed midway goes back from exactly where it stood. It starts at 0, fading in.
*/
class ImageTimer : public juce::Timer
{
public:
    static constexpr int intervalMs = 33;
    static constexpr int steps = 10;

    explicit ImageTimer (AnimImageButtonTimer& applier);
    ~ImageTimer() override;

    /** Restarts the timer, fading towards 1. */
    void fadeIn();

    /** Restarts the timer, fading towards 0; with hideWhenFaded the children (and the widget) are
        hidden once it gets there. */
    void fadeOut (bool hideWhenFaded);

    float getAlpha() const noexcept             { return (float) tenths / (float) steps; }
    bool isFadingIn() const noexcept            { return fadingIn; }
    bool getHideWhenFaded() const noexcept      { return hideWhenFaded; }

    /** One step; stops the timer at either end. */
    void timerCallback() override;

private:
    AnimImageButtonTimer& applier;
    bool fadingIn = true;
    bool hideWhenFaded = false;
    int tenths = 0;

    JUCE_DECLARE_NON_COPYABLE (ImageTimer)
};
