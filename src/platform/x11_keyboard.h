#pragma once

// Asks the X server not to fake a release before every auto-repeated press
// of a held key, for the current GL context's display connection. Returns
// whether the server supports it. Without it, a held key arrives as a stream
// of release/press pairs that cannot always be told from real ones.
bool enableDetectableAutoRepeat();
