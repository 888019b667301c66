#pragma once

#include <QObject>

class QKeyEvent;
class QWidget;

namespace lexaro {

class KeyboardMap;

// Shortcuts and access keys belong to the physical key: under the Persian layout Alt+A is the
// key that carries A in the Latin layout. These helpers keep that rule in one place.
namespace Keys {

// The key of a press as a shortcut sees it: held with Alt, the Latin letter or digit of the
// physical key where it has one; the key Qt reports otherwise.
int shortcutKey(const QKeyEvent& event, const KeyboardMap& keys);

// A press with Alt that would type a character. Such a press never types, as on the desktop
// the program was designed for; Alt keys are commands.
bool wouldTypeWithAlt(const QKeyEvent& event);

// Clicks the visible, enabled button of the window whose caption underlines this letter
// ("&Save" for Qt::Key_S). Returns whether there was one.
bool clickAccessKey(QWidget& window, int latinKey);

} // namespace Keys

// Installed on a window's QWindow: Alt+letter clicks the button with that access key under
// every layout, and no other Alt+character reaches the fields.
class AccessKeyFilter : public QObject
{
public:
    AccessKeyFilter(QWidget& window, const KeyboardMap& keys);
    // Watches the window from the moment it has a native window (call from showEvent), and
    // from then on is the only one to answer its buttons' access keys.
    void attach();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& m_window;
    const KeyboardMap& m_keys;
    bool m_attached = false;
};

} // namespace lexaro
