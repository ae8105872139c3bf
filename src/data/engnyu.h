#pragma once
// The word-entry window: the learner types an English word, its meaning and
// a pronunciation note; every time one of the three boxes loses the focus its
// content is appended to the entry text, which cmdSave writes to a file of
// the learner's choice as a course file.
#include <QString>
#include <QWidget>

#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;

namespace lumo {

class RichTextBox;

// The characters of the phonetic-symbol buttons; button k carries character k.
inline const QString kPhoneticSymbols = QStringLiteral("αэδΛηｏ∫θ:'`");
inline constexpr int kPhoneticButtons = 11;

// What leaving box `index` (0 English, 1 meaning, 2 pronunciation) with
// `content` in it appends to the entry text.
QString entryAppendix(int index, const QString& content);

class Engnyu : public QWidget {
    Q_OBJECT
  public:
    explicit Engnyu(QWidget* parent = nullptr);

    // Controls; element 0 of each array is the template the others copy.
    std::vector<QLabel*> Label1;
    std::vector<QLineEdit*> Text1;
    std::vector<QPushButton*> cmdKey1;
    RichTextBox* RichTextBox1 = nullptr;
    QPushButton* cmdSave = nullptr;

    // Builds rows 1 and 2 and symbol buttons 1 to 10 from the templates.
    void Form_Load();
    // Appends the caption of symbol button `index` to the pronunciation box.
    void cmdKey1_Click(int index);
    // Appends the content of box `index` to the entry text.
    void Text1_LostFocus(int index);
    // Saves the entry text to a file chosen in the save dialog.
    void cmdSave_Click();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildTemplates();
};

} // namespace lumo
