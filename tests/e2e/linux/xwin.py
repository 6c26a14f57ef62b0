"""The X server as the Linux end-to-end test reads it, through Xlib (ctypes): the program's
windows with their absolute places, window shapes and the cursor's picture."""

import ctypes
import ctypes.util

from screen import Window as ScreenWindow

_x11 = ctypes.CDLL(ctypes.util.find_library("X11"))
_xcursor = ctypes.CDLL(ctypes.util.find_library("Xcursor"))
_xext = ctypes.CDLL(ctypes.util.find_library("Xext"))
_xfixes = ctypes.CDLL(ctypes.util.find_library("Xfixes"))

Window = ctypes.c_ulong
Atom = ctypes.c_ulong


class XRectangle(ctypes.Structure):
    _fields_ = [("x", ctypes.c_short), ("y", ctypes.c_short),
                ("width", ctypes.c_ushort), ("height", ctypes.c_ushort)]


class XClassHint(ctypes.Structure):
    _fields_ = [("res_name", ctypes.c_char_p), ("res_class", ctypes.c_char_p)]


class XWindowAttributes(ctypes.Structure):
    _fields_ = [("x", ctypes.c_int), ("y", ctypes.c_int), ("width", ctypes.c_int),
                ("height", ctypes.c_int), ("border_width", ctypes.c_int), ("depth", ctypes.c_int),
                ("visual", ctypes.c_void_p), ("root", Window), ("class_", ctypes.c_int),
                ("bit_gravity", ctypes.c_int), ("win_gravity", ctypes.c_int),
                ("backing_store", ctypes.c_int), ("backing_planes", ctypes.c_ulong),
                ("backing_pixel", ctypes.c_ulong), ("save_under", ctypes.c_int),
                ("colormap", ctypes.c_ulong), ("map_installed", ctypes.c_int),
                ("map_state", ctypes.c_int), ("all_event_masks", ctypes.c_long),
                ("your_event_mask", ctypes.c_long), ("do_not_propagate_mask", ctypes.c_long),
                ("override_redirect", ctypes.c_int), ("screen", ctypes.c_void_p)]


class XFixesCursorImage(ctypes.Structure):
    _fields_ = [("x", ctypes.c_short), ("y", ctypes.c_short), ("width", ctypes.c_ushort),
                ("height", ctypes.c_ushort), ("xhot", ctypes.c_ushort), ("yhot", ctypes.c_ushort),
                ("cursor_serial", ctypes.c_ulong), ("pixels", ctypes.POINTER(ctypes.c_ulong)),
                ("atom", Atom), ("name", ctypes.c_char_p)]


_x11.XOpenDisplay.restype = ctypes.c_void_p
_x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
_x11.XDefaultRootWindow.restype = Window
_x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
_x11.XQueryTree.argtypes = [ctypes.c_void_p, Window, ctypes.POINTER(Window), ctypes.POINTER(Window),
                            ctypes.POINTER(ctypes.POINTER(Window)), ctypes.POINTER(ctypes.c_uint)]
_x11.XGetWindowAttributes.argtypes = [ctypes.c_void_p, Window, ctypes.POINTER(XWindowAttributes)]
_x11.XGetClassHint.argtypes = [ctypes.c_void_p, Window, ctypes.POINTER(XClassHint)]
_x11.XTranslateCoordinates.argtypes = [ctypes.c_void_p, Window, Window, ctypes.c_int, ctypes.c_int,
                                       ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_int),
                                       ctypes.POINTER(Window)]
_x11.XFree.argtypes = [ctypes.c_void_p]
_x11.XInternAtom.restype = Atom
_x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
_x11.XGetWindowProperty.argtypes = [ctypes.c_void_p, Window, Atom, ctypes.c_long, ctypes.c_long,
                                    ctypes.c_int, Atom, ctypes.POINTER(Atom),
                                    ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_ulong),
                                    ctypes.POINTER(ctypes.c_ulong),
                                    ctypes.POINTER(ctypes.c_void_p)]
_x11.XSetErrorHandler.argtypes = [ctypes.c_void_p]
_xext.XShapeGetRectangles.restype = ctypes.POINTER(XRectangle)
_xext.XShapeGetRectangles.argtypes = [ctypes.c_void_p, Window, ctypes.c_int,
                                      ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_int)]
_xfixes.XFixesGetCursorImage.restype = ctypes.POINTER(XFixesCursorImage)
_xfixes.XFixesGetCursorImage.argtypes = [ctypes.c_void_p]
_x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
_x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
_x11.XDefineCursor.argtypes = [ctypes.c_void_p, Window, ctypes.c_ulong]
_xcursor.XcursorLibraryLoadCursor.restype = ctypes.c_ulong
_xcursor.XcursorLibraryLoadCursor.argtypes = [ctypes.c_void_p, ctypes.c_char_p]

