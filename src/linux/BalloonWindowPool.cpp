#include "linux/BalloonWindowPool.h"

#include <algorithm>

namespace nuv::gtk {
namespace {

// A talk balloon and a message balloon may close together.
constexpr std::size_t kMaxKept = 2;

}  // namespace

BalloonWindowPool::~BalloonWindowPool() {
    for (GtkWidget* window : kept_) {
        g_signal_handlers_disconnect_by_data(window, this);
        gtk_widget_destroy(window);
    }
}

GtkWidget* BalloonWindowPool::Take(int width, int height) {
    if (kept_.empty()) return NewWindow(width, height);
    GtkWidget* window = kept_.back();
    kept_.pop_back();
    g_signal_handlers_disconnect_by_data(window, this);
    gtk_window_resize(GTK_WINDOW(window), width, height);
    return window;
}

void BalloonWindowPool::Give(GtkWidget* window) {
    if (kept_.size() >= kMaxKept) {
        gtk_widget_destroy(window);
        return;
    }
    gtk_widget_hide(window);
    if (GdkWindow* gdkWindow = gtk_widget_get_window(window))
        gdk_window_set_cursor(gdkWindow, nullptr);
    g_signal_connect(window, "destroy", G_CALLBACK(OnDestroy), this);
    kept_.push_back(window);
}

GtkWidget* BalloonWindowPool::NewWindow(int width, int height) {
    GtkWidget* widget = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    GtkWindow* window = GTK_WINDOW(widget);
    gtk_window_set_decorated(window, FALSE);
    gtk_window_set_skip_taskbar_hint(window, TRUE);
    gtk_window_set_skip_pager_hint(window, TRUE);
    gtk_window_set_focus_on_map(window, FALSE);
    gtk_window_set_type_hint(window, GDK_WINDOW_TYPE_HINT_UTILITY);
    gtk_window_stick(window);
    gtk_window_set_keep_above(window, TRUE);
    gtk_window_set_default_size(window, width, height);
    gtk_widget_set_app_paintable(widget, TRUE);
    gtk_widget_add_events(widget, GDK_POINTER_MOTION_MASK | GDK_BUTTON_PRESS_MASK |
                                      GDK_KEY_PRESS_MASK | GDK_ENTER_NOTIFY_MASK);
    gtk_widget_realize(widget);
    return widget;
}

// A kept window destroyed by someone else (the display going) is no longer kept.
void BalloonWindowPool::OnDestroy(GtkWidget* window, gpointer data) {
    auto& kept = static_cast<BalloonWindowPool*>(data)->kept_;
    kept.erase(std::remove(kept.begin(), kept.end(), window), kept.end());
}

}  // namespace nuv::gtk
