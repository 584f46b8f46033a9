#include "formkit/whole_file.h"

#include <QSaveFile>

namespace formkit {

std::optional<QString> writeWholeFile(const QString& path,
                                      const std::function<bool(QIODevice& file)>& write) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.error() == QFileDevice::PermissionsError
                   ? QStringLiteral("nema dozvole za pisanje")
                   : QStringLiteral("fascikla ne postoji ili se u nju ne moze pisati");
    // Flushed first: commit() closes the file without heeding a failed last flush. Once open, Qt
    // reports a failed write without a reason: the likely one is a full disk.
    if (!write(file) || !file.flush() || !file.commit()) {
        file.cancelWriting();
        return QStringLiteral("upis nije uspeo, disk je mozda pun");
    }
    return std::nullopt;
}

}  // namespace formkit
