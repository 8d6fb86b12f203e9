#include "ui/accessibility.h"

#include <QAbstractSlider>
#include <QAccessibleWidget>
#include <QLabel>
#include <QVariant>

namespace stud {

namespace {

constexpr const char* kRoleProperty = "studAccessibleRole";
constexpr const char* kValueTextProperty = "studAccessibleValueText";
constexpr const char* kSpokenProperty = "studSpokenLabel";

// Read-only words through the text interface, which screen readers use to
// read, review and spell a text; no caret, no selection.
class Words : public QAccessibleTextInterface {
  public:
    QString text(int start, int end) const override { return words().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(words().size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override {
        *start = *end = offset;
        return {};
    }

  protected:
    virtual QString words() const = 0;
};

// A label that is only words: its text, through the text interface too.
class WordsLabel final : public QAccessibleWidget, public Words {
  public:
    explicit WordsLabel(QLabel* w) : QAccessibleWidget(w, QAccessible::StaticText) {}
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return words();
        return QAccessibleWidget::text(t);
    }
    using Words::text;

  protected:
    QString words() const override { return static_cast<QLabel*>(object())->text(); }
};

// A slider read as a spin box with words: Orca speaks a spin button's text
// when it takes the focus and when its value changes, where it would speak
// a slider's bare step number.
class WordedSpinBox final : public QAccessibleWidget,
                            public QAccessibleValueInterface,
                            public Words {
  public:
    explicit WordedSpinBox(QAbstractSlider* w) : QAccessibleWidget(w, QAccessible::SpinBox) {}

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
        if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return words();
        return QAccessibleWidget::text(t);
    }

    // ---- value: the slider's step ------------------------------------------
    QVariant currentValue() const override { return slider()->value(); }
    void setCurrentValue(const QVariant& v) override { slider()->setValue(v.toInt()); }
    QVariant maximumValue() const override { return slider()->maximum(); }
    QVariant minimumValue() const override { return slider()->minimum(); }
    QVariant minimumStepSize() const override { return slider()->singleStep(); }

    using Words::text;

  protected:
    QString words() const override { return object()->property(kValueTextProperty).toString(); }

  private:
    QAbstractSlider* slider() const { return static_cast<QAbstractSlider*>(object()); }
};

QAccessibleInterface* factory(const QString&, QObject* o) {
    if (!o || !o->isWidgetType()) return nullptr;
    auto* w = static_cast<QWidget*>(o);
    if (auto* slider = qobject_cast<QAbstractSlider*>(o);
        slider && o->property(kValueTextProperty).isValid())
        return new WordedSpinBox(slider);
    if (auto* label = qobject_cast<QLabel*>(o); label && o->property(kSpokenProperty).isValid())
        return new WordsLabel(label);
    const QVariant role = o->property(kRoleProperty);
    if (role.isValid())
        return new QAccessibleWidget(w, static_cast<QAccessible::Role>(role.toInt()));
    return nullptr;
}

} // namespace

void installAccessibility() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(factory);
}

void setAccessibleRole(QWidget* w, QAccessible::Role role) {
    w->setProperty(kRoleProperty, static_cast<int>(role));
}

void setAccessibleValueText(QWidget* slider, const QString& text) {
    if (slider->property(kValueTextProperty).toString() == text) return;
    // Orca reads the text afresh at each value change and focus.
    slider->setProperty(kValueTextProperty, text);
}

SpokenLabel::SpokenLabel(QWidget* parent) : QLabel(parent) {
    setProperty(kSpokenProperty, true);
    setTextFormat(Qt::PlainText);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void SpokenLabel::say(const QString& text) {
    if (text == QLabel::text()) return;
    setText(text); // the accessible name is the text (QLabel tells of the change)
}

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
    setAccessibleRole(this, QAccessible::Notification);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
    hide();
}

void Announcer::announce(const QString& text) {
    if (text.isEmpty()) return;
    last_ = text;
    ++count_;
    // Orca speaks a notification as it appears, so each report hides the
    // last one and shows itself anew.
    hide();
    setAccessibleName(text);
    show();
}

} // namespace stud
