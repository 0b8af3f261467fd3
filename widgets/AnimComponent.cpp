#include "widgets/AnimComponent.h"

AnimComponent::AnimComponent() = default;

AnimComponent::~AnimComponent()
{
    fadeTimer.stop();
}
