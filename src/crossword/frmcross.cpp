#include "crossword/frmcross.h"

#include "app/random.h"
#include "crossword/frmcross_cell.h"
#include "ui/fonts.h"
#include "ui/twips.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

namespace lumo {

namespace {

// Client area in twips.
constexpr int kClientWidth = 9960;
constexpr int kClientHeight = 6780;

// The window is dark so that the word numbers printed in white beside the
// grid can be read; hidden cells show as dark blocks like a printed puzzle.
const QColor kWindowBack(24, 40, 88);
const QColor kHeadingText(255, 255, 255);
const QColor kClueBack(255, 255, 240);

struct LabelSpec {
    QLabel* FrmCross::*member;
    const char* name;
    QString caption;
    cross::TwipsRect rect;
};

} // namespace

FrmCross::FrmCross(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmCross"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("CrossWord"));
    setFont(uiFont(Face::Gothic, 9)); // the numbers beside the grid and everything without a font of its own
    buildControls();
    buildMenus();
    Form_Load();
}

void FrmCross::buildControls()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize); // the window keeps its designed size
    surface = new CrossSurface(this);
    surface->setObjectName(QStringLiteral("surface"));
    surface->setFixedSize(twipsToPixels(kClientWidth), twipsToPixels(kClientHeight));
    setColours(surface, Qt::white, kWindowBack);
    layout->addWidget(surface);

    Label1 = new QLabel(QStringLiteral("CROSSWORD"), surface);
    Label1->setObjectName(QStringLiteral("Label1"));
    setTwipsGeometry(Label1, 630, 90, 3480, 465);
    Label1->setFont(uiFont(Face::Serif, 20, true));
    setColours(Label1, QColor(255, 255, 160));

    // The first option button; the other two are created below it at load.
    auto* op = new QRadioButton(QStringLiteral("右自動(&R)"), surface);
    op->setObjectName(QStringLiteral("opRightDown(0)"));
    op->setToolTip(QStringLiteral("カーソルを右に自動的に移動します"));
    setTwipsGeometry(op, 4455, 90, 1275, 195);
    op->setFont(uiFont(Face::Gothic, 8));
    setColours(op, kHeadingText);
    QPalette indicator = op->palette(); // the round mark stays light on the dark window
    indicator.setColor(QPalette::Base, Qt::white);
    indicator.setColor(QPalette::Text, Qt::black);
    op->setPalette(indicator);
    opRightDown.push_back(op);

    Shape1 = new QWidget(surface);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setAttribute(Qt::WA_TransparentForMouseEvents);
    Shape1->setStyleSheet(QStringLiteral("#Shape1 { border: 1px solid rgb(192, 192, 192); }"));
    Shape1->setAttribute(Qt::WA_StyledBackground);

    // The template cell supplies position, size and look; it takes no part in play.
    auto* templateCell = new CrossCell(0, surface);
    templateCell->setObjectName(QStringLiteral("txEizi(0)"));
    const cross::TwipsRect t = m_grid.templateCell();
    setTwipsGeometry(templateCell, t.left, t.top, t.width, t.height);
    templateCell->setBackColour(QColor(255, 255, 192));
    templateCell->hide();
    txEizi.push_back(templateCell);
    for (int k = 1; k <= cross::kCellCount; ++k) {
        auto* cell = new CrossCell(k, surface);
        cell->setObjectName(QStringLiteral("txEizi(%1)").arg(k));
        connect(cell, &CrossCell::keyDown, this, &FrmCross::txEizi_KeyDown);
        connect(cell, &CrossCell::textChanged, this, &FrmCross::txEizi_Change);
        connect(cell, &CrossCell::mouseDown, this, &FrmCross::txEizi_MouseDown);
        connect(cell, &CrossCell::focusLost, this, [this](int index, Qt::FocusReason reason) {
            // Leaving the window or opening a menu gives the focus back by itself.
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                txEizi_LostFocus(index);
        });
        txEizi.push_back(cell);
    }

    const LabelSpec labels[] = {
        {&FrmCross::Label2, "Label2", QStringLiteral("横のカギ"), {6165, 135, 1185, 240}},
        {&FrmCross::lbYoko, "lbYoko", QString(), {5895, 405, 1950, 6045}},
        {&FrmCross::Label3, "Label3", QStringLiteral("縦のカギ"), {8145, 135, 1320, 240}},
        {&FrmCross::lbTate, "lbTate", QString(), {7965, 360, 1905, 6090}},
    };
    for (const LabelSpec& entry : labels) {
        auto* label = new QLabel(entry.caption, surface);
        label->setObjectName(QString::fromLatin1(entry.name));
        label->setFont(uiFont(Face::Gothic, 9));
        setTwipsGeometry(label, entry.rect.left, entry.rect.top, entry.rect.width, entry.rect.height);
        this->*entry.member = label;
    }
    setColours(Label2, kHeadingText);
    setColours(Label3, kHeadingText);
    for (QLabel* list : {lbYoko, lbTate}) {
        list->setTextFormat(Qt::PlainText);
        list->setWordWrap(true);
        list->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        list->setMargin(2);
        setColours(list, Qt::black, kClueBack);
    }

    Image1 = new ClickLabel(surface);
    Image1->setObjectName(QStringLiteral("Image1"));
    setTwipsGeometry(Image1, 180, 945, 5655, 4380);
    Image1->setSvg(QStringLiteral(":/assets/good.svg"));
    Image1->setCursor(Qt::PointingHandCursor);
    Image1->hide();
    connect(Image1, &ClickLabel::clicked, this, &FrmCross::Image1_Click);

    lbGood = new QLabel(QStringLiteral("Good!"), surface);
    lbGood->setObjectName(QStringLiteral("lbGood"));
    setTwipsGeometry(lbGood, 1710, 5355, 2580, 465);
    lbGood->setFont(uiFont(Face::Serif, 20, true));
    lbGood->setAlignment(Qt::AlignCenter);
    setColours(lbGood, QColor(255, 255, 0));
    lbGood->hide();

    Text1 = new ClickLabel(surface);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setText(QStringLiteral("Click Here\nENTER"));
    Text1->setAlignment(Qt::AlignCenter);
    Text1->setFont(uiFont(Face::Script, 36, true));
    Text1->setFrameShape(QFrame::Box);
    Text1->resize(twipsToPixels(3615), twipsToPixels(1950));
    Text1->setCursor(Qt::PointingHandCursor);
    setColours(Text1, QColor(0, 0, 192), QColor(255, 192, 128));
    Text1->hide();
    connect(Text1, &ClickLabel::clicked, this, &FrmCross::Text1_Click);

    lbMessage = new QLabel(surface);
    lbMessage->setObjectName(QStringLiteral("lbMessage"));
    setTwipsGeometry(lbMessage, 315, 6030, 5460, 720);
    lbMessage->setWordWrap(true);
    lbMessage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lbMessage->setFont(uiFont(Face::Gothic, 9));
    setColours(lbMessage, QColor(255, 200, 200));
    lbMessage->hide();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &FrmCross::Timer1_Timer);
}

