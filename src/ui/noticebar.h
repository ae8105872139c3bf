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

    explicit NoticeBar(QWidget* parent = nullptr, Kind kind = Kind::Warning);

    // Shows the bar with `text`; an empty text hides it.
    void showNotice(const QString& text);
    // Hides the bar and forgets its message.
    void clear();
    QString text() const;
    Kind kind() const { return m_kind; }
    void setKind(Kind kind);

  signals:
    // The learner closed the bar with its close button.
    void closed();

  private:
    void applyColours();

    Kind m_kind;
    QLabel* m_text = nullptr;
    QToolButton* m_close = nullptr;
};

} // namespace lumo
