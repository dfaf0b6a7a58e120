#pragma once

#include <array>
#include <functional>

class CCommandTarget;
class CCommandUpdate;

// The levels a command passes through, in the order they are asked.
enum class RouteLevel { View = 0, Document = 1, Frame = 2, Application = 3 };

// Routes commands and their update requests: the active view, then its
// document's handler, then the frame, then the application. The first level whose
// target handles the command gets it; a command nobody handles is disabled.
class CCommandRouter {
public:
    // Where a level's target comes from. It is asked anew at every routing, so a
    // view that went away is never reached; it may return null.
    using TargetSource = std::function<CCommandTarget*()>;

    void SetSource(RouteLevel level, TargetSource source);
    // A fixed target for a level (null clears it). The target must outlive the router
    // or be cleared first.
    void SetTarget(RouteLevel level, CCommandTarget* target);

    // The first target that handles the command; null when none does.
    CCommandTarget* FindTarget(int id) const;
    // Runs the command's update handler. Without a handler the command is disabled.
    CCommandUpdate Update(int id) const;
    // Carries out the command when a target handles it and its update says it is
    // enabled. Returns whether it was carried out.
    bool Route(int id) const;

private:
    std::array<TargetSource, 4> m_sources;
};
