"""Keys, clicks and window geometry through the X server, as a person's desktop sends them."""

import ctypes
import re
import subprocess

# What a window shows is read from the X server itself, through Xlib.
_xlib = ctypes.CDLL("libX11.so.6")
_xlib.XOpenDisplay.restype = _xlib.XGetImage.restype = ctypes.c_void_p
_xlib.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong] + [ctypes.c_int] * 2 + \
    [ctypes.c_uint] * 2 + [ctypes.c_ulong, ctypes.c_int]
_xlib.XGetPixel.restype = ctypes.c_ulong
_xlib.XGetPixel.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int]
_xlib.XDestroyImage.argtypes = _xlib.XCloseDisplay.argtypes = [ctypes.c_void_p]


class X:
    def __init__(self, display):
        self.display = display

    def _run(self, *args):
        return subprocess.run(args, env={"DISPLAY": self.display, "PATH": "/usr/bin:/bin"},
                              capture_output=True, text=True)

    def key(self, *keys):
        """Presses each key combination in turn, e.g. key("alt+e") or key("Down", "Return")."""
        result = self._run("xdotool", "key", "--delay", "30", *keys)
        assert result.returncode == 0, result.stderr

    def hold(self, key, seconds=0.15):
        """Presses the key and lets it go a moment later, as a person does."""
        result = self._run("xdotool", "keydown", key, "sleep", str(seconds), "keyup", key)
        assert result.returncode == 0, result.stderr

    def chord(self, modifier, key):
        """Holds the modifier down over the key, as a person does: sent at machine speed, a
        screen reader's key listener can swallow the chord."""
        result = self._run("xdotool", "keydown", modifier, "sleep", "0.15", "key", key,
                           "sleep", "0.15", "keyup", modifier)
        assert result.returncode == 0, result.stderr

    def repeat(self, key, times):
        if times:
            result = self._run("xdotool", "key", "--delay", "15", "--repeat", str(times), key)
            assert result.returncode == 0, result.stderr

    def type(self, text):
        result = self._run("xdotool", "type", "--delay", "30", text)
        assert result.returncode == 0, result.stderr

    def click(self, x, y):
        result = self._run("xdotool", "mousemove", "--sync", str(x), str(y), "click", "1")
        assert result.returncode == 0, result.stderr

    def move_window(self, window, x, y):
        self._run("xdotool", "windowmove", "--sync", str(window), str(x), str(y))

    def windows(self, pid, name):
        """Visible top-level windows of the process whose title is exactly name."""
        result = self._run("xdotool", "search", "--all", "--onlyvisible", "--pid", str(pid),
                           "--name", "^%s$" % re.escape(name))
        return [int(w) for w in result.stdout.split()]

    def focused_window(self):
        """The window with the keyboard focus, with or without a window manager."""
        out = self._run("xdotool", "getwindowfocus", "-f").stdout.strip()
        return int(out) if out.isdigit() else None

    def active_window(self):
        out = self._run("xdotool", "getactivewindow").stdout.strip()
        return int(out) if out.isdigit() else None

    def pixels(self, window, x, y, width, height):
        """The pixels the window shows in a rectangle of its own, row by row."""
        display = _xlib.XOpenDisplay(self.display.encode())
        image = _xlib.XGetImage(display, window, x, y, width, height, 2 ** 64 - 1, 2)  # ZPixmap
        assert image, "window %d shows no such rectangle" % window
        pixels = [_xlib.XGetPixel(image, i, j) for j in range(height) for i in range(width)]
        _xlib.XDestroyImage(image)
        _xlib.XCloseDisplay(display)
        return pixels

    def prop(self, window, name):
        return self._run("xprop", "-id", str(window), name).stdout

    def icon_sizes(self, window):
        """The sizes of the pictures in the window's icon, e.g. [(32, 32), (64, 64)]."""
        out = self.prop(window, "_NET_WM_ICON")
        return [(int(w), int(h)) for w, h in re.findall(r"Icon \((\d+) x (\d+)\)", out)]

    def state(self, window):
        return self.prop(window, "_NET_WM_STATE")

    def client(self, window):
        """The window's own rectangle, without the window manager's frame."""
        info = self._run("xwininfo", "-id", str(window)).stdout
        values = []
        for key in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"):
            match = re.search(r"^\s*%s:\s+(-?\d+)" % re.escape(key), info, re.M)
            values.append(int(match.group(1)))
        return tuple(values)

    def frame(self, window):
        """The window's outer rectangle, its window manager frame included."""
        x, y, width, height = self.client(window)
        left = right = top = bottom = 0
        extents = re.search(r"= (\d+), (\d+), (\d+), (\d+)",
                            self.prop(window, "_NET_FRAME_EXTENTS"))
        if extents:
            left, right, top, bottom = map(int, extents.groups())
        return x - left, y - top, width + left + right, height + top + bottom
