#pragma once

#include "AlphaColor.h"

#include <QImage>
#include <QRect>

#include <functional>

class QWidget;

// Windows of their own (the main window, the login, the password change): their place on the
// screen and their modal showing.

// The bounds of a window that covers the work area at the screen's scale: the work area's size
// divided by the scale (truncated), at the top, one pixel to the left when the scale is above 1.
QRect WorkAreaBounds(const QRect &AWorkArea, double AScale);
// The same for the primary screen's work area and scale.
QRect WorkAreaBounds();
// The primary screen's work area (a 1020 x 500 area without a screen).
QRect WorkArea();

// The program's logo: its name drawn in the colour given, fitted to the size.
QImage LogoImage(const QSize &ASize, TAlphaColor AColor);

// Shows a window of its own modally: the rest of the program takes no input until the window is
// hidden (closed), and the call returns then. The login and the password change run this way,
// also before the main event loop has started.
void ExecuteModal(QWidget *AForm);

// What ExecuteModal does with a window: by default it shows the window and waits in a local event
// loop; tests install a runner that drives the window's controls and returns. Returns the runner
// it replaces; an empty one restores the default.
using TModalRunner = std::function<void(QWidget *AForm)>;
TModalRunner SetModalRunner(TModalRunner ARunner);
