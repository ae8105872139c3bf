#pragma once
// The notice bar: the one way the windows tell the learner about a problem
// that needs no answer (a file that could not be read, a course that came out
// smaller). A coloured bar with the message and a close button, inside the
// window, so nothing modal interrupts the learner. Problems that need an
// answer still go through the dialogs of the platform layer.
//
//   objectName      role
//   notice          the bar itself (a window may give it its own name)
//   noticeText      the message, wrapped over as many lines as it needs
//   noticeClose     hides the bar until the next message

#include <QFrame>

class QLabel;
class QToolButton;

namespace lumo {

class NoticeBar : public QFrame {
    Q_OBJECT
  public:
    enum class Kind { Information, Warning, Error };
    // Inline: the window lays the bar out; it only shows and hides.
    // BelowControls: for a window whose controls sit at fixed positions. The
    // bar lies under them across the whole width of its parent, and the
    // window grows by the bar's height while it shows (and shrinks back when
    // it is closed), so no control is moved or covered.
    enum class Placement { Inline, BelowControls };

    explicit NoticeBar(QWidget* parent = nullptr, Kind kind = Kind::Warning);

    // Shows the bar with `text`; an empty text hides it.
    void showNotice(const QString& text);
    // Adds `text` as a further line to the message showing, or shows it
    // alone. Invokable, so the speech library can reach a window's bar
    // without linking to this one.
    Q_INVOKABLE void addNotice(const QString& text);
    // Hides the bar and forgets its message.
    void clear();
    QString text() const;
    Kind kind() const { return m_kind; }
    void setKind(Kind kind);
    void setPlacement(Placement placement);

  signals:
    // The learner closed the bar with its close button.
    void closed();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void applyColours();
    void setShown(bool shown);
    // BelowControls: puts the bar under the controls and grows the window to hold it.
    void fitBelowControls();
    void growWindowBy(int pixels);

    Kind m_kind;
    Placement m_placement = Placement::Inline;
    int m_grownBy = 0; // pixels the window grew to hold the bar
    QLabel* m_text = nullptr;
    QToolButton* m_close = nullptr;
};

} // namespace lumo
