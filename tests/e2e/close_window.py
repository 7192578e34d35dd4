"""Sends a window what a window manager sends when the player closes it: a
WM_PROTOCOLS client message carrying WM_DELETE_WINDOW. Bare Xvfb has no window
manager, and `xdotool windowclose` destroys the window instead."""
import ctypes
import struct
import sys

x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XInternAtom.restype = ctypes.c_ulong
display = ctypes.c_void_p(x11.XOpenDisplay(None))
if not display.value:
    sys.exit("close_window: cannot open the display")
window = int(sys.argv[1], 0)
protocols, delete = (x11.XInternAtom(display, name, 0) for name in (b"WM_PROTOCOLS", b"WM_DELETE_WINDOW"))
# An XClientMessageEvent in the XEvent union's 24 longs: ClientMessage (33), serial, send_event,
# display, window, message type, format 32, then the data: the protocol and CurrentTime.
event = ctypes.create_string_buffer(struct.pack("@iLiPLLi5l", 33, 0, 0, 0, window, protocols, 32, delete, 0, 0, 0, 0), 192)
if not x11.XSendEvent(display, ctypes.c_ulong(window), 0, ctypes.c_long(0), event):
    sys.exit("close_window: XSendEvent failed")
x11.XCloseDisplay(display)  # flushes the event
