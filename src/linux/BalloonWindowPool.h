#pragma once
// The toolkit windows of speech balloons. A closed balloon's window is hidden and kept for a
// next balloon: showing a window again costs far less than making one (an X window, its
// properties and the events they bring) and destroying it.

#include <gtk/gtk.h>

#include <vector>

namespace nuv::gtk {

class BalloonWindowPool {
  public:
    BalloonWindowPool() = default;
    ~BalloonWindowPool();
    BalloonWindowPool(const BalloonWindowPool&) = delete;
    BalloonWindowPool& operator=(const BalloonWindowPool&) = delete;

    // A realized, hidden balloon window of the size given: a kept one, or a new one.
    GtkWidget* Take(int width, int height);
    // Hides a window no balloon uses any more (its handlers gone) and keeps it, or destroys it.
    void Give(GtkWidget* window);

  private:
    static GtkWidget* NewWindow(int width, int height);
    static void OnDestroy(GtkWidget* window, gpointer data);

    std::vector<GtkWidget*> kept_;
};

}  // namespace nuv::gtk
