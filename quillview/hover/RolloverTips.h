// The host's rollover tooltips would show beside the scope: they are off while hovering is enabled.
#pragma once

// Turns ROLLOVERTIPS off when it is on, setting turnedOff; a failed read changes nothing.
void TurnOffRolloverTips(bool& turnedOff);
// Turns ROLLOVERTIPS back on when this module turned it off.
void RestoreRolloverTips(bool turnedOff);
