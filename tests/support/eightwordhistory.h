#pragma once
// A training history of eight words learned over two months, shared by the
// review tests of the scheduler and of the main window. On 2024/03/20 apple,
// book, cat, egg and fish are due (most overdue first), hat the next day and
// dog on 2024/04/03; the due days were worked out with ts-fsrs 5 for the same
// answers.
#include <QString>

namespace lumo::test {

inline const QString kEightWordHistory =
    u"\r\n\r\nhat,帽子,2024/02/01,○\r\n\r\nhat,帽子,2024/02/02,○\r\n\r\nhat,帽子,2024/02/06,○"
    u"\r\n\r\napple,りんご,2024/03/01,○\r\n\r\nbook,本,2024/03/01,○\r\n\r\ncat,猫,2024/03/01,×○"
    u"\r\n\r\ngirl,少女,2024/03/01,○\r\n"
    u"\r\n\r\nbook,本,2024/03/02,○\r\n\r\ncat,猫,2024/03/02,○\r\n\r\ngirl,少女,2024/03/02,○\r\n"
    u"\r\n\r\ncat,猫,2024/03/05,○\r\n\r\ngirl,少女,2024/03/05,○\r\n"
    u"\r\n\r\ndog,犬,2024/03/10,○\r\n\r\ndog,犬,2024/03/11,○\r\n\r\ndog,犬,2024/03/14,○\r\n"
    u"\r\n\r\ngirl,女の子,2024/03/15,○\r\n"
    u"\r\n\r\negg,卵,2024/03/19,×\r\n\r\nhat,帽子,2024/03/19,×○\r\n"
    u"\r\n\r\nfish,魚,2024/03/20,○\r\n"_qs;

} // namespace lumo::test
