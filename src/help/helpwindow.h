#pragma once
// The help viewer: a read-only text with two paging buttons. The main window
// shows it and then loads the help text into it with showHelpText().
//
//   objectName     role
//   frmHelpX       the window
//   RichTextBox1   the help text, read-only
//   CmdFor         "進む": there is no next page; says so in a notice box
//   CmdBack        "戻る": there is no previous page; says so in a notice box
//   lbNotice       notice bar above the text: why the text is empty or damaged
// Keyboard: the text has the focus first (arrows and Page Up/Down read it);
// Tab goes on to 戻る and 進む, which Enter or Space presses.
#include <QWidget>

class QPushButton;

namespace lumo {

class NoticeBar;
class RichTextBox;

class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Loads the help text at `path`. A missing or unreadable file leaves the
    // text empty and says so in the notice bar; nothing modal is shown.
    void showHelpText(const QString& path);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void sayNoNextPage();
    void sayNoPreviousPage();
    void arrange();

    RichTextBox* m_text = nullptr;
    QPushButton* m_forward = nullptr;
    QPushButton* m_back = nullptr;
    NoticeBar* m_notice = nullptr;
};

} // namespace lumo
