#pragma once

class CCommandUpdate;

// Something that carries out commands: a view, a document's handler, a frame or
// the application. The router asks each in turn whether it handles a command.
class CCommandTarget {
public:
    virtual ~CCommandTarget() = default;

    // Whether this target carries out the command; the router stops at the first
    // target that does.
    virtual bool HandlesCommand(int id) const = 0;
    // Carries out a command this target handles.
    virtual void OnCommand(int id) = 0;
    // Tells whether the command can run now, and its check mark and text. Called
    // only for commands this target handles; the update starts out enabled.
    virtual void OnUpdateCommand(int /*id*/, CCommandUpdate& /*update*/) {}
};
