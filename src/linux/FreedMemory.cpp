#include "linux/FreedMemory.h"

#include <glib.h>
#include <malloc.h>

namespace nuv::gtk {
namespace {

guint pendingTrim = 0;

gboolean TrimHeap(gpointer) {
    pendingTrim = 0;
    malloc_trim(0);
    return G_SOURCE_REMOVE;
}

}  // namespace

void TrimHeapSoon() {
    if (!pendingTrim) pendingTrim = g_idle_add_full(G_PRIORITY_LOW, TrimHeap, nullptr, nullptr);
}

}  // namespace nuv::gtk
