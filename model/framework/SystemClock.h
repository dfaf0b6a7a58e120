#pragma once

#include "model/framework/Clock.h"

// Today's date from the system's local clock.
class CSystemClock : public CClock {
public:
    CDate Today() const override;
};
