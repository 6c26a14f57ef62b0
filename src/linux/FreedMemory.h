#pragma once
// Freed heap goes back to the system once a window that held much of it (a balloon with its
// text and pictures, the object window) is gone, instead of staying with the process.

namespace nuv::gtk {

// Trims the heap once the current events are handled; calls before then share the one trim.
void TrimHeapSoon();

}  // namespace nuv::gtk
