#include "platform/linux/x11_work_area.h"

#include <QGuiApplication>
#include <QScreen>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

namespace lexaro {

namespace {

struct FreeXcb
{
    void operator()(void* p) const { std::free(p); }
};
template <typename T> using XcbPtr = std::unique_ptr<T, FreeXcb>;

xcb_atom_t internAtom(xcb_connection_t* c, const char* name)
{
    XcbPtr<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 1, uint16_t(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_NONE);
}

// A property of 32-bit values; empty when the window has none.
std::vector<uint32_t> cardinals(XcbPtr<xcb_get_property_reply_t> reply)
{
    if (!reply || reply->format != 32)
        return {};
    const auto* values = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
    return std::vector<uint32_t>(values, values + xcb_get_property_value_length(reply.get()) / 4);
}

std::vector<uint32_t> readCardinals(xcb_connection_t* c, xcb_window_t window, xcb_atom_t property,
                                    xcb_atom_t type)
{
    if (property == XCB_NONE)
        return {};
    return cardinals(XcbPtr<xcb_get_property_reply_t>(xcb_get_property_reply(
        c, xcb_get_property(c, 0, window, property, type, 0, 1024), nullptr)));
}

std::optional<QRect> publishedWorkArea(xcb_connection_t* c, xcb_window_t root)
{
    const std::vector<uint32_t> areas =
        readCardinals(c, root, internAtom(c, "_NET_WORKAREA"), XCB_ATOM_CARDINAL);
    const std::vector<uint32_t> current =
        readCardinals(c, root, internAtom(c, "_NET_CURRENT_DESKTOP"), XCB_ATOM_CARDINAL);
    const size_t desktop = current.empty() ? 0 : current.front();
    if (areas.size() < 4 * (desktop + 1))
        return std::nullopt;
    const uint32_t* a = &areas[4 * desktop];
    return QRect(int(a[0]), int(a[1]), int(a[2]), int(a[3]));
}

std::vector<xcb_window_t> childrenOf(xcb_connection_t* c, xcb_window_t window)
{
    XcbPtr<xcb_query_tree_reply_t> tree(
        xcb_query_tree_reply(c, xcb_query_tree(c, window), nullptr));
    if (!tree)
        return {};
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    return std::vector<xcb_window_t>(children,
                                     children + xcb_query_tree_children_length(tree.get()));
}

// The windows that may be docks: those of the window manager's client list, or without one
// the top-level windows and the windows inside them (a window manager's frames).
std::vector<xcb_window_t> candidateDocks(xcb_connection_t* c, xcb_window_t root)
{
    const std::vector<uint32_t> clients =
        readCardinals(c, root, internAtom(c, "_NET_CLIENT_LIST"), XCB_ATOM_WINDOW);
    if (!clients.empty())
        return {clients.begin(), clients.end()};
    std::vector<xcb_window_t> windows = childrenOf(c, root);
    const size_t topLevels = windows.size();
    for (size_t i = 0; i < topLevels; ++i) {
        const std::vector<xcb_window_t> inner = childrenOf(c, windows[i]);
        windows.insert(windows.end(), inner.begin(), inner.end());
    }
    return windows;
}

QList<X11WorkArea::Strut> readStruts(xcb_connection_t* c, xcb_window_t root, QSize rootSize)
{
    const xcb_atom_t partialAtom = internAtom(c, "_NET_WM_STRUT_PARTIAL");
    const xcb_atom_t strutAtom = internAtom(c, "_NET_WM_STRUT");
    if (partialAtom == XCB_NONE && strutAtom == XCB_NONE)
        return {}; // no program has ever named them
    const std::vector<xcb_window_t> windows = candidateDocks(c, root);
    // All questions first, then all answers: one round trip, however many windows.
    struct Asked
    {
        xcb_get_window_attributes_cookie_t attributes;
        xcb_get_property_cookie_t partial, strut;
    };
    std::vector<Asked> asked;
    asked.reserve(windows.size());
    for (const xcb_window_t w : windows)
        asked.push_back({xcb_get_window_attributes(c, w),
                         xcb_get_property(c, 0, w, partialAtom, XCB_ATOM_CARDINAL, 0, 12),
                         xcb_get_property(c, 0, w, strutAtom, XCB_ATOM_CARDINAL, 0, 4)});
    QList<X11WorkArea::Strut> struts;
    for (const Asked& a : asked) {
        XcbPtr<xcb_get_window_attributes_reply_t> attributes(
            xcb_get_window_attributes_reply(c, a.attributes, nullptr));
        std::vector<uint32_t> partial = cardinals(
            XcbPtr<xcb_get_property_reply_t>(xcb_get_property_reply(c, a.partial, nullptr)));
        std::vector<uint32_t> plain = cardinals(
            XcbPtr<xcb_get_property_reply_t>(xcb_get_property_reply(c, a.strut, nullptr)));
        if (!attributes || attributes->map_state != XCB_MAP_STATE_VIEWABLE)
            continue; // a panel that is not shown reserves nothing
        const auto at = [](const std::vector<uint32_t>& v, size_t i) { return int(v[i]); };
        X11WorkArea::Strut s;
        if (partial.size() >= 12) {
            s = {at(partial, 0), at(partial, 1), at(partial, 2),  at(partial, 3),
                 at(partial, 4), at(partial, 5), at(partial, 6),  at(partial, 7),
                 at(partial, 8), at(partial, 9), at(partial, 10), at(partial, 11)};
        } else if (plain.size() >= 4) {
            const int w = rootSize.width() - 1;
            const int h = rootSize.height() - 1;
            s = {at(plain, 0), at(plain, 1), at(plain, 2), at(plain, 3), 0, h, 0, h, 0, w, 0, w};
        } else {
            continue;
        }
        struts << s;
    }
    return struts;
}

} // namespace

QRect X11WorkArea::withoutStruts(const QRect& screen, QSize root, const QList<Strut>& struts)
{
    QRect area = screen;
    for (const Strut& s : struts) {
        if (s.left > 0 &&
            QRect(0, s.leftStartY, s.left, s.leftEndY - s.leftStartY + 1).intersects(screen))
            area.setLeft(std::max(area.left(), s.left));
        if (s.right > 0 &&
            QRect(root.width() - s.right, s.rightStartY, s.right, s.rightEndY - s.rightStartY + 1)
                .intersects(screen))
            area.setRight(std::min(area.right(), root.width() - s.right - 1));
        if (s.top > 0 &&
            QRect(s.topStartX, 0, s.topEndX - s.topStartX + 1, s.top).intersects(screen))
            area.setTop(std::max(area.top(), s.top));
        if (s.bottom > 0 && QRect(s.bottomStartX, root.height() - s.bottom,
                                  s.bottomEndX - s.bottomStartX + 1, s.bottom)
                                .intersects(screen))
            area.setBottom(std::min(area.bottom(), root.height() - s.bottom - 1));
    }
    // Panels that leave nothing are not believed.
    return area.isEmpty() ? screen : area;
}

QRect X11WorkArea::of(const QScreen& screen) const
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
    if (!c)
        return screen.availableGeometry(); // not on X11
    const xcb_screen_t* root = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    if (!root)
        return screen.geometry();
    if (const std::optional<QRect> published = publishedWorkArea(c, root->root)) {
        const QRect area = published->intersected(screen.geometry());
        if (!area.isEmpty())
            return area;
    }
    const QSize rootSize(root->width_in_pixels, root->height_in_pixels);
    return withoutStruts(screen.geometry(), rootSize, readStruts(c, root->root, rootSize));
}

} // namespace lexaro
