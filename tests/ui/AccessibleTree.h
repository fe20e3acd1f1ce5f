#pragma once

#include <QAccessible>
#include <QQuickItem>
#include <QQuickWindow>
#include <QStringList>

// What a screen reader finds in a window, and what it would miss.
namespace AccessibleTree {

struct Node
{
    QAccessible::Role role;
    QString name;
    QString description;
    QString objectName;
    QObject *object;
};

inline bool isInteractive(QAccessibleInterface *node)
{
    switch (node->role()) {
    case QAccessible::Button:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::Link:
    case QAccessible::ComboBox:
    case QAccessible::ScrollBar:
    case QAccessible::Slider:
    case QAccessible::EditableText: return true;
    default: break;
    }
    QAccessibleActionInterface *actions = node->actionInterface();
    return actions && actions->actionNames().contains(QAccessibleActionInterface::pressAction());
}

inline void collect(QAccessibleInterface *node, QList<Node> &nodes, QStringList &faults, int depth = 0)
{
    if (!node || !node->isValid() || depth > 64)
        return;
    const QAccessible::State state = node->state();
    if (state.invisible)
        return;
    const QString objectName = node->object() ? node->object()->objectName() : QString();
    nodes.append({node->role(), node->text(QAccessible::Name), node->text(QAccessible::Description), objectName,
                  node->object()});
    if (isInteractive(node) && node->text(QAccessible::Name).trimmed().isEmpty())
        faults << QStringLiteral("unnamed control (role %1, object \"%2\")").arg(node->role()).arg(objectName);
    for (int i = 0; i < node->childCount(); ++i)
        collect(node->child(i), nodes, faults, depth + 1);
}

inline QString folded(QString text)
{
    return text.simplified();
}

// The texts a sighted person reads: every shown text item, in tree order.
inline void shownTexts(QQuickItem *item, QStringList &texts)
{
    if (!item || !item->isVisible() || item->opacity() <= 0.01)
        return;
    if (item->inherits("QQuickText") || item->inherits("QQuickTextEdit")) {
        const QString text = folded(item->property("text").toString());
        if (!text.isEmpty())
            texts << text;
    }
    for (QQuickItem *child : item->childItems())
        shownTexts(child, texts);
}

// The faults of the window's tree: unnamed controls, shown texts that no node
// names or describes, and the lack of any heading on a screen with one.
inline QStringList faults(QQuickWindow *window, QList<Node> *seen = nullptr)
{
    QList<Node> nodes;
    QStringList found;
    collect(QAccessible::queryAccessibleInterface(window), nodes, found);

    QString everything;
    for (const Node &node : std::as_const(nodes))
        everything += folded(node.name) + QLatin1Char('\n') + folded(node.description) + QLatin1Char('\n');
    QStringList texts;
    shownTexts(window->contentItem(), texts);
    for (const QString &text : std::as_const(texts)) {
        if (!everything.contains(text))
            found << QStringLiteral("text not in the tree: \"%1\"").arg(text);
    }
    if (seen)
        *seen = nodes;
    return found;
}

} // namespace AccessibleTree
