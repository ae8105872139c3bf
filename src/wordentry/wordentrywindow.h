#pragma once
// The word-entry window: the learner types an English word, its meaning and
// a pronunciation note; every time one of the three boxes loses the focus its
// content is appended to the entry text, which cmdSave writes to a file of
// the learner's choice as a course file.
//
//   objectName            role
//   engnyu                the window
//   Label1(0)..Label1(2)  captions of the three boxes (英単語, 日本語訳, 発音　など)
//   Text1(0)              the English word; leaving it starts a new entry line
//   Text1(1)              its meaning
//   Text1(2)              a pronunciation note
//   cmdKey1(0)..(10)      phonetic symbols: a click adds the symbol to Text1(2)
//   RichTextBox1          the entry text, one line per word, as the file will hold it
//   cmdSave               "データ保存": saves the entry text through the save dialog
//   cmdHatuon             "発音": says the English word aloud; takes no focus
//   notice                notice bar under the controls (the window grows to hold it): that
//                         nothing can be spoken
// Keyboard: Tab runs through the boxes, the symbols, the entry text and
// データ保存; Enter in a box goes on to the next box; Enter or Space presses
// a focused button.
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

class WordEntryWindow : public QWidget {
    Q_OBJECT
  public:
    explicit WordEntryWindow(QWidget* parent = nullptr);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildTemplates();
    // Builds rows 1 and 2 and symbol buttons 1 to 10 from the templates.
    void buildRowsAndSymbols();
    // Appends the caption of symbol button `index` to the pronunciation box.
    void addSymbol(int index);
    // Appends the content of box `index` to the entry text.
    void appendBoxToEntry(int index);
    // Saves the entry text to a file chosen in the save dialog.
    void saveEntries();

    // Element 0 of each array is the template the others copy.
    std::vector<QLabel*> m_captions;
    std::vector<QLineEdit*> m_boxes;
    std::vector<QPushButton*> m_symbolKeys;
    RichTextBox* m_entryText = nullptr;
    QPushButton* m_save = nullptr;
};

} // namespace lumo
