#pragma once
// The widgets the crossword window is made of: the grid cell (a one-letter
// text box that reports its key, text, focus and mouse events to the window),
// a clickable label for the start prompt and the success picture, and the
// window surface the word numbers are printed on.

#include "crossword/grid.h"

#include <QColor>
#include <QLabel>
#include <QPixmap>
#include <QWidget>

#include <vector>

namespace lumo {

class CrosswordCell : public QWidget {
    Q_OBJECT
  public:
    CrosswordCell(int index, QWidget* parent);

    int index() const { return m_index; }
    const QString& text() const { return m_text; }
    // Replaces the text; textChanged follows when it differs.
    void setText(const QString& text);
    QColor textColour() const { return m_textColour; }
    void setTextColour(const QColor& colour);
    QColor backColour() const { return m_backColour; }
    void setBackColour(const QColor& colour);
    bool hasBorder() const { return m_border; }
    void setBorder(bool border);
    int fontSize() const { return m_fontSize; }
    void setFontSize(int points);
    // A letter judged wrong is underlined as well as coloured, so the mark
    // does not rest on colour alone; assistive technology hears "間違い".
    bool markedWrong() const { return m_markedWrong; }
    void setMarkedWrong(bool wrong);
    // Visible and enabled: a cell a letter can be typed into.
    bool usable() const { return !isHidden() && isEnabled(); }

  signals:
    void keyDown(int index, int windowsKey);
    void textChanged(int index);
    void focusLost(int index, Qt::FocusReason reason);
    void mouseDown(int index);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool focusNextPrevChild(bool next) override;

  private:
    int m_index;
    QString m_text;
    QColor m_textColour = Qt::black;
    QColor m_backColour = Qt::white;
    bool m_border = true;
    int m_fontSize = 18;
    bool m_markedWrong = false;
};

// A label that reports a click (press and release inside it), or Enter or
// Space while it has the focus.
class ClickLabel : public QLabel {
    Q_OBJECT
  public:
    explicit ClickLabel(QWidget* parent);
    // Shows an SVG picture scaled to the label, keeping its proportions,
    // centred. It is drawn when first painted (through Qt's SVG image-format
    // plugin; without it the label stays empty) and let go when hidden.
    void setSvg(const QString& resource);

  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    QString m_svg;
    QPixmap m_picture;      // m_svg drawn for m_pictureSize
    QSize m_pictureSize;    // the label's size in device pixels m_picture was drawn for
    QPoint m_pictureOffset; // where m_picture lies in the label, in device pixels
    bool m_pressed = false;
};

// The client area of the crossword window. Word numbers printed on it stay
// until the next grid and are drawn again whenever the area is repainted;
// the cells lie on top of them.
class CrosswordSurface : public QWidget {
    Q_OBJECT
  public:
    explicit CrosswordSurface(QWidget* parent);
    void setMarks(std::vector<cross::NumberMark> marks);
    const std::vector<cross::NumberMark>& marks() const { return m_marks; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<cross::NumberMark> m_marks;
};

} // namespace lumo
