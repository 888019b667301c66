#include "ui/access_keys.h"

#include "platform/keyboard_map.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QKeySequence>
#include <QWidget>
#include <QWindow>

namespace lexaro::Keys {

int shortcutKey(const QKeyEvent& event, const KeyboardMap& keys)
{
    // Every shortcut of a letter or a digit is held with Alt, and the others (F1, F5) have no
    // Latin name: a typed letter need not ask the key map, which costs a round trip to the
    // X server on every keystroke.
    if (event.modifiers() & Qt::AltModifier) {
        if (const int latin = keys.latinKey(event.nativeScanCode()))
            return latin;
    }
    return event.key();
}

bool wouldTypeWithAlt(const QKeyEvent& event)
{
    if (!(event.modifiers() & Qt::AltModifier))
        return false;
    const QString text = event.text();
    return !text.isEmpty() && text.at(0).isPrint();
}

bool clickAccessKey(QWidget& window, int latinKey)
{
    const QKeySequence wanted(Qt::AltModifier | Qt::Key(latinKey));
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (button->isVisible() && button->isEnabled() &&
            QKeySequence::mnemonic(button->text()) == wanted) {
            // At once, not after animateClick()'s delay: the keys typed next (Enter for the
            // message the click brings up) must act after it, not before.
            button->click();
            return true;
        }
    }
    return false;
}

} // namespace lexaro::Keys

namespace lexaro {

AccessKeyFilter::AccessKeyFilter(QWidget& window, const KeyboardMap& keys)
    : QObject(&window), m_window(window), m_keys(keys)
{
}

void AccessKeyFilter::attach()
{
    if (!m_attached && m_window.windowHandle()) {
        m_window.windowHandle()->installEventFilter(this);
        m_attached = true;
        // The filter answers every access key itself. A button's own mnemonic would click
        // only after animateClick()'s delay, so that the keys typed next acted before it.
        for (QAbstractButton* button : m_window.findChildren<QAbstractButton*>())
            button->setShortcut(QKeySequence());
    }
}

bool AccessKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        const Qt::KeyboardModifiers held =
            key.modifiers() &
            (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
        if (held == Qt::AltModifier &&
            Keys::clickAccessKey(m_window, Keys::shortcutKey(key, m_keys)))
            return true;
        if (Keys::wouldTypeWithAlt(key))
            return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace lexaro
