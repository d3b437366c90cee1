#include "PopupAccessibility.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QGuiApplication>
#include <QWindow>

namespace murvane {

namespace {

// The application's children: every top-level window's accessible root, as
// Qt lists them, plus the visible popups Qt would skip.
class PopupAwareApplication : public QAccessibleApplication {
public:
    int childCount() const override { return int(children().size()); }

    QAccessibleInterface* child(int index) const override
    {
        const QObjectList list = children();
        if (index < 0 || index >= list.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(list.at(index));
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (!child || !child->object())
            return -1;
        return int(children().indexOf(child->object()));
    }

    QAccessibleInterface* focusChild() const override
    {
        // Keyboard focus lives in the popup while it is open.
        if (QWindow* popup = QGuiApplication::focusWindow(); popup && popup->type() == Qt::Popup)
            if (QAccessibleInterface* root = popup->accessibleRoot())
                return root;
        return QAccessibleApplication::focusChild();
    }

private:
    static QObjectList children()
    {
        QObjectList list;
        const QWindowList windows = QGuiApplication::topLevelWindows();
        for (QWindow* window : windows) {
            if (window->type() == Qt::Desktop)
                continue;
            if (window->type() == Qt::Popup && !window->isVisible())
                continue;
            if (QAccessibleInterface* root = window->accessibleRoot())
                if (QObject* object = root->object())
                    list.append(object);
        }
        return list;
    }
};

QAccessibleInterface* applicationFactory(const QString& className, QObject* object)
{
    if (object && object == QCoreApplication::instance()
        && (className == QLatin1String("QApplication") || className == QLatin1String("QGuiApplication")))
        return new PopupAwareApplication;
    return nullptr;
}

} // namespace

void installPopupAwareAccessibility()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(applicationFactory);
}

} // namespace murvane
