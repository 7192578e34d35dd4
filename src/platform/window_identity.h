#pragma once

// Names the current GLX drawable (the GLUT window) to the desktop: WM_CLASS
// "veltrane"/"Veltrane", which docks match with the desktop entry, the icons
// icon16.png to icon64.png of the working folder (the data folder) as
// _NET_WM_ICON, _NET_WM_PID and WM_CLIENT_MACHINE. A window manager reads
// WM_CLASS when the window is mapped, and GLUT maps it on creation: the
// window is withdrawn and mapped again. A missing icon is left out.
void setWindowIdentity();
