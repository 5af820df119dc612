#ifndef STARTUPENVIRONMENT_H
#define STARTUPENVIRONMENT_H

// What the updater sets in its own environment before QApplication exists.
class StartupEnvironment
{
public:
    // The window paints with QPainter only, yet on X Qt loads and probes
    // OpenGL at start-up, which costs about half the start-up time and two
    // thirds of the memory. A value the user set is left alone.
    static void skipOpenGlIntegration();
    // Scaled by QT_SCALE_FACTOR or the screen's device pixel ratio, with
    // pictures sharp at it. Qt 6 always does both.
    static void scaleWithScreen();
};

#endif
