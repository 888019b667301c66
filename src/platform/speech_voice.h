#pragma once

#include <QLocale>
#include <QString>

namespace lexaro {

// Speaks a text and returns when it has been spoken, or when the wait has run past what the
// text needs (a hung or missing engine never holds the program). The voice of the language
// is used where the engine has one, its default voice otherwise.
class SpeechVoice
{
public:
    virtual ~SpeechVoice() = default;
    virtual void speak(const QString& text, QLocale::Language language) = 0;
};

} // namespace lexaro
