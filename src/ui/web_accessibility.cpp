// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web_accessibility.h"

#include <QAccessible>
#include <QApplication>
#include <QSet>
#include <QWidget>
#include <algorithm>
#include <emscripten/bind.h>
#include <emscripten/val.h>
#include <limits>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <tuple>
#include <vector>

namespace tanvera::web {

namespace {

using emscripten::val;

// The readouts whose new text is a command's result, said once it has run. The pointer readout
// changes at every move of the mouse and is read on demand only.
constexpr const char* AnnouncedReadouts[]
    = {"Label2", "Label5", "Label4(0)", "Label4(1)", "Label4(2)"};

// The mirrored interfaces, each an element of the page.
QSet<QAccessible::Id>& mirrored()
{
    static QSet<QAccessible::Id> ids;
    return ids;
}

val page()
{
    return val::global("tanveraAccessibility");
}

std::string utf8(const QString& text)
{
    return text.toStdString();
}

// What the page makes of a role: an element that a browser's screen reader knows. The empty kind
// is a plain container, made only when it holds something.
const char* kindOf(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::EditableText:
        return "textbox";
    case QAccessible::PushButton:
        return "button";
    case QAccessible::StaticText:
        return "text";
    case QAccessible::Grouping:
        return "group";
    case QAccessible::Chart:
        return "chart";
    case QAccessible::Window:
        return "window";
    case QAccessible::AlertMessage:
        return "alertdialog";
    case QAccessible::PopupMenu:
        return "menu";
    case QAccessible::MenuItem:
        return "menuitem";
    default:
        return "";
    }
}

enum Flag { Hidden = 1, ReadOnly = 2, Disabled = 4 };

int flagsOf(const QAccessible::State& state)
{
    return (state.invisible ? Hidden : 0) | (state.readOnly ? ReadOnly : 0)
        | (state.disabled ? Disabled : 0);
}

void update(QAccessibleInterface* iface)
{
    page().call<void>("update", QAccessible::uniqueId(iface), utf8(iface->text(QAccessible::Name)),
        utf8(iface->text(QAccessible::Value)), utf8(iface->text(QAccessible::Description)),
        flagsOf(iface->state()));
}

// A screen reader reads the page in its elements' order: the window as one reads it, the
// diagram top to bottom, then the chart with its readouts, then what spans the whole width.
std::vector<QAccessibleInterface*> inReadingOrder(QAccessibleInterface* parent)
{
    std::vector<QAccessibleInterface*> children;
    int chartLeft = std::numeric_limits<int>::max();
    for (int i = 0; i < parent->childCount(); ++i) {
        if (QAccessibleInterface* child = parent->child(i)) {
            children.push_back(child);
            if (child->role() == QAccessible::Chart)
                chartLeft = child->rect().left();
        }
    }
    const QRect whole = parent->rect();
    const auto key = [&](QAccessibleInterface* child) {
        const QRect at = child->rect();
        const int column = at.width() > whole.width() / 2 ? 2 : (at.left() >= chartLeft ? 1 : 0);
        return std::tuple(column, at.top(), at.left());
    };
    std::stable_sort(
        children.begin(), children.end(), [&](auto* a, auto* b) { return key(a) < key(b); });
    return children;
}

// Adds the element of `iface` and its children's to the element `parent` (0: the page's
// root). A message box's text is its element's own description: its label is not told twice.
bool add(QAccessibleInterface* iface, QAccessible::Id parent, const QString& skipText = {})
{
    const QAccessible::Role role = iface->role();
    const char* kind = kindOf(role);
    if (role == QAccessible::StaticText && !skipText.isEmpty()
        && iface->text(QAccessible::Name) == skipText)
        return false;
    const QAccessible::Id id = QAccessible::uniqueId(iface);
    page().call<void>("add", id, parent, std::string(kind));
    const QString message
        = role == QAccessible::AlertMessage ? iface->text(QAccessible::Value) : skipText;
    bool holdsSomething = *kind != '\0';
    for (QAccessibleInterface* child : inReadingOrder(iface))
        holdsSomething = add(child, id, message) || holdsSomething;
    if (!holdsSomething) {
        page().call<val>("remove", id);
        return false;
    }
    mirrored().insert(id);
    update(iface);
    return true;
}

void remove(QAccessible::Id id)
{
    const val removed = page().call<val>("remove", id);
    const int count = removed["length"].as<int>();
    for (int i = 0; i < count; ++i)
        mirrored().remove(removed[i].as<QAccessible::Id>());
}

// A window, shown at start-up or since (a message box, a menu), until it is deleted: Qt tells no
// update of that.
void addWindow(QAccessibleInterface* iface)
{
    if (!add(iface, 0))
        return;
    QObject::connect(
        iface->object(), &QObject::destroyed, [id = QAccessible::uniqueId(iface)] { remove(id); });
}

bool isAnnounced(QObject* object)
{
    const QString name = object ? object->objectName() : QString();
    return std::any_of(std::begin(AnnouncedReadouts), std::end(AnnouncedReadouts),
        [&](const char* readout) { return name == QLatin1String(readout); });
}

void focusInPage(QAccessibleInterface* iface)
{
    const QAccessible::Id id = QAccessible::uniqueId(iface);
    if (mirrored().contains(id))
        page().call<void>("focus", id);
}

void onUpdate(QAccessibleEvent* event)
{
    QAccessibleInterface* iface = event->accessibleInterface();
    if (!iface)
        return;
    const QAccessible::Id id = QAccessible::uniqueId(iface);
    switch (event->type()) {
    case QAccessible::Focus:
        focusInPage(iface);
        return;
    case QAccessible::ObjectShow:
        if (auto* window = qobject_cast<QWidget*>(iface->object());
            window && window->isWindow() && !mirrored().contains(id)) {
            addWindow(iface);
            if (QWidget* focus = QApplication::focusWidget(); focus && focus->window() == window)
                focusInPage(QAccessible::queryAccessibleInterface(focus));
            return;
        }
        break;
    default:
        break;
    }
    if (!mirrored().contains(id))
        return;
    update(iface);
    // A closed menu leaves the browser's focus nowhere, where no key reaches the program.
    if (event->type() == QAccessible::ObjectHide && QApplication::focusWidget())
        focusInPage(QAccessible::queryAccessibleInterface(QApplication::focusWidget()));
    if (event->type() == QAccessible::NameChanged && isAnnounced(iface->object()))
        page().call<void>("announce", utf8(iface->text(QAccessible::Name)));
}

// A screen reader moved its focus to an element: the window's focus follows.
void focusFromPage(QAccessible::Id id)
{
    QAccessibleInterface* iface = QAccessible::accessibleInterface(id);
    auto* widget = iface ? qobject_cast<QWidget*>(iface->object()) : nullptr;
    if (!widget || widget->hasFocus() || widget->focusPolicy() == Qt::NoFocus)
        return;
    widget->activateWindow();
    widget->setFocus(Qt::OtherFocusReason);
}

// A screen reader pressed an element, as a click would. A button presses itself a moment later,
// from the event loop, not inside the page's call.
void pressFromPage(QAccessible::Id id)
{
    QAccessibleInterface* iface = QAccessible::accessibleInterface(id);
    if (QAccessibleActionInterface* actions = iface ? iface->actionInterface() : nullptr)
        actions->doAction(QAccessibleActionInterface::pressAction());
}

} // namespace

void mirrorAccessibility()
{
    // Qt tells no accessibility updates until a platform's screen reader asks for them; here the
    // page is always listening.
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    QAccessible::installUpdateHandler(onUpdate);
    page().call<void>("start");
    QAccessibleInterface* application = QAccessible::queryAccessibleInterface(qApp);
    for (int i = 0; i < application->childCount(); ++i)
        addWindow(application->child(i));
    if (QWidget* focus = QApplication::focusWidget())
        focusInPage(QAccessible::queryAccessibleInterface(focus));
}

} // namespace tanvera::web

EMSCRIPTEN_BINDINGS(tanvera_accessibility)
{
    emscripten::function("tanveraAccessibleFocus", &tanvera::web::focusFromPage);
    emscripten::function("tanveraAccessiblePress", &tanvera::web::pressFromPage);
}
