#include "crossword/crosswordwindow.h"

#include "base/random.h"
#include "crossword/crosswordcells.h"
#include "ui/fonts.h"
#include "ui/noticebar.h"
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
    QLabel* CrosswordWindow::*member;
    const char* name;
    QString caption;
    cross::TwipsRect rect;
};

} // namespace

CrosswordWindow::CrosswordWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmCross"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("CrossWord"));
    setFont(uiFont(Face::Gothic, 9)); // the numbers beside the grid and everything without a font of its own
    buildControls();
    buildMenus();
    prepareWindow();
}

void CrosswordWindow::buildControls()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize); // the window keeps its designed size
    m_surface = new CrosswordSurface(this);
    m_surface->setObjectName(QStringLiteral("surface"));
    m_surface->setFixedSize(twipsToPixels(kClientWidth), twipsToPixels(kClientHeight));
    setColours(m_surface, Qt::white, kWindowBack);
    layout->addWidget(m_surface);

    m_title = new QLabel(QStringLiteral("CROSSWORD"), m_surface);
    m_title->setObjectName(QStringLiteral("Label1"));
    setTwipsGeometry(m_title, 630, 90, 3480, 465);
    m_title->setFont(uiFont(Face::Serif, 20, true));
    setColours(m_title, QColor(255, 255, 160));

    // The first option button; the other two are created below it at load.
    auto* op = new QRadioButton(QStringLiteral("右自動(&R)"), m_surface);
    op->setObjectName(QStringLiteral("opRightDown(0)"));
    op->setToolTip(QStringLiteral("カーソルを右に自動的に移動します"));
    setTwipsGeometry(op, 4455, 90, 1275, 195);
    op->setFont(uiFont(Face::Gothic, 8));
    setColours(op, kHeadingText);
    QPalette indicator = op->palette(); // the round mark stays light on the dark window
    indicator.setColor(QPalette::Base, Qt::white);
    indicator.setColor(QPalette::Text, Qt::black);
    op->setPalette(indicator);
    m_moveOptions.push_back(op);

    m_gridFrame = new QWidget(m_surface);
    m_gridFrame->setObjectName(QStringLiteral("Shape1"));
    m_gridFrame->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_gridFrame->setStyleSheet(QStringLiteral("#m_gridFrame { border: 1px solid rgb(192, 192, 192); }"));
    m_gridFrame->setAttribute(Qt::WA_StyledBackground);

    // The template cell supplies position, size and look; it takes no part in play.
    auto* templateCell = new CrosswordCell(0, m_surface);
    templateCell->setObjectName(QStringLiteral("txEizi(0)"));
    const cross::TwipsRect t = m_grid.templateCell();
    setTwipsGeometry(templateCell, t.left, t.top, t.width, t.height);
    templateCell->setBackColour(QColor(255, 255, 192));
    templateCell->hide();
    m_cells.push_back(templateCell);
    for (int k = 1; k <= cross::kCellCount; ++k) {
        auto* cell = new CrosswordCell(k, m_surface);
        cell->setObjectName(QStringLiteral("txEizi(%1)").arg(k));
        connect(cell, &CrosswordCell::keyDown, this, &CrosswordWindow::handleCellKey);
        connect(cell, &CrosswordCell::textChanged, this, &CrosswordWindow::moveAfterLetter);
        connect(cell, &CrosswordCell::mouseDown, this, &CrosswordWindow::rememberClickedCell);
        connect(cell, &CrosswordCell::focusLost, this, [this](int, Qt::FocusReason reason) {
            // Leaving the window or opening a menu gives the focus back by itself.
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                queueRefocus();
        });
        m_cells.push_back(cell);
    }

    const LabelSpec labels[] = {
        {&CrosswordWindow::m_acrossHeading, "Label2", QStringLiteral("横のカギ"), {6165, 135, 1185, 240}},
        {&CrosswordWindow::m_acrossClues, "lbYoko", QString(), {5895, 405, 1950, 6045}},
        {&CrosswordWindow::m_downHeading, "Label3", QStringLiteral("縦のカギ"), {8145, 135, 1320, 240}},
        {&CrosswordWindow::m_downClues, "lbTate", QString(), {7965, 360, 1905, 6090}},
    };
    for (const LabelSpec& entry : labels) {
        auto* label = new QLabel(entry.caption, m_surface);
        label->setObjectName(QString::fromLatin1(entry.name));
        label->setFont(uiFont(Face::Gothic, 9));
        setTwipsGeometry(label, entry.rect.left, entry.rect.top, entry.rect.width, entry.rect.height);
        this->*entry.member = label;
    }
    setColours(m_acrossHeading, kHeadingText);
    setColours(m_downHeading, kHeadingText);
    for (QLabel* list : {m_acrossClues, m_downClues}) {
        list->setTextFormat(Qt::PlainText);
        list->setWordWrap(true);
        list->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        list->setMargin(2);
        setColours(list, Qt::black, kClueBack);
    }

    m_successPicture = new ClickLabel(m_surface);
    m_successPicture->setObjectName(QStringLiteral("Image1"));
    setTwipsGeometry(m_successPicture, 180, 945, 5655, 4380);
    m_successPicture->setSvg(QStringLiteral(":/assets/good.svg"));
    m_successPicture->setCursor(Qt::PointingHandCursor);
    m_successPicture->setFocusPolicy(Qt::TabFocus); // takes the focus when shown; Enter or Space goes on
    m_successPicture->setAccessibleName(QStringLiteral("正解の絵（クリックまたは Enter で次の問題）"));
    m_successPicture->hide();
    connect(m_successPicture, &ClickLabel::clicked, this, &CrosswordWindow::dismissSuccess);

    m_good = new QLabel(QStringLiteral("Good!"), m_surface);
    m_good->setObjectName(QStringLiteral("lbGood"));
    setTwipsGeometry(m_good, 1710, 5355, 2580, 465);
    m_good->setFont(uiFont(Face::Serif, 20, true));
    m_good->setAlignment(Qt::AlignCenter);
    setColours(m_good, QColor(255, 255, 0));
    m_good->hide();

    m_startPrompt = new ClickLabel(m_surface);
    m_startPrompt->setObjectName(QStringLiteral("Text1"));
    m_startPrompt->setText(QStringLiteral("Click Here\nENTER"));
    m_startPrompt->setAlignment(Qt::AlignCenter);
    m_startPrompt->setFont(uiFont(Face::Script, 36, true));
    m_startPrompt->setFrameShape(QFrame::Box);
    m_startPrompt->resize(twipsToPixels(3615), twipsToPixels(1950));
    m_startPrompt->setCursor(Qt::PointingHandCursor);
    setColours(m_startPrompt, QColor(0, 0, 192), QColor(255, 192, 128));
    m_startPrompt->setAccessibleName(QStringLiteral("開始（クリックまたは Enter）"));
    m_startPrompt->hide();
    connect(m_startPrompt, &ClickLabel::clicked, this, &CrosswordWindow::startFromPrompt);

    // Under the grid: which word files could not be read for this grid.
    m_notice = new NoticeBar(m_surface);
    m_notice->setObjectName(QStringLiteral("lbMessage"));
    setTwipsGeometry(m_notice, 315, 6030, 5460, 720);
    m_notice->setFont(uiFont(Face::Gothic, 9));

    m_hintTimer = new QTimer(this);
    m_hintTimer->setObjectName(QStringLiteral("Timer1"));
    m_hintTimer->setInterval(1000);
    connect(m_hintTimer, &QTimer::timeout, this, &CrosswordWindow::showHintTick);
}

