#pragma once
#include "../drums.h"
#include "../sequencer.h"
#include "../voice.h"

// Wraps the building blocks as sequencer instruments.
Instrument patchInstrument(const Patch& patch);
Instrument kickInstrument(const KickSettings& settings);
Instrument snareInstrument(const SnareSettings& settings);
Instrument hiHatInstrument(const HiHatSettings& settings);
Instrument crashInstrument(float seconds);
// A kick whose pitch follows the written note, for timpani rolls.
Instrument timpaniInstrument();

// The sounds the tracks share.
Patch drivingBassPatch();
Patch warmPadPatch();
Patch stabPatch();
Patch pluckPatch();
Patch sawLeadPatch();
Patch softLeadPatch();
Patch bellPatch();
Patch subBassPatch();
Patch electricPianoPatch();
Patch brassPatch();
