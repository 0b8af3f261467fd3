#include "DeviceSettings.h"

#include <gtest/gtest.h>

TEST (DeviceSettingsLayout, FieldsSitWhereTheUnitExpectsThem)
{
    EXPECT_EQ (offsetof (SamplerSlot, reserved), 2048u);
    EXPECT_EQ (offsetof (SamplerSlot, tempoPresent), 2088u);
    EXPECT_EQ (offsetof (XPadEffectRecord, slots), 84u);
    EXPECT_EQ (offsetof (DeviceSettings, sceneLock), 4u + 4 * 9 * 4);
    EXPECT_EQ (offsetof (DeviceSettings, release), offsetof (DeviceSettings, scene) + 10 * 13 * 4);
}
