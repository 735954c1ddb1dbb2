#pragma once
// The drawing's data range after a tool added or changed data: the extents of every data set
// and of the construction lines. The window is neither refitted nor redrawn.

// True when construction lines exist.
bool UpdateDisplayBoundsFromGeometry();
