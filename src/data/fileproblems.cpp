#include "data/fileproblems.h"

#include <cerrno>

namespace lumo {

QString displayName(const QString& path, qsizetype maxLength)
{
    const qsizetype slash = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    QString name = path.mid(slash + 1);
    if (name.isEmpty())
        name = path;
    if (maxLength < 3 || name.size() <= maxLength)
        return name;
    const qsizetype head = (maxLength - 1) / 2;
    const qsizetype tail = maxLength - 1 - head;
    return name.left(head) + u'…' + name.right(tail);
}

QString causeOfError(int errorNumber)
{
    switch (errorNumber) {
    case ENOENT: return QStringLiteral("ファイルまたはフォルダーが見つかりません");
    case ENOTDIR: return QStringLiteral("保存先のフォルダーが見つかりません");
    case EISDIR: return QStringLiteral("同じ名前のフォルダーがあります");
    case EACCES:
    case EPERM: return QStringLiteral("アクセスする権限がありません");
    case ENOSPC: return QStringLiteral("ディスクがいっぱいです");
    case EDQUOT: return QStringLiteral("使用できるディスクの容量を超えました");
    case EROFS: return QStringLiteral("書き込みのできない場所にあります");
    case EFBIG: return QStringLiteral("ファイルが大きすぎます");
    case ENAMETOOLONG: return QStringLiteral("ファイル名が長すぎます");
    case EIO: return QStringLiteral("ディスクの読み書きに失敗しました");
    case EBUSY:
    case ETXTBSY: return QStringLiteral("ほかのプログラムが使用中です");
    case EMFILE:
    case ENFILE:
    case ENOMEM: return QStringLiteral("コンピューターの資源が足りません");
    default: return QStringLiteral("予期しないエラーが起きました（エラー番号 %1）").arg(errorNumber);
    }
}

} // namespace lumo
