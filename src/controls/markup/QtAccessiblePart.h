#pragma once

#include <QAccessibleInterface>
#include <QAccessibleWidget>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <map>
#include <string>

// A part of an owner-drawn widget that screen readers see as an object of
// its own: a grid cell, a column heading, an option, a tab. It has no
// QObject; it reads the widget whenever asked and is invalid once the
// widget is gone. Parts are registered with QAccessible, which hands out
// their ids; TAccessibleParts keeps them and deletes them again.
class TAccessiblePart : public QAccessibleInterface {
public:
    explicit TAccessiblePart(QWidget& owner) : m_owner(&owner) {}

    bool isValid() const override { return !m_owner.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    // The owner's interface.
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}

protected:
    QWidget* Owner() const { return m_owner.data(); }
    // A rectangle of `widget` (the owner or one of its children) on the screen.
    static QRect OnScreen(const QWidget& widget, const QRect& rect);

private:
    QPointer<QWidget> m_owner;
};

// The parts of one widget by a key of the widget's choosing, made when
// first asked for and deleted together.
class TAccessibleParts {
public:
    TAccessibleParts() = default;
    TAccessibleParts(const TAccessibleParts&) = delete;
    TAccessibleParts& operator=(const TAccessibleParts&) = delete;
    ~TAccessibleParts() { Clear(); }

    QAccessibleInterface* Get(int key, const std::function<QAccessibleInterface*()>& make);
    void Clear();

private:
    std::map<int, QAccessible::Id> m_ids;
};

// A widget whose children are all parts, made when first asked for and kept
// until ForgetParts. Finding a part's index walks the parts; a widget with
// many overrides indexOfChild.
class TPartsAccessible : public QAccessibleWidget {
public:
    TPartsAccessible(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    int childCount() const override { return PartCount(); }
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

protected:
    virtual int PartCount() const = 0;
    virtual QAccessibleInterface* NewPart(int index) const = 0;
    // The index of the part under a point of the widget, -1 for none.
    virtual int PartAt(const QPoint& at) const = 0;
    void ForgetParts() { m_parts.Clear(); }

private:
    mutable TAccessibleParts m_parts;
};

// An owner-drawn widget that reads as a label: its name is `Text`'s,
// unless the program gave it an accessible name of its own.
class TLabelAccessible : public QAccessibleWidget {
public:
    TLabelAccessible(QWidget* widget, std::function<std::string()> text)
        : QAccessibleWidget(widget, QAccessible::StaticText), m_text(std::move(text)) {}
    QString text(QAccessible::Text t) const override;

private:
    std::function<std::string()> m_text;
};

// A factory for QAccessible::installFactory: widgets of class T (by its
// own class name) get the interface `make` returns.
template <typename T, QAccessibleInterface* (*Make)(T*)>
QAccessibleInterface* AccessibleFactoryOf(const QString& className, QObject* object) {
    if (object == nullptr || !object->isWidgetType() || className != QLatin1String(T::staticMetaObject.className()))
        return nullptr;
    return Make(static_cast<T*>(object));
}