void FrmCross::buildMenus()
{
    menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    static_cast<QVBoxLayout*>(layout())->setMenuBar(menuBar);

    auto action = [](QWidget* owner, const char* name, const QString& caption) {
        auto* a = new QAction(caption, owner);
        a->setObjectName(QString::fromLatin1(name));
        owner->addAction(a);
        return a;
    };

    mnuCourse = menuBar->addMenu(QStringLiteral("コース選択(&C)"));
    mnuCourse->setObjectName(QStringLiteral("mnuCourse"));
    mnuCourse1.push_back(nullptr);
    const QString digits = QStringLiteral("１２３４５");
    for (int k = 1; k <= cross::kCourseCount; ++k) {
        QAction* item = mnuCourse->addAction(QStringLiteral("コース%1(&%2)").arg(digits.at(k - 1)).arg(k));
        item->setObjectName(QStringLiteral("mnuCourse1(%1)").arg(k));
        connect(item, &QAction::triggered, this, [this, k] { mnuCourse1_Click(k); });
        mnuCourse1.push_back(item);
    }
    mnuHint = action(mnuCourse, "mnuHint", QStringLiteral("ヒント(&H)"));
    connect(mnuHint, &QAction::triggered, this, &FrmCross::mnuHint_Click);

    mnuNext = action(menuBar, "mnuNext", QStringLiteral("次問題(&N)"));
    connect(mnuNext, &QAction::triggered, this, &FrmCross::mnuNext_Click);
    mnuHantei = action(menuBar, "mnuHantei", QStringLiteral("判定(&J)"));
    connect(mnuHantei, &QAction::triggered, this, &FrmCross::mnuHantei_Click);
    mnuAnser = action(menuBar, "mnuAnser", QStringLiteral("解答(&A)"));
    connect(mnuAnser, &QAction::triggered, this, &FrmCross::mnuAnser_Click);

    mnuMuve = menuBar->addMenu(QStringLiteral("自動移動(&M)"));
    mnuMuve->setObjectName(QStringLiteral("mnuMuve"));
    mnuRightMv = action(mnuMuve, "mnuRightMv", QStringLiteral("右自動移動(&R)"));
    connect(mnuRightMv, &QAction::triggered, this, &FrmCross::mnuRightMv_Click);
    mnuDownMv = action(mnuMuve, "mnuDownMv", QStringLiteral("下部自動移動(&D)"));
    connect(mnuDownMv, &QAction::triggered, this, &FrmCross::mnuDownMv_Click);
    mnuHandMv = action(mnuMuve, "mnuHandMv", QStringLiteral("手動移動(&H)"));
    connect(mnuHandMv, &QAction::triggered, this, &FrmCross::mnuHandMv_Click);

    // Keeping the grid between runs is not offered.
    mnuMemori = action(menuBar, "mnuMemori", QStringLiteral("メモリ保持(&M)"));
    mnuMemori->setEnabled(false);

    buildPrintMenu();
}

