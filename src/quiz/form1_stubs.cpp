// Temporary: bodies still being written.
#include "quiz/form1.h"

namespace lumo {
void Form1::FiOpen(const QString& /*filex*/, int /*course*/) {}
void Form1::MondaiSen(const QString& /*jx*/, const QString& /*ex*/) {}
void Form1::Monclear() {}
void Form1::ReibunRead(const QString& /*ex*/) {}
void Form1::Mondai() {}
void Form1::Hantei() {}
void Form1::Saihyozi() {}
void Form1::TextPrintX(const QString& /*xx*/, int /*ido*/) {}
void Form1::Moziinzi() {}
void Form1::NyuRyoku() {}
void Form1::QuickS(bool /*byEnglish*/) {}
void Form1::recordJudgement(const QString& /*mark*/) {}
void Form1::saveAndEnd() {}
void Form1::List1_choose() {}
void Form1::List2_Click(int /*index*/) {}
void Form1::List3_Click(int /*index*/) {}
void Form1::List4_Click(int /*index*/) {}
void Form1::cmdSelect_Click() {}
void Form1::CmdNew_Click() {}
void Form1::mnuNewQItem_Click() {}
void Form1::cmdNyuryoku_Click() {}
void Form1::cmdMondai_Click() {}
void Form1::Command3_Click() {}
void Form1::CmdChange_Click() {}
void Form1::mnuEngSItem_Click() {}
void Form1::OpSeikai_Click() {}
void Form1::OpZannen_Click() {}
void Form1::Timer1_Timer() {}
void Form1::mnuRandamItem_Click() {}
void Form1::key_Click(int /*index*/) {}
void Form1::Command5_Click() {}
void Form1::Command4_Click() {}
void Form1::cmdDEL_Click() {}
void Form1::cmdmozihenkan_Click() {}
void Form1::mnuButton_Click() {}
void Form1::Text2_Change() {}
void Form1::previewKey(const QString& /*typed*/) {}
void Form1::loadHistoryFile(const QString& /*name*/, int /*course*/) {}
void Form1::mnuMusic_Click() {}
void Form1::mnuHelpSimple_Click() {}
void Form1::mnuHelpFull_Click() {}
void Form1::CmdKeytre_Click() {}
void Form1::cmdCross_Click() {}
void Form1::startRun(bool /*questionFormRun*/) {}
void Form1::showExample() {}
void Form1::nextLetterGuide() {}
void Form1::clearQuestionArrays() {}
void Form1::playSound(const QString& /*file*/) {}
void Form1::setCount(const QString& /*text*/) {}
QString Form1::question(const QuestionArray&, int) const { return {}; }
void Form1::closeEvent(QCloseEvent*) {}
}
