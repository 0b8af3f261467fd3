#include "widgets/ImageTimer.h"

#include "widgets/AnimImageButtonTimer.h"

ImageTimer::ImageTimer (AnimImageButtonTimer& applierToUse)
    : applier (applierToUse)
{
}

ImageTimer::~ImageTimer()
{
    stopTimer();
}

void ImageTimer::fadeIn()
{
    fadingIn = true;
    startTimer (intervalMs);
}

void ImageTimer::fadeOut (bool shouldHideWhenFaded)
{
    fadingIn = false;
    hideWhenFaded = shouldHideWhenFaded;
    startTimer (intervalMs);
}

void ImageTimer::timerCallback()
{
    tenths += fadingIn ? 1 : -1;

    if (tenths <= 0)
    {
        tenths = 0;
        stopTimer();

        if (hideWhenFaded)
            applier.hideNow = true;
    }
    else if (tenths >= steps)
    {
        tenths = steps;
        stopTimer();
    }

    applier.dirty = true;
}
