#pragma once

namespace lexaro {

// Ends the program from wherever the user asks for it, also from inside a modal window.
// Ending makes every open window's event loop return, so the code after a modal window
// (a follow-up step of a command) would run during the shutdown: such code asks
// isEnding() first and stops.
class ProgramExit
{
public:
    void end(int status);
    bool isEnding() const { return m_ending; }

private:
    bool m_ending = false;
};

} // namespace lexaro
