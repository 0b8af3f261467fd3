#include "DeviceSettings.h"
