#pragma once

// How the Classification Yard window is shown when it opens.
enum class YardWindowState { Minimized, Maximized, Normal };

// Where the yard's window keeps how it was last shown; the application's settings
// implement it.
class CYardWindowSettings {
public:
    virtual YardWindowState YardState() const = 0;
    virtual void SetYardState(YardWindowState state) = 0;

protected:
    ~CYardWindowSettings() = default;
};