void CrosswordWindow::buildMenus()
{
    m_menuBar = new QMenuBar(this);
    m_menuBar->setObjectName(QStringLiteral("menuBar"));
    static_cast<QVBoxLayout*>(layout())->setMenuBar(m_menuBar);

    auto action = [](QWidget* owner, const char* name, const QString& caption) {
        auto* a = new QAction(caption, owner);
        a->setObjectName(QString::fromLatin1(name));
        owner->addAction(a);
        return a;
    };

    QMenu* courses = m_menuBar->addMenu(QStringLiteral("コース選択(&C)"));
    courses->setObjectName(QStringLiteral("mnuCourse"));
    const QString digits = QStringLiteral("１２３４５");
    for (int k = 1; k <= cross::kCourseCount; ++k) {
        QAction* item = courses->addAction(QStringLiteral("コース%1(&%2)").arg(digits.at(k - 1)).arg(k));
        item->setObjectName(QStringLiteral("mnuCourse1(%1)").arg(k));
        connect(item, &QAction::triggered, this, [this, k] { chooseCourse(k); });
    }
    connect(action(courses, "mnuHint", QStringLiteral("ヒント(&H)")), &QAction::triggered, this,
            &CrosswordWindow::startHint);

    connect(action(m_menuBar, "mnuNext", QStringLiteral("次問題(&N)")), &QAction::triggered, this,
            &CrosswordWindow::nextPuzzle);
    connect(action(m_menuBar, "mnuHantei", QStringLiteral("判定(&J)")), &QAction::triggered, this,
            &CrosswordWindow::checkAnswers);
    connect(action(m_menuBar, "mnuAnser", QStringLiteral("解答(&A)")), &QAction::triggered, this,
            &CrosswordWindow::revealAnswers);

    QMenu* moves = m_menuBar->addMenu(QStringLiteral("自動移動(&M)"));
    moves->setObjectName(QStringLiteral("mnuMuve"));
    const char* moveItems[] = {"mnuRightMv", "mnuDownMv", "mnuHandMv"};
    const QString moveCaptions[] = {QStringLiteral("右自動移動(&R)"), QStringLiteral("下部自動移動(&D)"),
                                    QStringLiteral("手動移動(&H)")};
    for (int mode = 0; mode < 3; ++mode)
        connect(action(moves, moveItems[mode], moveCaptions[mode]), &QAction::triggered, this,
                [this, mode] { setMoveMode(mode); });

    // Keeping the grid between runs is not offered.
    action(m_menuBar, "mnuMemori", QStringLiteral("メモリ保持(&M)"))->setEnabled(false);

    buildPrintMenu();
}

