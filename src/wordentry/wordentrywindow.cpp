#include "wordentry/wordentrywindow.h"

#include "ui/fonts.h"
#include "ui/noticebar.h"
#include "ui/speech.h"
#include "ui/twips.h"
#include "widgets/richtextbox.h"
#include "wordentry/savefile.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
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
constexpr QRect kSpeakButton(240, 5010, 1200, 420);
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
        return kCrLf + content + u',';
    return content + u',';
}

WordEntryWindow::WordEntryWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("engnyu"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("英単語入力"));
    setFont(uiFont(Face::Gothic, 9));
    setFixedSize(twipsRect(0, 0, kClientWidth, kClientHeight).size());
    buildTemplates();
    buildRowsAndSymbols();
}

void WordEntryWindow::buildTemplates()
{
    auto* label = new QLabel(QStringLiteral("英単語"), this);
    label->setObjectName(arrayName("Label1", 0));
    place(label, kLabelTemplate);
    m_captions.push_back(label);

    auto* box = new QLineEdit(this);
    box->setObjectName(arrayName("Text1", 0));
    place(box, kTextTemplate);
    box->installEventFilter(this);
    keepOneLine(box);
    m_boxes.push_back(box);

    auto* key = new QPushButton(this);
    key->setObjectName(arrayName("cmdKey1", 0));
    key->setFont(uiFont(Face::Gothic, 12));
    key->setFocusPolicy(Qt::StrongFocus); // a click takes the focus from the boxes
    key->setAutoDefault(true);            // Enter presses a focused button as Space does
    place(key, kKeyTemplate);
    connect(key, &QPushButton::clicked, this, [this] { addSymbol(0); });
    m_symbolKeys.push_back(key);

    m_entryText = new RichTextBox(this);
    m_entryText->setObjectName(QStringLiteral("RichTextBox1"));
    m_entryText->setAccessibleName(QStringLiteral("入力した単語"));
    m_entryText->setTabChangesFocus(true); // Tab moves on; a tab character would split a saved line
    place(m_entryText, kEntryText);

    m_save = new QPushButton(QStringLiteral("データ保存"), this);
    m_save->setObjectName(QStringLiteral("cmdSave"));
    m_save->setFocusPolicy(Qt::StrongFocus);
    m_save->setAutoDefault(true); // Enter presses it as Space does
    place(m_save, kSaveButton);
    connect(m_save, &QPushButton::clicked, this, &WordEntryWindow::saveEntries);

    // 発音 speaks the English box. It takes no focus, so using it never
    // leaves a box and adds no entry.
    auto* speak = new QPushButton(QStringLiteral("発音"), this);
    speak->setObjectName(QStringLiteral("cmdHatuon"));
    speak->setFocusPolicy(Qt::NoFocus);
    place(speak, kSpeakButton);
    connect(speak, &QPushButton::clicked, this, [this] { speakAloud(this, {m_boxes[0]->text()}); });

    // Under the controls, growing the window: that nothing can be spoken.
    auto* notice = new NoticeBar(this);
    notice->setPlacement(NoticeBar::Placement::BelowControls);
}

void WordEntryWindow::buildRowsAndSymbols()
{
    // Rows 1 and 2 copy row 0 and stack below it, 200 twips apart.
    const int t0 = kLabelTemplate.y();
    const int h = kLabelTemplate.height();
    for (int i = 1; i <= 2; ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(arrayName("Label1", i));
        label->setFont(m_captions[0]->font());
        const int top = t0 + i * h + i * kRowGap;
        place(label, QRect(kLabelTemplate.x(), top, kLabelTemplate.width(), h));
        label->setVisible(true);
        m_captions.push_back(label);

        auto* box = new QLineEdit(this);
        box->setObjectName(arrayName("Text1", i));
        box->setFont(m_boxes[0]->font());
        place(box, QRect(kTextTemplate.x(), top, kTextTemplate.width(), kTextTemplate.height()));
        box->installEventFilter(this);
        keepOneLine(box);
        box->setVisible(true);
        m_boxes.push_back(box);
    }
    for (int i = 0; i <= 2; ++i)
        m_captions[i]->setBuddy(m_boxes[i]); // the caption names its box for assistive technology
    m_captions[1]->setText(QStringLiteral("日本語訳"));
    m_captions[2]->setText(QStringLiteral("発音　など"));

    // Symbol buttons 1 to 10 follow button 0 in one row.
    m_symbolKeys[0]->setText(kPhoneticSymbols.at(0));
    for (int k = 1; k < kPhoneticButtons; ++k) {
        auto* key = new QPushButton(this);
        key->setObjectName(arrayName("cmdKey1", k));
        key->setFont(m_symbolKeys[0]->font());
        key->setFocusPolicy(m_symbolKeys[0]->focusPolicy());
        key->setAutoDefault(true);
        const int left = kKeyTemplate.x() + int(std::lround(double(k) * kKeyTemplate.width() + 10));
        place(key, QRect(left, kKeyTemplate.y(), kKeyTemplate.width(), kKeyTemplate.height()));
        key->setVisible(true);
        key->setText(kPhoneticSymbols.at(k));
        connect(key, &QPushButton::clicked, this, [this, k] { addSymbol(k); });
        m_symbolKeys.push_back(key);
    }

    // Keyboard order: the three boxes, the symbols, the entry text, save.
    QWidget* previous = m_boxes[0];
    auto chain = [&previous](QWidget* next) {
        setTabOrder(previous, next);
        previous = next;
    };
    chain(m_boxes[1]);
    chain(m_boxes[2]);
    for (QPushButton* key : m_symbolKeys)
        chain(key);
    chain(m_entryText);
    chain(m_save);
    m_boxes[0]->setFocus(Qt::OtherFocusReason);
}

void WordEntryWindow::addSymbol(int index)
{
    if (index < 0 || index >= int(m_symbolKeys.size()))
        return;
    m_boxes[2]->setText(m_boxes[2]->text() + m_symbolKeys[index]->text());
}

void WordEntryWindow::appendBoxToEntry(int index)
{
    if (index < 0 || index >= int(m_boxes.size()))
        return;
    m_entryText->setText(m_entryText->Text() + entryAppendix(index, m_boxes[index]->text()));
    m_entryText->moveCursor(QTextCursor::End); // keep the newest entry in view
}

void WordEntryWindow::saveEntries()
{
    saveToFile(this, *m_entryText);
}

bool WordEntryWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        // Enter in a box goes on to the next one, from the note back to the
        // English word, so words are entered one after another by keyboard.
        const int key = static_cast<QKeyEvent*>(event)->key();
        for (int i = 0; i < int(m_boxes.size()); ++i) {
            if (m_boxes[i] == watched && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
                m_boxes[(i + 1) % m_boxes.size()]->setFocus(Qt::TabFocusReason);
                return true;
            }
        }
    }
    if (event->type() == QEvent::FocusOut) {
        // Switching to another window or opening a context menu leaves the
        // box the active one of this window; only a move inside it counts.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            for (int i = 0; i < int(m_boxes.size()); ++i)
                if (m_boxes[i] == watched)
                    appendBoxToEntry(i);
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace lumo
