#pragma once

#include "editor/bindings/ControlId.h"

/** The kinds of control an open effect lets the keyboard stand on (locks and read-outs are not
    among them), told by the kind of control alone so that the keyboard walk's own tables are checked
    against it rather than against themselves. */
inline bool takesTheKeys (ControlId id)
{
    switch (ControlIds::classOf (id))
    {
        case ControlClass::combo:
        case ControlClass::rangeThumb:
        case ControlClass::toggleButton:
        case ControlClass::pitchSlider:
        case ControlClass::padTarget:
            return true;
        default:
            return false;
    }
}
