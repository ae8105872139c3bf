#include "help/frmhelpx.h"

#include "ui/fonts.h"
#include "ui/platform.h"
#include "ui/richtextbox.h"
#include "ui/twips.h"

#include <QLabel>
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

} // namespace

FrmHelpX::FrmHelpX(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmHelpX"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("HELP"));
    setFont(uiFont(Face::Gothic, 9));

    CmdFor = new QPushButton(QStringLiteral("進む"), this);
    CmdFor->setObjectName(QStringLiteral("CmdFor"));
    connect(CmdFor, &QPushButton::clicked, this, &FrmHelpX::CmdFor_Click);

    CmdBack = new QPushButton(QStringLiteral("戻る"), this);
    CmdBack->setObjectName(QStringLiteral("CmdBack"));
    connect(CmdBack, &QPushButton::clicked, this, &FrmHelpX::CmdBack_Click);

    lbNotice = new QLabel(this);
    lbNotice->setObjectName(QStringLiteral("lbNotice"));
    setColours(lbNotice, QColor(192, 0, 0));
    lbNotice->hide();

    RichTextBox1 = new RichTextBox(this);
    RichTextBox1->setObjectName(QStringLiteral("RichTextBox1"));
    RichTextBox1->setReadOnly(true);

    resize(twipsRect(0, 0, kClientWidth, kClientHeight).size());
    arrange();
}

void FrmHelpX::showHelpText(const QString& path)
{
    const TextFile file = RichTextBox1->LoadFile(path);
    const QString problem = readProblemMessage(file, path);
    lbNotice->setText(problem);
    lbNotice->setVisible(!problem.isEmpty());
    arrange();
}

void FrmHelpX::CmdFor_Click()
{
    dialogs().notice(this, QStringLiteral("これ以上データはありません"));
}

void FrmHelpX::CmdBack_Click()
{
    dialogs().notice(this, QStringLiteral("これ以上戻れません"));
}

void FrmHelpX::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    arrange();
}

void FrmHelpX::arrange()
{
    // The buttons sit at the top left; the text fills the rest, below the
    // notice when there is one.
    const int margin = twipsToPixels(kMargin);
    const QSize button = twipsRect(0, 0, kButtonWidth, kButtonHeight).size();
    CmdBack->setGeometry(margin, margin, button.width(), button.height());
    CmdFor->setGeometry(2 * margin + button.width(), margin, button.width(), button.height());
    int top = 2 * margin + button.height();
    if (!lbNotice->isHidden()) {
        const int h = twipsToPixels(kNoticeHeight);
        lbNotice->setGeometry(margin, top, width() - 2 * margin, h);
        top += h + margin;
    }
    RichTextBox1->setGeometry(margin, top, width() - 2 * margin, std::max(0, height() - top - margin));
}

} // namespace lumo
