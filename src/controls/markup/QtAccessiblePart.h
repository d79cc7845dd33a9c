#pragma once

#include <QAccessibleInterface>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <map>

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
