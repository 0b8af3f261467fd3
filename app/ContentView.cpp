#include "app/ContentView.h"

ContentView::ContentView (juce::Component* contentComp)
{
    setViewedComponent (contentComp, true);
}

ContentView::~ContentView() = default;