# Windows vanish while they are read: their errors are ignored.
_ERROR_HANDLER = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)(lambda d, e: 0)
_x11.XSetErrorHandler(_ERROR_HANDLER)


class Display:
    def __init__(self, name):
        self.dpy = _x11.XOpenDisplay(name.encode())
        if not self.dpy:
            raise RuntimeError(f"cannot open display {name}")
        self.root = _x11.XDefaultRootWindow(self.dpy)
        self.net_wm_name = _x11.XInternAtom(self.dpy, b"_NET_WM_NAME", 0)
        self.utf8 = _x11.XInternAtom(self.dpy, b"UTF8_STRING", 0)

    def _children(self, window):
        root, parent = Window(), Window()
        children, count = ctypes.POINTER(Window)(), ctypes.c_uint()
        if not _x11.XQueryTree(self.dpy, window, ctypes.byref(root), ctypes.byref(parent),
                               ctypes.byref(children), ctypes.byref(count)):
            return []
        out = [children[i] for i in range(count.value)]
        if children:
            _x11.XFree(children)
        return out

    def _klass(self, window):
        hint = XClassHint()
        if not _x11.XGetClassHint(self.dpy, window, ctypes.byref(hint)):
            return None
        name = hint.res_name.decode(errors="replace") if hint.res_name else ""
        return name

    def _name(self, window):
        kind, fmt = Atom(), ctypes.c_int()
        count, after, data = ctypes.c_ulong(), ctypes.c_ulong(), ctypes.c_void_p()
        if _x11.XGetWindowProperty(self.dpy, window, self.net_wm_name, 0, 1024, 0, self.utf8,
                                   ctypes.byref(kind), ctypes.byref(fmt), ctypes.byref(count),
                                   ctypes.byref(after), ctypes.byref(data)) != 0 or not data:
            return ""
        text = ctypes.string_at(data, count.value).decode(errors="replace")
        _x11.XFree(data)
        return text

    def windows(self, program):
        """The viewable windows (of any depth) of class name `program`, absolute places."""
        out, stack = [], list(self._children(self.root))
        while stack:
            window = stack.pop()
            stack.extend(self._children(window))
            if self._klass(window) != program:
                continue
            attributes = XWindowAttributes()
            if not _x11.XGetWindowAttributes(self.dpy, window, ctypes.byref(attributes)):
                continue
            if attributes.map_state != 2:  # IsViewable
                continue
            x, y, child = ctypes.c_int(), ctypes.c_int(), Window()
            _x11.XTranslateCoordinates(self.dpy, window, self.root, 0, 0, ctypes.byref(x),
                                       ctypes.byref(y), ctypes.byref(child))
            found = ScreenWindow(hex(window), self._name(window), x.value, y.value,
                                 attributes.width, attributes.height)
            found.xid = window
            out.append(found)
        return out

    def shape(self, window, kind=0):
        """The rectangles of a window's bounding (0) or input (2) shape."""
        count, ordering = ctypes.c_int(), ctypes.c_int()
        rects = _xext.XShapeGetRectangles(self.dpy, window.xid, kind, ctypes.byref(count),
                                          ctypes.byref(ordering))
        out = [(rects[i].x, rects[i].y, rects[i].x + rects[i].width, rects[i].y + rects[i].height)
               for i in range(count.value)]
        if rects:
            _x11.XFree(rects)
        return out

    def name_root_cursor(self, name):
        """Gives the desktop (root window) the theme's cursor `name`, as a desktop does, for as
        long as this connection lasts."""
        cursor = _xcursor.XcursorLibraryLoadCursor(self.dpy, name.encode())
        if cursor:
            _x11.XDefineCursor(self.dpy, self.root, cursor)
            _x11.XSync(self.dpy, 0)
        return bool(cursor)

    def cursor(self):
        """The cursor on screen: (width, height, xhot, yhot, ARGB pixels)."""
        image = _xfixes.XFixesGetCursorImage(self.dpy)
        if not image:
            return None
        c = image.contents
        pixels = tuple(c.pixels[i] & 0xFFFFFFFF for i in range(c.width * c.height))
        result = (c.width, c.height, c.xhot, c.yhot, pixels)
        _x11.XFree(image)
        return result


def read_cursor(display):
    """The cursor on screen, read on a connection of its own (a long-lived one may have seen
    the cursor's resources go)."""
    d = Display(display)
    try:
        return d.cursor()
    finally:
        _x11.XCloseDisplay(d.dpy)
