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

// The role of a box or list, by its objectName.
const QHash<QString, QString>& roles()
{
    static const QHash<QString, QString> table{
        {QStringLiteral("List1"), QStringLiteral("コース一覧")},
        {QStringLiteral("List2"), QStringLiteral("単語の意味の一覧")},
        {QStringLiteral("List3"), QStringLiteral("英単語の一覧")},
        {QStringLiteral("List4"), QStringLiteral("選択した問題の一覧")},
        {QStringLiteral("Text1"), QStringLiteral("問題")},
        {QStringLiteral("Text2"), QStringLiteral("解答欄")},
        {QStringLiteral("Text3"), QStringLiteral("答え")},
        {QStringLiteral("Text4"), QStringLiteral("問題数")},
        {QStringLiteral("Text5"), QStringLiteral("問題番号")},
        {QStringLiteral("txHatuon"), QStringLiteral("発音・注記")},
        {QStringLiteral("txSetumei"), QStringLiteral("操作方法")},
        {QStringLiteral("RichTextBox3"), QStringLiteral("例文")},
        {QStringLiteral("ProgressBar1"), QStringLiteral("残り時間")},
    };
    return table;
}

// Labels that head a box: label objectName → box objectName.
const QHash<QString, QString>& headings()
{
    static const QHash<QString, QString> table{
        {QStringLiteral("Label3"), QStringLiteral("List1")},
        {QStringLiteral("Label4"), QStringLiteral("List2")},
    };
    return table;
}

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
    QHash<QString, QWidget*> byName;
    for (QWidget* control : controls)
        byName.insert(control->objectName(), control);
    for (QWidget* control : controls) {
        auto* label = qobject_cast<QLabel*>(control);
        if (!label)
            continue;
        const auto heads = headings().constFind(label->objectName());
        if (heads != headings().cend() && byName.contains(*heads) && !label->buddy())
            label->setBuddy(byName.value(*heads));
    }
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
            control->setAccessibleName(
                buddyCaptions.value(control, roles().value(control->objectName(), kindName(control))));
    }
}

void nameControlsOfEveryWindow()
{
    qApp->installEventFilter(new NameOnFirstShow(qApp));
}

} // namespace lumo
