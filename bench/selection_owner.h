#pragma once

#include <QByteArray>

#include <chrono>
#include <memory>

namespace lexaro::bench {

// Another program on the X11 clipboard, in this process: takes the CLIPBOARD selection and
// answers requests for its text from a thread of its own, or never answers at all.
class SelectionOwner
{
public:
    SelectionOwner();
    ~SelectionOwner();

    // Takes the clipboard with this text; returns the moment the X server was asked.
    std::chrono::steady_clock::time_point copy(const QByteArray& utf8);
    // Takes the clipboard and leaves every request unanswered.
    void copySilently();

private:
    struct State;
    std::unique_ptr<State> m_state;
};

} // namespace lexaro::bench
