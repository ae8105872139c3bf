#include "data/richtext.h"
#include "ui/keycodes.h"
#include "ui/twips.h"
#include "widgets/richtextbox.h"

#include "support/fakes.h"

#include <QKeyEvent>
#include <QTextCursor>

#include <gtest/gtest.h>

using namespace lumo;

TEST(KeyCodes, QtKeysBecomeWindowsCodes)
{
    struct Case {
        int key;
        bool keypad;
        int code;
    };
    const Case cases[] = {
        {Qt::Key_A, false, 65},          {Qt::Key_Z, false, 90},      {Qt::Key_5, false, 53},
        {Qt::Key_1, true, 97},           {Qt::Key_Slash, true, 111},  {Qt::Key_Colon, false, 186},
        {Qt::Key_Semicolon, false, 187}, {Qt::Key_Comma, false, 188}, {Qt::Key_Period, false, 190},
        {Qt::Key_Slash, false, 191},     {Qt::Key_Minus, false, 189}, {Qt::Key_Space, false, 32},
        {Qt::Key_Return, false, 13},     {Qt::Key_Enter, true, 13},   {Qt::Key_Left, false, 37},
        {Qt::Key_Down, false, 40},       {Qt::Key_Shift, false, 16},  {Qt::Key_F1, false, 112},
    };
    for (const Case& c : cases)
        EXPECT_EQ(windowsKeyCode(c.key, c.keypad), c.code) << c.key;
    const QKeyEvent keypad(QEvent::KeyPress, Qt::Key_7, Qt::KeypadModifier, QStringLiteral("7"));
    EXPECT_EQ(windowsKeyCode(keypad), 103);
}

TEST(Twips, FifteenToAPixelAndCentring)
{
    EXPECT_EQ(twipsRect(2070, 45, 2835, 540), QRect(138, 3, 189, 36));
    EXPECT_EQ(centredStart(12000, 9500), 1250);
    EXPECT_EQ(centredStart(9000, 9500), 0);
}

TEST(RichTextBox, HiddenHolderTextColourAndFiles)
{
    test::TempProgramFolder folder;
    folder.write(QStringLiteral("a.txt"), QStringLiteral("I make a cake.\nline two\n"));
    RichTextBox box;
    const TextFile loaded = readShownText(folder.path() + QStringLiteral("a.txt"));
    EXPECT_EQ(loaded.status, TextFile::Status::Ok);
    box.setText(loaded.text);
    EXPECT_EQ(box.Text(), QStringLiteral("I make a cake.\r\nline two\r\n"));
    EXPECT_TRUE(box.document()->isEmpty()) << "a hidden box does not fill its document";

    box.setText(QStringLiteral("ab\r\r\ncd make\r"));
    box.show();
    EXPECT_EQ(box.toPlainText(), QStringLiteral("ab\ncd make"));
    box.selectAndColour(8, 4, Qt::blue); // "make" in the stored text, 6 in the document
    QTextCursor cursor(box.document());
    cursor.setPosition(7); // the format of the character before the cursor: m
    EXPECT_EQ(cursor.charFormat().foreground().color(), QColor(Qt::blue));
    cursor.setPosition(6);
    EXPECT_NE(cursor.charFormat().foreground().color(), QColor(Qt::blue));

    // What the learner types comes back with CR LF.
    box.setText(QString());
    box.insertPlainText(QStringLiteral("x,y\nz,w"));
    EXPECT_EQ(box.Text(), QStringLiteral("x,y\r\nz,w"));
    ASSERT_TRUE(box.SaveFile(folder.path() + QStringLiteral("b.dat")).ok);
    EXPECT_EQ(folder.readBytes(QStringLiteral("b.dat")), QByteArray("x,y\r\nz,w"));

    // A file with bare LF or CR breaks loads with CR LF between its lines.
    folder.writeBytes(QStringLiteral("lf.txt"), QByteArray("one\ntwo\rthree\r\n"));
    EXPECT_EQ(readShownText(folder.path() + QStringLiteral("lf.txt")).text, QStringLiteral("one\r\ntwo\r\nthree\r\n"));

    // A file saved as rich text loads as the text it shows.
    folder.writeBytes(QStringLiteral("r.rtf"),
                      QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f0 x;}}a,\\'82\\'a0\\par\r\nb,c\\par\r\n}"));
    EXPECT_EQ(readShownText(folder.path() + QStringLiteral("r.rtf")).text, QStringLiteral("a,あ\r\nb,c\r\n"));

    const TextFile missing = readShownText(folder.path() + QStringLiteral("none.txt"));
    EXPECT_EQ(missing.status, TextFile::Status::Missing);
    EXPECT_TRUE(missing.text.isEmpty());
}
