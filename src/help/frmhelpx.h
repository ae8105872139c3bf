#pragma once
// The help viewer: a read-only text with two paging buttons. The main window
// shows it and then loads the help text into RichTextBox1.
#include <QWidget>

class QLabel;
class QPushButton;

namespace lumo {

class RichTextBox;

class FrmHelpX : public QWidget {
    Q_OBJECT
  public:
    explicit FrmHelpX(QWidget* parent = nullptr);

    RichTextBox* RichTextBox1 = nullptr;
    QPushButton* CmdFor = nullptr;
    QPushButton* CmdBack = nullptr;
    // A line above the text telling why it is empty or damaged; hidden when
    // the help text loaded cleanly.
    QLabel* lbNotice = nullptr;

    // Loads the help text at `path`. A missing or unreadable file leaves the
    // text empty and says so in lbNotice; nothing modal is shown.
    void showHelpText(const QString& path);

    void CmdFor_Click();
    void CmdBack_Click();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void arrange();
};

} // namespace lumo
