#pragma once

namespace platform {

// Ends the program at once, without a question: every window goes without
// being asked (no QueryUnload runs) and the event loop returns. The windows
// are destroyed once the event in progress is over; the program's main flushes
// them after its event loop (see app/startup.h).
void endProgram();

} // namespace platform
