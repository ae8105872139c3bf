#include "data/engnyu.h"

#include "data/savefile.h"
#include "ui/fonts.h"
#include "ui/richtextbox.h"
#include "ui/twips.h"

#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextCursor>

#include <algorithm>
#include <cmath>

namespace lumo {
namespace {

// Design-time rectangles in twips (left, top, width, height).
constexpr int kClientWidth = 6840;
constexpr int kClientHeight = 5640;
constexpr QRect kLabelTemplate(240, 240, 1335, 300);
constexpr QRect kTextTemplate(1680, 240, 4920, 360);
constexpr QRect kKeyTemplate(240, 1800, 540, 480);
constexpr QRect kEntryText(240, 2460, 6360, 2400);
constexpr QRect kSaveButton(4800, 5010, 1800, 420);
constexpr int kRowGap = 200;

void place(QWidget* w, const QRect& twips)
{
    setTwipsGeometry(w, twips.x(), twips.y(), twips.width(), twips.height());
}

QString arrayName(const char* name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

// The boxes hold one line: pasted text ends at its first line break, so an
// entry can never split a line of the saved course file.
void keepOneLine(QLineEdit* box)
{
    QObject::connect(box, &QLineEdit::textChanged, box, [box](const QString& text) {
        const auto isBreak = [](QChar c) { return c == u'\r' || c == u'\n'; };
        const auto cut = std::find_if(text.cbegin(), text.cend(), isBreak);
        if (cut != text.cend())
            box->setText(text.first(cut - text.cbegin()));
    });
}

} // namespace

QString entryAppendix(int index, const QString& content)
{
    if (index == 0)
        return QStringLiteral("\r\n") + content + u',';
    return content + u',';
}

Engnyu::Engnyu(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("engnyu"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("英単語入力"));
    setFont(uiFont(Face::Gothic, 9));
    setFixedSize(twipsRect(0, 0, kClientWidth, kClientHeight).size());
    buildTemplates();
    Form_Load();
}

void Engnyu::buildTemplates()
{
    auto* label = new QLabel(QStringLiteral("英単語"), this);
    label->setObjectName(arrayName("Label1", 0));
    place(label, kLabelTemplate);
    Label1.push_back(label);

    auto* box = new QLineEdit(this);
    box->setObjectName(arrayName("Text1", 0));
    place(box, kTextTemplate);
    box->installEventFilter(this);
    keepOneLine(box);
    Text1.push_back(box);

    auto* key = new QPushButton(this);
    key->setObjectName(arrayName("cmdKey1", 0));
    key->setFont(uiFont(Face::Gothic, 12));
    key->setFocusPolicy(Qt::StrongFocus); // a click takes the focus from the boxes
    place(key, kKeyTemplate);
    connect(key, &QPushButton::clicked, this, [this] { cmdKey1_Click(0); });
    cmdKey1.push_back(key);

    RichTextBox1 = new RichTextBox(this);
    RichTextBox1->setObjectName(QStringLiteral("RichTextBox1"));
    place(RichTextBox1, kEntryText);

    cmdSave = new QPushButton(QStringLiteral("データ保存"), this);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    cmdSave->setFocusPolicy(Qt::StrongFocus);
    place(cmdSave, kSaveButton);
    connect(cmdSave, &QPushButton::clicked, this, &Engnyu::cmdSave_Click);
}

void Engnyu::Form_Load()
{
    // Rows 1 and 2 copy row 0 and stack below it, 200 twips apart.
    const int t0 = kLabelTemplate.y();
    const int h = kLabelTemplate.height();
    for (int i = 1; i <= 2; ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(arrayName("Label1", i));
        label->setFont(Label1[0]->font());
        const int top = t0 + i * h + i * kRowGap;
        place(label, QRect(kLabelTemplate.x(), top, kLabelTemplate.width(), h));
        label->setVisible(true);
        Label1.push_back(label);

        auto* box = new QLineEdit(this);
        box->setObjectName(arrayName("Text1", i));
        box->setFont(Text1[0]->font());
        place(box, QRect(kTextTemplate.x(), top, kTextTemplate.width(), kTextTemplate.height()));
        box->installEventFilter(this);
        keepOneLine(box);
        box->setVisible(true);
        Text1.push_back(box);
    }
    Label1[1]->setText(QStringLiteral("日本語訳"));
    Label1[2]->setText(QStringLiteral("発音　など"));

    // Symbol buttons 1 to 10 follow button 0 in one row.
    cmdKey1[0]->setText(kPhoneticSymbols.at(0));
    for (int k = 1; k < kPhoneticButtons; ++k) {
        auto* key = new QPushButton(this);
        key->setObjectName(arrayName("cmdKey1", k));
        key->setFont(cmdKey1[0]->font());
        key->setFocusPolicy(cmdKey1[0]->focusPolicy());
        const int left = kKeyTemplate.x() + int(std::lround(double(k) * kKeyTemplate.width() + 10));
        place(key, QRect(left, kKeyTemplate.y(), kKeyTemplate.width(), kKeyTemplate.height()));
        key->setVisible(true);
        key->setText(kPhoneticSymbols.at(k));
        connect(key, &QPushButton::clicked, this, [this, k] { cmdKey1_Click(k); });
        cmdKey1.push_back(key);
    }

    // Keyboard order: the three boxes, the symbols, the entry text, save.
    QWidget* previous = Text1[0];
    auto chain = [&previous](QWidget* next) {
        setTabOrder(previous, next);
        previous = next;
    };
    chain(Text1[1]);
    chain(Text1[2]);
    for (QPushButton* key : cmdKey1)
        chain(key);
    chain(RichTextBox1);
    chain(cmdSave);
    Text1[0]->setFocus(Qt::OtherFocusReason);
}

void Engnyu::cmdKey1_Click(int index)
{
    if (index < 0 || index >= int(cmdKey1.size()))
        return;
    Text1[2]->setText(Text1[2]->text() + cmdKey1[index]->text());
}

void Engnyu::Text1_LostFocus(int index)
{
    if (index < 0 || index >= int(Text1.size()))
        return;
    RichTextBox1->setText(RichTextBox1->Text() + entryAppendix(index, Text1[index]->text()));
    RichTextBox1->moveCursor(QTextCursor::End); // keep the newest entry in view
}

void Engnyu::cmdSave_Click()
{
    saveToFile(this, *RichTextBox1);
}

bool Engnyu::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        // Switching to another window or opening a context menu leaves the
        // box the active one of this window; only a move inside it counts.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            for (int i = 0; i < int(Text1.size()); ++i)
                if (Text1[i] == watched)
                    Text1_LostFocus(i);
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace lumo
