#include "help/helpwindow.h"

#include "data/richtext.h"

#include "ui/fonts.h"
#include "ui/noticebar.h"
#include "ui/platform.h"
#include "ui/twips.h"
#include "widgets/richtextbox.h"

#include <QPushButton>

namespace lumo {
namespace {

// Sizes in twips.
constexpr int kClientWidth = 8400;
constexpr int kClientHeight = 6600;
constexpr int kMargin = 120;
constexpr int kButtonWidth = 1200;
constexpr int kButtonHeight = 420;
constexpr int kNoticeHeight = 300;
// Every line becomes a paragraph of the document, filled in one step: a few
// thousand take tens of milliseconds, eight times the help's own length.
constexpr qsizetype kMaxHelpLines = 2000;

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmHelpX"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("HELP"));
    setFont(uiFont(Face::Gothic, 9));

    m_forward = new QPushButton(QStringLiteral("進む"), this);
    m_forward->setObjectName(QStringLiteral("CmdFor"));
    connect(m_forward, &QPushButton::clicked, this, &HelpWindow::sayNoNextPage);

    m_back = new QPushButton(QStringLiteral("戻る"), this);
    m_back->setObjectName(QStringLiteral("CmdBack"));
    connect(m_back, &QPushButton::clicked, this, &HelpWindow::sayNoPreviousPage);
    for (QPushButton* button : {m_forward, m_back}) {
        button->setFocusPolicy(Qt::StrongFocus);
        button->setAutoDefault(true); // Enter presses the focused button as Space does
    }

    m_notice = new NoticeBar(this, NoticeBar::Kind::Error);
    m_notice->setObjectName(QStringLiteral("lbNotice"));
    connect(m_notice, &NoticeBar::closed, this, &HelpWindow::arrange);

    m_text = new RichTextBox(this);
    m_text->setObjectName(QStringLiteral("RichTextBox1"));
    m_text->setReadOnly(true);
    // Read by keyboard too: arrows and Page Up/Down move through the text,
    // Tab moves on to the buttons.
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_text->setTabChangesFocus(true);
    m_text->setAccessibleName(QStringLiteral("ヘルプの本文"));

    // Keyboard order as the eye reads: the text, then 戻る and 進む.
    setTabOrder(m_text, m_back);
    setTabOrder(m_back, m_forward);
    m_text->setFocus(Qt::OtherFocusReason);

    resize(twipsRect(0, 0, kClientWidth, kClientHeight).size());
    arrange();
}

void HelpWindow::showHelpText(const QString& path)
{
    const TextFile file = readShownText(path, kMaxHandWrittenTextBytes, kMaxHelpLines);
    m_text->setText(file.text);
    m_notice->showNotice(readProblemMessage(file, path));
    arrange();
}

void HelpWindow::sayNoNextPage()
{
    dialogs().notice(this, QStringLiteral("これ以上データはありません"));
}

void HelpWindow::sayNoPreviousPage()
{
    dialogs().notice(this, QStringLiteral("これ以上戻れません"));
}

void HelpWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    arrange();
}

void HelpWindow::arrange()
{
    // The buttons sit at the top left; the text fills the rest, below the
    // notice when there is one.
    const int margin = twipsToPixels(kMargin);
    const QSize button = twipsRect(0, 0, kButtonWidth, kButtonHeight).size();
    m_back->setGeometry(margin, margin, button.width(), button.height());
    m_forward->setGeometry(2 * margin + button.width(), margin, button.width(), button.height());
    int top = 2 * margin + button.height();
    if (!m_notice->isHidden()) {
        const int h = std::max(twipsToPixels(kNoticeHeight), m_notice->heightForWidth(width() - 2 * margin));
        m_notice->setGeometry(margin, top, width() - 2 * margin, h);
        top += h + margin;
    }
    m_text->setGeometry(margin, top, width() - 2 * margin, std::max(0, height() - top - margin));
}

} // namespace lumo
