#include "platform/linux/x11_keyboard_layout_switcher.h"

#include <X11/Xatom.h>
#include <X11/XKBlib.h>
#include <X11/Xlib.h>

namespace lexaro {

namespace {

// The five NUL-separated fields of _XKB_RULES_NAMES: rules, model, layouts, variants,
// options.
QList<QByteArray> readRulesNames(Display* display)
{
    const Atom property = XInternAtom(display, "_XKB_RULES_NAMES", True);
    if (property == None)
        return {};
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, DefaultRootWindow(display), property, 0, 1024, False, XA_STRING,
                           &type, &format, &count, &remaining, &data) != Success ||
        !data)
        return {};
    const QByteArray raw(reinterpret_cast<const char*>(data), qsizetype(count));
    XFree(data);
    return raw.split('\0');
}

} // namespace

X11KeyboardLayoutSwitcher::X11KeyboardLayoutSwitcher() : m_display(XOpenDisplay(nullptr)) {}

X11KeyboardLayoutSwitcher::~X11KeyboardLayoutSwitcher()
{
    if (m_display)
        XCloseDisplay(m_display);
}

QByteArray X11KeyboardLayoutSwitcher::xkbLayoutFor(const QString& layoutId)
{
    if (layoutId == u"00000429")
        return QByteArrayLiteral("ir");
    if (layoutId == u"00000409")
        return QByteArrayLiteral("us");
    return {};
}

std::optional<int> X11KeyboardLayoutSwitcher::groupOf(const QByteArray& layout,
                                                      const QByteArray& layouts,
                                                      const QByteArray& variants)
{
    const QList<QByteArray> names = layouts.split(',');
    const QList<QByteArray> variantNames = variants.split(',');
    std::optional<int> withVariant;
    for (int i = 0; i < names.size() && i < XkbNumKbdGroups; ++i) {
        if (names[i].trimmed() != layout)
            continue;
        const QByteArray variant = i < variantNames.size() ? variantNames[i].trimmed() : "";
        if (variant.isEmpty())
            return i;
        if (!withVariant)
            withVariant = i;
    }
    return withVariant;
}

void X11KeyboardLayoutSwitcher::activate(const QString& layoutId)
{
    const QByteArray layout = xkbLayoutFor(layoutId);
    if (!m_display || layout.isEmpty())
        return;
    const QList<QByteArray> names = readRulesNames(m_display);
    if (names.size() < 4)
        return;
    if (const std::optional<int> group = groupOf(layout, names[2], names[3])) {
        XkbLockGroup(m_display, XkbUseCoreKbd, unsigned(*group));
        XFlush(m_display);
    }
}

} // namespace lexaro