void FrmCross::Form_Load()
{
    const int menuTwips = menuBar->sizeHint().height() * kTwipsPerPixel;
    sizeAndCentre(this, kClientWidth, kClientHeight + menuTwips);
    rnd().randomize();

    // The grid: cell k at (row, col), k = (row − 1) × 12 + col.
    const cross::TwipsRect t = m_grid.templateCell();
    for (int k = 1; k <= cross::kCellCount; ++k) {
        const int row = cross::rowOf(k);
        const int col = cross::colOf(k);
        CrossCell* cell = txEizi[k];
        cell->setGeometry(twipsRect(t.left + (col - 1) * t.width, t.top + (row - 1) * t.height, t.width, t.height));
        cell->setBackColour(QColor(255, 255, 192));
        cell->show();
    }
    const QRect first = txEizi[1]->geometry();
    Shape1->setGeometry(first.left(), first.top(), cross::kGridSize * first.width(),
                        txEizi[cross::kCellCount]->geometry().top() - first.top() + first.height());
    Shape1->show();
    Shape1->lower();

    const QString captions[] = {QStringLiteral("下部自動(&D)"), QStringLiteral("手動移動(&H)")};
    const QString tips[] = {QStringLiteral("カーソルを下部に自動的に移動します"),
                            QStringLiteral("カーソルは自動的に移動しません")};
    for (int k = 1; k <= 2; ++k) {
        const QRect above = opRightDown[k - 1]->geometry();
        auto* op = new QRadioButton(captions[k - 1], surface);
        op->setObjectName(QStringLiteral("opRightDown(%1)").arg(k));
        op->setToolTip(tips[k - 1]);
        op->setFont(opRightDown[0]->font());
        op->setPalette(opRightDown[0]->palette());
        op->setGeometry(above.left(), above.top() + opRightDown[0]->height() + twipsToPixels(30),
                        opRightDown[0]->width(), opRightDown[0]->height());
        op->show();
        opRightDown.push_back(op);
    }
    for (int i = 0; i < int(opRightDown.size()); ++i) {
        opRightDown[i]->installEventFilter(this);
        connect(opRightDown[i], &QRadioButton::clicked, this, [this, i] { opRightDown_Click(i); });
    }
    opRightDown[0]->setChecked(true);

    WordRead(1, 3);
    WordMix();
    CrossMake();
    CrossShow();
    courseNo = 1;

    // The start prompt over the middle of the grid.
    const QRect frame = Shape1->geometry();
    Text1->move(frame.left() + (frame.width() - Text1->width()) / 2,
                frame.top() + (frame.height() - Text1->height()) / 2);
    Text1->show();
    Text1->raise();
}

bool FrmCross::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        for (int i = 0; i < int(opRightDown.size()); ++i) {
            if (watched == opRightDown[i])
                opRightDown_MouseDown(i);
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace lumo
