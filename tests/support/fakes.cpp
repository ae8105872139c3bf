#include "support/fakes.h"

#include "base/programfolder.h"
#include "data/textfile.h"

#include <QDir>
#include <QFile>
#include <QMetaObject>
#include <QPdfWriter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace lumo::test {

void ScriptedDialogs::notice(QWidget*, const QString& text, const QString& title)
{
    shown.push_back({Shown::Notice, text, title, {}});
}

bool ScriptedDialogs::question(QWidget*, const QString& text, const QString& title)
{
    shown.push_back({Shown::Question, text, title, {}});
    if (answers.empty())
        return true;
    const bool a = answers.front();
    answers.pop_front();
    return a;
}

bool ScriptedDialogs::confirm(QWidget*, const QString& text, const QString& title)
{
    shown.push_back({Shown::Confirm, text, title, {}});
    if (answers.empty())
        return true;
    const bool a = answers.front();
    answers.pop_front();
    return a;
}

std::optional<QString> ScriptedDialogs::input(QWidget*, const QString& prompt, const QString& title,
                                              const QString& defaultText)
{
    shown.push_back({Shown::Input, prompt, title, defaultText});
    if (inputs.empty())
        return std::nullopt;
    auto a = inputs.front();
    inputs.pop_front();
    return a;
}

std::optional<QString> ScriptedDialogs::saveFile(QWidget*, const QString& title, const QString& filter)
{
    shown.push_back({Shown::SaveFile, {}, title, filter});
    if (saveFiles.empty())
        return std::nullopt;
    auto a = saveFiles.front();
    saveFiles.pop_front();
    return a;
}

std::optional<QString> ScriptedDialogs::openFile(QWidget*, const QString& title, const QString& filter)
{
    shown.push_back({Shown::OpenFile, {}, title, filter});
    if (openFiles.empty())
        return std::nullopt;
    auto a = openFiles.front();
    openFiles.pop_front();
    return a;
}

std::unique_ptr<QPagedPaintDevice> ScriptedPrinting::choosePrinter(QWidget*, const QPageLayout& layout,
                                                                   const QString& title)
{
    EXPECT_TRUE(canPrint) << "the print dialog shown where nothing can print";
    ++shown;
    if (replies.empty() || !replies.front()) {
        if (!replies.empty())
            replies.pop_front();
        return nullptr;
    }
    auto writer = std::make_unique<QPdfWriter>(*replies.front());
    replies.pop_front();
    writer->setPageLayout(layout);
    writer->setTitle(title);
    return writer;
}

QStringList ScriptedDialogs::texts() const
{
    QStringList list;
    for (const Shown& s : shown)
        list.append(s.text);
    return list;
}

int ScriptedDialogs::count(Shown::Kind kind) const
{
    return int(std::count_if(shown.begin(), shown.end(), [kind](const Shown& s) { return s.kind == kind; }));
}

struct TempProgramFolder::Impl {
    QTemporaryDir dir;
};

TempProgramFolder::TempProgramFolder() : m_impl(new Impl)
{
    EXPECT_TRUE(m_impl->dir.isValid());
    setProgramFolder(path());
}

TempProgramFolder::~TempProgramFolder()
{
    setProgramFolder(QString());
    delete m_impl;
}

QString TempProgramFolder::path() const
{
    return m_impl->dir.path() + u'/';
}

QString historyAtExit(QWidget* quizWindow, const TempProgramFolder& folder)
{
    auto* end = quizWindow->findChild<QPushButton*>(QStringLiteral("Command2"));
    EXPECT_NE(end, nullptr);
    if (end)
        QTest::mouseClick(end, Qt::LeftButton);
    return decodeCp932(folder.readBytes(QStringLiteral("LastTraining.dat"))).text;
}

QByteArray cp932Bytes(const QString& text)
{
    QString crlf = text;
    crlf.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    crlf.replace(u'\n', QStringLiteral("\r\n"));
    const Encoded e = encodeCp932(crlf);
    EXPECT_TRUE(e.ok()) << qPrintable(e.unmappable);
    return e.bytes;
}

void TempProgramFolder::write(const QString& name, const QString& text) const
{
    writeBytes(name, cp932Bytes(text));
}

void TempProgramFolder::writeBytes(const QString& name, const QByteArray& bytes) const
{
    QFile f(path() + name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray TempProgramFolder::readBytes(const QString& name) const
{
    QFile f(path() + name);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

bool TempProgramFolder::exists(const QString& name) const
{
    return QFile::exists(path() + name);
}

QTimer* findTimer(const QObject& window, const QString& name)
{
    auto* timer = window.findChild<QTimer*>(name);
    EXPECT_NE(timer, nullptr) << "no timer " << name.toStdString();
    return timer;
}

void tick(const QObject& window, const QString& name)
{
    if (QTimer* timer = findTimer(window, name))
        QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
}

} // namespace lumo::test
