#include "ui/accessiblenames.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTextEdit>

namespace lumo {
namespace {

QString withoutAccessKeys(const QString& caption)
{
    QString shown;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == u'&' && i + 1 < caption.size())
            ++i;
        shown += caption.at(i);
    }
    return shown.simplified();
}

QString kindName(const QWidget* control)
{
    if (qobject_cast<const QListWidget*>(control))
        return QStringLiteral("一覧");
    if (qobject_cast<const QLineEdit*>(control))
        return QStringLiteral("入力欄");
    if (qobject_cast<const QTextEdit*>(control) || qobject_cast<const QPlainTextEdit*>(control))
        return QStringLiteral("テキスト");
    if (qobject_cast<const QProgressBar*>(control))
        return QStringLiteral("進み具合");
    return {};
}

bool isBox(const QWidget* control)
{
    return qobject_cast<const QListWidget*>(control) || qobject_cast<const QLineEdit*>(control) ||
           qobject_cast<const QTextEdit*>(control) || qobject_cast<const QPlainTextEdit*>(control) ||
           qobject_cast<const QProgressBar*>(control) || qobject_cast<const QComboBox*>(control) ||
           qobject_cast<const QAbstractSpinBox*>(control);
}

class NameOnFirstShow final : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            if (widget->isWindow() && !widget->property(kNamed).toBool()) {
                widget->setProperty(kNamed, true);
                nameControls(widget);
            }
        }
        return false;
    }

  private:
    static constexpr const char* kNamed = "lumoControlsNamed";
};

} // namespace

void nameControls(QWidget* window)
{
    const QList<QWidget*> controls = window->findChildren<QWidget*>();
    QHash<const QWidget*, QString> buddyCaptions;
    for (QWidget* control : controls)
        if (const auto* label = qobject_cast<const QLabel*>(control); label && label->buddy())
            buddyCaptions.insert(label->buddy(), withoutAccessKeys(label->text()));
    for (QWidget* control : controls) {
        if (!control->accessibleName().isEmpty())
            continue;
        // Buttons and labels are left to Qt, which reads out the caption they
        // show at the moment: many change theirs as the learner works.
        if (isBox(control))
            control->setAccessibleName(buddyCaptions.value(control, kindName(control)));
    }
}

void nameControlsOfEveryWindow()
{
    qApp->installEventFilter(new NameOnFirstShow(qApp));
}

} // namespace lumo
