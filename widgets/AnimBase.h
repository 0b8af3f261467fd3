#pragma once

/** What the two fading widgets (AnimImageButton, AnimComponent) have in common: the panel tells
    them apart from other components by this base. */
class AnimBase
{
public:
    virtual ~AnimBase() = default;
};