void CrosswordWindow::prepareWindow()
{
    const int menuTwips = m_menuBar->sizeHint().height() * kTwipsPerPixel;
    sizeAndCentre(this, kClientWidth, kClientHeight + menuTwips);
    rnd().randomize();

    // The grid: cell k at (row, col), k = (row − 1) × 12 + col.
    const cross::TwipsRect t = m_grid.templateCell();
    for (int k = 1; k <= cross::kCellCount; ++k) {
        const int row = cross::rowOf(k);
        const int col = cross::colOf(k);
        CrosswordCell* cell = m_cells[k];
        cell->setGeometry(twipsRect(t.left + (col - 1) * t.width, t.top + (row - 1) * t.height, t.width, t.height));
        cell->setBackColour(QColor(255, 255, 192));
        cell->setAccessibleName(QStringLiteral("%1行%2列のマス").arg(row).arg(col));
        cell->show();
    }
    const QRect first = m_cells[1]->geometry();
    m_gridFrame->setGeometry(first.left(), first.top(), cross::kGridSize * first.width(),
                             m_cells[cross::kCellCount]->geometry().top() - first.top() + first.height());
    m_gridFrame->show();
    m_gridFrame->lower();

    const QString captions[] = {QStringLiteral("下部自動(&D)"), QStringLiteral("手動移動(&H)")};
    const QString tips[] = {QStringLiteral("カーソルを下部に自動的に移動します"),
                            QStringLiteral("カーソルは自動的に移動しません")};
    for (int k = 1; k <= 2; ++k) {
        const QRect above = m_moveOptions[k - 1]->geometry();
        auto* op = new QRadioButton(captions[k - 1], m_surface);
        op->setObjectName(QStringLiteral("opRightDown(%1)").arg(k));
        op->setToolTip(tips[k - 1]);
        op->setFont(m_moveOptions[0]->font());
        op->setPalette(m_moveOptions[0]->palette());
        op->setGeometry(above.left(), above.top() + m_moveOptions[0]->height() + twipsToPixels(30),
                        m_moveOptions[0]->width(), m_moveOptions[0]->height());
        op->show();
        m_moveOptions.push_back(op);
    }
    for (int i = 0; i < int(m_moveOptions.size()); ++i) {
        m_moveOptions[i]->installEventFilter(this);
        connect(m_moveOptions[i], &QRadioButton::clicked, this, [this, i] { m_moveMode = i; });
    }
    m_moveOptions[0]->setChecked(true);

    readCourseWords(1, 3);
    shuffleWords();
    buildGrid();
    showGrid();
    m_course = 1;

    // The start prompt over the middle of the grid.
    const QRect frame = m_gridFrame->geometry();
    m_startPrompt->move(frame.left() + (frame.width() - m_startPrompt->width()) / 2,
                        frame.top() + (frame.height() - m_startPrompt->height()) / 2);
    m_startPrompt->show();
    m_startPrompt->raise();
}

bool CrosswordWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        for (int i = 0; i < int(m_moveOptions.size()); ++i) {
            // A press changes the mode at once; the click that follows
            // returns the focus to the grid.
            if (watched == m_moveOptions[i])
                setMoveMode(i);
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace lumo
