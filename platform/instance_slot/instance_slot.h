#pragma once

namespace platform {

// The one instance of a form (or of the runtime's Global object), created the
// first time anything asks for it. The slot is never cleared: unloading a form
// destroys its window, not the instance. Handlers ask the slot at every use
// instead of keeping the instance themselves.
//
// The instance is deliberately never deleted: it lives as long as the process,
// and its window is destroyed when the form unloads.
template <class T>
T &instance()
{
    static T *slot = nullptr;
    if (!slot)
        slot = new T;
    return *slot;
}

} // namespace platform
